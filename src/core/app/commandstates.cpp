#include "core/app/commandstates.h"

#include <QHash>
#include <QString>

namespace varnik {

namespace {

enum class Rule {
    TwoTabs,          // more than one tab
    MultiTwoTabs,     // multi-document mode and more than one tab
    Multi,            // multi-document mode
    MultiNotDfltONT,  // multi-document mode and new files not opened in new tabs by default
    HasText,          // the document has at least one line
    HasSelection,     // a non-empty selection
    HasFileName,
    CanUndo,
    CanRedo,
    MultiClipboard,   // multi-clipboard on and not empty
    ClipboardLines,   // clipboard text, a selection, and the edit can paste
    CanPaste,
};

const QHash<QString, Rule>& rules()
{
    static const QHash<QString, Rule> table = [] {
        QHash<QString, Rule> t;
        auto add = [&t](Rule r, std::initializer_list<const char16_t*> ids) {
            for (const char16_t* id : ids)
                t.insert(QString::fromUtf16(id), r);
        };
        add(Rule::TwoTabs, {u"Closetab1"});
        add(Rule::MultiTwoTabs, {u"Close1"});
        add(Rule::Multi, {u"Newemptytab2", u"Newemptytab1", u"Previoustab1", u"Nexttab1", u"Duplicateintonewtab1"});
        add(Rule::MultiNotDfltONT, {u"Openinnewtab1"});
        add(Rule::HasText,
            {u"Splitcolumn1", u"Delete1", u"Deleteword1", u"Deleteline1", u"Clearline1", u"Deletetoword1",
             u"Selectall1", u"Selectwordatcursor1", u"Gotoline1", u"Tabstospaces1", u"Spacestotabs1",
             u"Touppercase1", u"Tolowercase1", u"Invertcase1", u"Slangize1", u"ROT131", u"Reverse1",
             u"CP1250toISO885921", u"ISO88592toCP12501", u"CP1250toNOPL1", u"ISO88592toNOPL1", u"Hexedit1",
             u"Find1", u"Findnext1", u"Replace1"});
        add(Rule::HasSelection,
            {u"Blockwrite1", u"Cut1", u"Copy1",
             // the commands that work on the selection
             u"Deletecharatbeginningofline1", u"Indent1", u"Trim1", u"Unwraplinesinblock1", u"Selectto1",
             u"HTMLtablefromxy1", u"Secondsinselectiontohms1", u"Formatdateandtime1", u"Changeselectiontolist1",
             u"Changeselectiontonumberlist1", u"Evaluateexpressioninselection1", u"Evaluateequations1",
             u"Evaluatequadraticequation1", u"BINnumberisselectiontodecimal1", u"Numberinselectiontobinary1",
             u"Numbertodecimal1", u"Numbertohex1", u"SUMMAXCNTAVG1", u"NumberinselectionasUNIXtime1",
             u"Numberinselectiontoroman1", u"Romannumberinseltonumber1", u"Numberinselectiontoenglishwords1",
             u"Numberinselectiontopolishwords1", u"ASCIItoCHAR1", u"CHARtoASCII1", u"HosttoIP1", u"ResolveIP1",
             u"IPto32bit1", u"N32bittoIP1", u"URLencode1", u"URLdecode1", u"AskGooglecom1", u"SearchIMDB1",
             u"Gettextfromselection1"});
        add(Rule::HasFileName, {u"Reloadfromdisk1"});
        add(Rule::CanUndo, {u"Undo2"});
        add(Rule::CanRedo, {u"Redo1"});
        add(Rule::MultiClipboard, {u"Pastemclip1"});
        add(Rule::ClipboardLines, {u"Clippboardbeginning1", u"Clippboardatend1"});
        add(Rule::CanPaste, {u"Paste1"});
        return t;
    }();
    return table;
}

} // namespace

bool isCommandEnabled(QStringView id, const CommandStateInputs& in)
{
    const auto it = rules().constFind(id.toString());
    if (it == rules().constEnd())
        return true;
    switch (it.value()) {
    case Rule::TwoTabs: return in.tabCount > 1;
    case Rule::MultiTwoTabs: return in.multiDoc && in.tabCount > 1;
    case Rule::Multi: return in.multiDoc;
    case Rule::MultiNotDfltONT: return in.multiDoc && !in.dfltONT;
    case Rule::HasText: return !in.documentEmpty;
    case Rule::HasSelection: return in.hasSelection;
    case Rule::HasFileName: return in.hasFileName;
    case Rule::CanUndo: return in.canUndo;
    case Rule::CanRedo: return in.canRedo;
    case Rule::MultiClipboard: return in.multiClip && !in.multiClipboardEmpty;
    case Rule::ClipboardLines: return in.clipboardHasText && in.hasSelection && in.canPaste;
    case Rule::CanPaste: return in.canPaste;
    }
    return true;
}

} // namespace varnik

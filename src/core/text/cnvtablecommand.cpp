#include "core/text/cnvtablecommand.h"

#include "core/app/codepage.h"
#include "core/text/cnvtable.h"

namespace varnik {

namespace {

constexpr CnvTableCommand kCommands[] = {
    {u"CP1250toISO885921", u"CP1250toiso88592.cnv", u"windows-1250", u"ISO-8859-2"},
    {u"ISO88592toCP12501", u"iso88592toCP1250.cnv", u"ISO-8859-2", u"windows-1250"},
    {u"CP1250toNOPL1", u"CP1250toNOPL.cnv", u"windows-1250", {}},
    {u"ISO88592toNOPL1", u"iso88592toNOPL.cnv", u"ISO-8859-2", {}},
};

} // namespace

std::span<const CnvTableCommand> cnvTableCommands()
{
    return kCommands;
}

const CnvTableCommand* findCnvTableCommand(QStringView id)
{
    for (const CnvTableCommand& c : kCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

void applyCnvTableCommand(TextEdit& edit, MessageSink& messages, const CnvTable& table,
                          const CnvTableCommand& command, DocumentEncoding& encoding)
{
    if (table.isEmpty()) {
        messages.message(QStringLiteral("Error loading converter!"), MessageKind::Error, Buttons::OK);
        return;
    }
    if (edit.selectionLength() == 0)
        edit.selectAll();

    if (encoding.isUtf8() && !command.toPlainLetters()) {
        // The text is Unicode already: only the bytes it is saved as change.
        encoding = DocumentEncoding::legacy(command.targetPage.toString());
        edit.setSelection(edit.selectionStart() + edit.selectionLength(), 0);
        edit.setModified(true);
        return;
    }
    const std::shared_ptr<const CodePage> page =
        encoding.isUtf8() ? CodePage::forName(command.sourcePage.toString()) : encoding.codePage();
    const QString converted = table.convert(edit.selectedText(), *page, *page);
    edit.replaceSelection(converted);
    edit.setSelection(edit.selectionStart(), 0);
}

} // namespace varnik

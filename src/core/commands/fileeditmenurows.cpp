#include "core/commands/menurows.h"

namespace varnik {

namespace {

using namespace menurows;

// The File and Edit menus. Row fields: depth, id, caption, default shortcut, hint, enable rule, operation,
// flags, twin (commandrow.h).
// clang-format off
constexpr CommandRow kRows[] = {
    menu(FileMenu, u"&File", u"File menu"),
    {1, New1, u"&New", u"Ctrl+N", u"New file"},
    {1, OpenItem, u"&Open...", u"Ctrl+O", u"Open a file"},
    {1, Openinnewtab1, u"Open in new tab...", u"Shift+Ctrl+O",
        u"Open file in new tab...", MultiNotDfltONT},
    {1, Openinnewwindow1, u"Open in new window...", {}, u"Open a file in new window"},
    {1, Reopen1, u"R&eopen recent", {}, u"Reopen recently used file", Always, nullptr, Fixed | RunTime},
    {1, Reloadfromdisk1, u"&Reload from disk...", {}, u"Reload current file from disk", HasFileName},
    {1, SaveItem, u"&Save", u"Ctrl+S", u"Save current file"},
    {1, Saveas1, u"Save &as...", u"F12", u"Save current file as..."},
    {1, Newemptytab2, u"New empty tab", u"Ctrl+T", u"Create new empty tab", Multi},
    {1, Previoustab1, u"Previous tab", u"Alt+F1", u"Goto previous tab", Multi},
    {1, Nexttab1, u"Next tab", u"Alt+F2", u"Goto next tab", Multi},
    {1, Close1, u"Close", u"Shift+Alt+F4", u"Close current tab", MultiTwoTabs},
    separator(1),
    {1, Importasbinary1, u"Import &binary file", {}, u"Import binary file", Always, nullptr, Fixed},
    {2, HEXstyle1, u"&HEX style", {}, u"Import binary file as hex",
        Always, importCommand<ImportKind::Hex>, AsksFirst},
    {2, Cstyle1, u"&C style", {}, u"Import binary file as C source",
        Always, importCommand<ImportKind::C>, AsksFirst},
    {2, Pascalstyle1, u"&Pascal style", {}, u"Import binary file as Pascal source",
        Always, importCommand<ImportKind::Pascal>, AsksFirst},
    {1, Importunicodefile1, u"Import unicode file", {}, u"Import unicode file",
        Always, importCommand<ImportKind::Unicode>, AsksFirst},
    {1, Blockread1, u"Block read", u"Shift+Ctrl+R", u"Insert block of text from file"},
    {1, Blockwrite1, u"Block write", u"Shift+Ctrl+W",
        u"Write current selection to file", HasSelection},
    separator(1),
    {1, Fileinfo1, u"File &info...", u"Ctrl+I", u"Info about current file"},
    separator(1),
    {1, Printersetup1, u"Printer setup...", {}, u"Printer setup"},
    {1, Print1, u"&Print", u"Ctrl+P", u"Print current file"},
    separator(1),
    {1, ExitItem, u"E&xit", u"Alt+X", u"Exit application"},

    menu(Edit1, u"&Edit", u"Edit menu"),
    {1, Undo2, u"&Undo", u"Ctrl+Z", u"Undo last operation", CanUndo},
    {1, Redo1, u"R&edo", u"Shift+Ctrl+Z", u"Redo last operation", CanRedo},
    {1, Clearundobuffer1, u"Clear undo buffer", {}, u"Clear undo buffer"},
    separator(1),
    {1, Cut1, u"Cu&t", u"Ctrl+X", u"Cut selection to clipboard", HasSelection},
    {1, Copy1, u"&Copy", u"Ctrl+C", u"Copy selection to clipboard", HasSelection},
    {1, Paste1, u"&Paste", u"Ctrl+V", u"Paste from clipboard", CanPaste},
    {1, Pastemclip1, u"Paste from multiclipboard", u"Shift+Ctrl+V",
        u"Paste from multiclipboard", MultiClipboard, nullptr, WindowOnly},
    {1, Delete1, u"&Delete", u"Del", u"Delete char at cursor", HasText, onEdit<deleteAtCaret>},
    {1, Deleteword1, u"Delete &word", u"Ctrl+W", u"Delete word at cursor", HasText, onEdit<deleteWord>},
    {1, Deleteline1, u"Delete line", u"Ctrl+Y", u"Delete current line", HasText, onEdit<deleteLine>},
    {1, Clearline1, u"Clear line", {}, u"Clear current line", HasText, onEdit<clearLine>},
    {1, Deletecharatbeginningofline1, u"Delete char @ beginning", u"Ctrl+\\",
        u"Delete one char at beginning of each line in selection", HasSelection, engine<Op::DeleteFirstChar>},
    {1, Deletetoword1, u"Delete to word", u"Ctrl+J",
        u"Delete any white spaces to word", HasText, onEdit<deleteToWord>},
    separator(1),
    {1, Selectall1, u"Select &all", u"Ctrl+A", u"Select all", HasText, selectAllCommand},
    {1, Selectwordatcursor1, u"Select word at cursor", u"Shift+Ctrl+A",
        u"Select word at cursor", HasText, onEdit<selectWordAtCursor>},
    {1, Selectto1, u"Select to bracket", u"Shift+Ctrl+.",
        u"Match next/previous bracket corresponding to selected one", HasSelection, onEdit<selectToBracket>},
    separator(1),
    {1, Indent1, u"&Indent", u"Shift+Ctrl+[",
        u"Insert one space @ beginning of every line in selection", HasSelection, engine<Op::Indent>},
    {1, Trim1, u"&Trim", u"Shift+Ctrl+]",
        u"Trim leading and trailing spaces from lines in selection", HasSelection, engine<Op::Trim>},
    {1, Unwraplinesinblock1, u"Unwrap lines", u"Ctrl+U",
        u"Unwrap lines in block", HasSelection, engine<Op::Unwrap>},
    {1, Splitcolumn1, u"Split column...", {},
        u"Split column from file into new tab...", HasText, splitColumnCommand, AsksFirst},
    separator(1),
    {1, Gotoline1, u"&Goto line...", u"Ctrl+L", u"Goto line...", HasText},
};
// clang-format on

} // namespace

std::span<const CommandRow> fileEditMenuRows()
{
    return kRows;
}

} // namespace varnik

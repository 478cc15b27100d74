#include "core/commands/menurows.h"

namespace varnik {

namespace {

using namespace menurows;

// The pop-up menus. Their entries carry no shortcuts and are never mapped; a twin is enabled with the
// command it runs.
// clang-format off
constexpr CommandRow kRows[] = {
    popupMenu(MainEditPopupMenu),
    twinOf(Undo2, Undo1, u"Undo", u"Undo"),
    twinOf(Redo1, Redo2, u"Redo", u"Redo"),
    separator(1),
    twinOf(Cut1, Cut2, u"Cut", u"Cut selection"),
    twinOf(Copy1, Copy2, u"Copy", u"Copy selection"),
    twinOf(Paste1, Paste2, u"Paste", u"Paste"),
    twinOf(Delete1, Delete2, u"Delete", u"Delete"),
    separator(1),
    twinOf(Selectall1, Selectall2, u"Select all", u"Select all"),
    separator(1),
    twinOf(Gotoline1, Gotoline2, u"Goto line...", u"Goto line..."),
    separator(1),
    twinOf(Options1, Options3, u"Options...", u"Options..."),

    popupMenu(PopupMenuTray),
    {1, Restore1, u"Restore Varnik"},
    separator(1),
    twinOf(New1, New2, u"New"),
    twinOf(OpenItem, OpenFile1, u"Open File..."),
    {1, Reopenrecent1, u"Reopen recent", {}, {}, Always, nullptr, RunTime},
    twinOf(Options1, Options2, u"Options..."),
    separator(1),
    twinOf(ExitItem, Exit1, u"Exit"),

    popupMenu(PopupMenuGrep),
    {1, Closeresults1, u"Close results"},
    {1, Clearresults1, u"Clear results"},
    {1, Saveresultstofile1, u"Save results to file..."},
    {1, Copytoclipboard1, u"Copy to clipboard"},

    popupMenu(PopupMenuTabs),
    twinOf(Close1, Closetab1, u"Close tab"),
    separator(1),
    twinOf(Newemptytab2, Newemptytab1, u"New empty tab"),
    {1, Duplicateintonewtab1, u"Duplicate into new tab", {}, {}, Multi},
};
// clang-format on

} // namespace

std::span<const CommandRow> popupMenuRows()
{
    return kRows;
}

} // namespace varnik

#include "core/commands/menurows.h"

namespace varnik {

namespace {

using namespace menurows;

// The View, Search, Bookmarks and Help menus. Row fields: depth, id, caption, default shortcut, hint, enable
// rule, operation, flags, twin (commandrow.h).
// clang-format off
constexpr CommandRow kRows[] = {
    menu(View1, u"&View", u"View menu"),
    {1, Speedpanel1, u"&Toolbar", {}, u"Show/hide toolbar"},
    {1, Statusbar1, u"&Statusbar", {}, u"Show/hide status bar"},
    {1, Wordwrap1, u"&Word wrap", {}, u"Word wrap on/off"},
    separator(1),
    {1, Hexedit1, u"&Hex edit", u"Ctrl+Q", u"Switch to hex editor", Always, nullptr, WindowOnly},
    separator(1),
    {1, Setfont1, u"Set &font...", u"F9", u"Set font..."},
    {1, Options1, u"&Options...", u"F10", u"View and set various program options"},

    menu(Search1, u"&Search", u"Search menu"),
    {1, Find1, u"&Find...", u"Ctrl+F", u"Find text", HasText},
    {1, Findnext1, u"Find &next", u"F3",
        u"Find next occurence of previously searched text", HasText},
    {1, Replace1, u"Find and &replace", u"Ctrl+R", u"Replace", HasText},
    separator(1),
    {1, AskGooglecom1, u"Ask ", u"F4",
        u"Run default web browser and ask ", HasSelection, nullptr, SearchEngine},
    {1, SearchIMDB1, u"Search IMDB", u"F5", u"Search Internet Movie Database (IMDB)", HasSelection},

    menu(Bookmark1, u"&Bookmarks", u"Bookmarks menu"),
    {1, Create1, u"&Create bookmark", {}, u"Create bookmark", Always, nullptr, Fixed | RunTime},
    {1, Goto1, u"&Go to bookmark", {}, u"Go to bookmark", Always, nullptr, Fixed | RunTime},
    {1, Clearbookmarks1, u"C&lear bookmarks", {}, u"Clear all bookmarks"},

    menu(Help1, u"&Help", u"Help menu"),
    {1, Helptopics1, u"Help topics", u"F1", u"Show help topics"},
    {1, Homepage1, u"Home page...", {}, u"Program home page", Always, nullptr, Fixed},
    {1, Showtips1, u"Show tips", {}, u"Show tips"},
    {1, PayPaldonate1, u"PayPal - donate"},
    {2, PayPaldonateinUSD1, u"PayPal - donate in USD"},
    {2, PayPaldonateinPLN1, u"PayPal - donate in PLN"},
    separator(1),
    {1, BUGREPORTFORM1, u"BUG REPORT FORM", {},
        u"BUG REPORT FORM - send it back to me if you encounter a bug", Always, nullptr, Fixed},
    separator(1),
    {1, About1, u"&About...", {}, u"Show about box", Always, nullptr, Fixed},
};
// clang-format on

} // namespace

std::span<const CommandRow> viewSearchHelpMenuRows()
{
    return kRows;
}

} // namespace varnik

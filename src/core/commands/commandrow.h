#pragma once

#include "core/commands/commandcontext.h"
#include "core/commands/commandid.h"
#include "core/commands/enablerule.h"

#include <QStringView>

#include <span>

namespace varnik {

// One line of the command table as written: a menu (depth 0), one of its entries (1) or a submenu's
// entry (2). Everything the program knows about a command is here: how menus, pop-ups, the toolbar,
// the key mapping, the status tick and the headless mode show and run it.
struct CommandRow {
    enum Flag : unsigned {
        Fixed = 1,             // keeps its shortcut whatever a key mapping says; its shortcut is reserved
        FilledAtRunTime = 2,   // a submenu whose entries are made while the program runs
        PopupMenu = 4,         // a pop-up menu's root
        NamesSearchEngine = 8, // caption and hint end with the web search engine's name
        // The window asks first and registers the command's handler itself (a dialog that hands the
        // answers to the operation as fields); headless the answers come from --field.
        AsksFirst = 16,
        WindowOnly = 32, // works only in the window (system clipboard, windows of its own)
    };

    // Brace rows name only the fields they need; the rest stay empty.
    constexpr CommandRow(int depth, CommandId id, QStringView caption, QStringView shortcut = {},
                         QStringView hint = {}, EnableRule enable = EnableRule::Always,
                         CommandFunction run = nullptr, unsigned flags = 0, CommandId twin = {})
        : depth(depth), id(id), caption(caption), shortcut(shortcut), hint(hint), enable(enable), run(run),
          flags(flags), twin(twin)
    {
    }

    int depth = 0;
    CommandId id;         // empty for separators
    QStringView caption;  // "&" marks the accelerator, "&&" is a literal "&"; exactly "-" for separators
    QStringView shortcut; // the default, in shortcut text form ("Shift+Ctrl+Z")
    QStringView hint;
    EnableRule enable = EnableRule::Always;
    // The operation on the document, shared by the window and the headless mode; nullptr when the
    // command needs the window (its handler is registered there) or is not built yet.
    CommandFunction run = nullptr;
    unsigned flags = 0;
    // For a pop-up entry: the main-menu command whose behaviour it runs; empty when it has its own.
    CommandId twin;
};

// A separator line of a menu at `depth`.
constexpr CommandRow separator(int depth)
{
    return CommandRow(depth, {}, u"-");
}

// A top-level menu of the main menu.
constexpr CommandRow menu(CommandId id, QStringView caption, QStringView hint)
{
    return CommandRow(0, id, caption, {}, hint, EnableRule::Always, nullptr, CommandRow::Fixed);
}

// A pop-up menu's root; its entries follow at depth 1.
constexpr CommandRow popupMenu(CommandId id)
{
    return CommandRow(0, id, {}, {}, {}, EnableRule::Always, nullptr, CommandRow::PopupMenu);
}

// A pop-up entry that runs the main-menu command `twin` and is enabled with it.
constexpr CommandRow twinOf(CommandId twin, CommandId id, QStringView caption, QStringView hint = {})
{
    return CommandRow(1, id, caption, {}, hint, EnableRule::Always, nullptr, 0, twin);
}

// The rows of the main menu (File, Edit, Insert, Replace, View, Search, Bookmarks, Help) in menu order,
// then those of the pop-up menus. Each menu group lives in a file of its own.
std::span<const CommandRow> fileEditMenuRows();
std::span<const CommandRow> insertReplaceMenuRows();
std::span<const CommandRow> viewSearchHelpMenuRows();
std::span<const CommandRow> popupMenuRows();

} // namespace varnik

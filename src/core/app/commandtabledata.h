#pragma once

#include <QStringView>

#include <span>

namespace varnik {

// One line of the menu data as written: depth 0 for a menu, 1 for its entries, 2 for a submenu's.
struct CommandRow {
    enum Flag : unsigned {
        Fixed = 1,
        FilledAtRunTime = 2,
        PopupMenu = 4,
        // Caption and hint end with the web search engine's name.
        NamesSearchEngine = 8,
    };

    // Brace rows name only the fields they need; the rest stay empty.
    constexpr CommandRow(int depth, QStringView id, QStringView caption, QStringView shortcut = {},
                         QStringView hint = {}, unsigned flags = 0, QStringView twin = {})
        : depth(depth), id(id), caption(caption), shortcut(shortcut), hint(hint), flags(flags), twin(twin)
    {
    }

    int depth = 0;
    QStringView id;
    QStringView caption;
    QStringView shortcut; // in shortcut text form
    QStringView hint;
    unsigned flags = 0;
    QStringView twin;
};

// The main menu's rows first, then each pop-up menu's.
std::span<const CommandRow> commandRows();

} // namespace varnik

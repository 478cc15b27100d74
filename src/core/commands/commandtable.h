#pragma once

#include "core/app/shortcut.h"
#include "core/commands/commandcontext.h"
#include "core/commands/commandid.h"
#include "core/commands/enablerule.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <span>
#include <vector>

namespace varnik {

// The web search engine that "Ask ..." names; its query path and key live with the search command.
inline constexpr QStringView kWebSearchEngineName = u"Google";

// One entry of a menu: a command, a submenu opener, a separator, or a whole menu (top-level menus and
// pop-up menus are entries too, so every menu is reached the same way).
struct CommandItem {
    QString id;      // unique; empty for separators
    QString caption; // "&" marks the accelerator, "&&" is a literal "&"; exactly "-" for separators
    QString hint;    // may be empty
    Shortcut shortcut;
    // Fixed items keep their shortcut whatever a key mapping says, and their shortcuts are reserved.
    bool fixed = false;
    // A submenu whose entries are made while the program runs (recent files, bookmarks).
    bool filledAtRunTime = false;
    // For a pop-up entry: the main-menu command whose behaviour it runs; empty when it has its own.
    CommandId twin;
    // The window registers the handler (a dialog first); see CommandRow::AsksFirst.
    bool asksFirst = false;
    bool windowOnly = false;
    EnableRule enable = EnableRule::Always;
    // The operation shared by the window and the headless mode; nullptr when only the window runs it.
    CommandFunction run = nullptr;
    const CommandItem* parent = nullptr;
    std::vector<const CommandItem*> children;

    bool isSeparator() const { return caption == u"-"; }
    // The caption as text, without accelerator marks.
    QString plainCaption() const;
};

// "&" marks go, "&&" becomes "&".
QString stripAccelerators(QStringView caption);

// The program's menus as data, built once from the rows (commandrow.h): the main menu (File, Edit,
// Insert, Replace, View, Search, Bookmarks, Help) and the pop-up menus. Never changed afterwards:
// shortcuts the user maps live elsewhere.
class CommandTable {
public:
    static const CommandTable& standard();

    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    // nullptr when no entry has this identifier (separators have none).
    const CommandItem* find(QStringView id) const;
    const CommandItem* find(CommandId id) const { return find(id.name()); }
    // The entry of an identifier constant; every constant has one (a test checks the ones code uses).
    const CommandItem& item(CommandId id) const;
    // The menu or submenu holding the entry; nullptr for roots and unknown identifiers.
    const CommandItem* parentOf(QStringView id) const;

    // The top-level menus in menu order.
    const std::vector<const CommandItem*>& mainMenus() const { return mainMenus_; }
    // Every main-menu entry depth first in menu order: each menu, then its entries, a submenu's entries
    // right after their opener; separators included.
    std::span<const CommandItem> mainMenuItems() const { return {items_.data(), mainMenuCount_}; }
    bool isInMainMenu(const CommandItem& item) const;

    // The pop-up menus: document edit, tray, grep results, tabs.
    const std::vector<const CommandItem*>& popupMenus() const { return popupMenus_; }

    // Every entry, main menu first, then the pop-up menus, each depth first.
    std::span<const CommandItem> allItems() const { return items_; }

private:
    CommandTable();

    std::vector<CommandItem> items_;
    std::size_t mainMenuCount_ = 0;
    std::vector<const CommandItem*> mainMenus_;
    std::vector<const CommandItem*> popupMenus_;
    QHash<QString, const CommandItem*> byId_;
};

// One line per main-menu entry, depth first, separators left out: identifier, caption without
// accelerator marks, default shortcut text, "fixed" or nothing; tab separated, each line ending in "\n".
QString listCommandsText(const CommandTable& table = CommandTable::standard());

} // namespace varnik

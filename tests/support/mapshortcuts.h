#pragma once

#include "core/commands/commandtable.h"
#include "core/keymap/liveshortcuts.h"

#include <QHash>

namespace varnik::test {

// The main menu's default shortcuts, changed as a window's actions would be.
class MapShortcuts : public LiveShortcuts {
public:
    MapShortcuts()
    {
        for (const CommandItem& item : CommandTable::standard().mainMenuItems())
            if (!item.id.isEmpty())
                map.insert(item.id, item.shortcut);
    }
    Shortcut shortcut(const QString& id) const override { return map.value(id); }
    void setShortcut(const QString& id, const Shortcut& s) override { map.insert(id, s); }
    QHash<QString, Shortcut> map;
};

} // namespace varnik::test

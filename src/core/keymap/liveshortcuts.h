#pragma once

#include "core/app/shortcut.h"

#include <QString>

namespace varnik {

// The shortcuts the program's commands have right now, by command identifier. The window's actions
// hold them; tests hold a plain map.
class LiveShortcuts {
public:
    virtual ~LiveShortcuts() = default;
    virtual Shortcut shortcut(const QString& id) const = 0;
    virtual void setShortcut(const QString& id, const Shortcut& shortcut) = 0;
};

} // namespace varnik

#include "core/commands/commandtable.h"
#include "core/keymap/keymapfile.h"
#include "core/keymap/liveshortcuts.h"

#include <QHash>

#include <cstdlib>

namespace {

class MapShortcuts : public varnik::LiveShortcuts {
public:
    varnik::Shortcut shortcut(const QString& id) const override { return map.value(id); }
    void setShortcut(const QString& id, const varnik::Shortcut& s) override { map.insert(id, s); }
    QHash<QString, varnik::Shortcut> map;
};

} // namespace

// Whatever a key mapping file holds, applying it never fails hard, gives no shortcut twice, and the
// mapping written afterwards reads back to the same shortcuts.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto& table = varnik::CommandTable::standard();
    const auto entries = varnik::parseKeyMap(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!entries)
        return 0;
    MapShortcuts first;
    varnik::applyKeyMap(*entries, table, first);
    const QSet<varnik::Shortcut> reserved = varnik::reservedShortcuts(table);
    QSet<varnik::Shortcut> seen;
    for (const varnik::Shortcut& s : std::as_const(first.map))
        if (!s.isEmpty() && (seen.contains(s) || reserved.contains(s)))
            std::abort();
        else
            seen.insert(s);
    const auto again = varnik::parseKeyMap(varnik::formatKeyMap(table, first));
    if (!again)
        std::abort();
    MapShortcuts second;
    varnik::applyKeyMap(*again, table, second);
    if (second.map != first.map)
        std::abort();
    return 0;
}

#pragma once

#include "core/app/shortcut.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace varnik {

struct CommandItem;
class CommandTable;
class LiveShortcuts;
struct Settings;

// A key mapping file is INI text with one section, "keymapping", holding one line per command:
// its identifier, "=", and its shortcut text ("Hexedit1=Ctrl+Q"; "Undo2=" for none).

// The commands a key mapping names: main-menu entries that are neither separators nor fixed, depth
// first in menu order.
std::vector<const CommandItem*> mappableCommands(const CommandTable& table);

// The shortcuts of the fixed entries and of the submenus made at run time: no mapping may take them.
QSet<Shortcut> reservedShortcuts(const CommandTable& table);

// The entries of the "keymapping" section by identifier in lower case (names and section are read in
// any case). nullopt when the data has no entry in that section: it is not a key mapping.
std::optional<QHash<QString, QString>> parseKeyMap(QByteArrayView data);

// nullopt when the file cannot be read, is larger than any key mapping can be, or is not a key mapping.
std::optional<QHash<QString, QString>> readKeyMapFile(const QString& path);

// Gives every mappable command the shortcut of its entry; an absent or empty entry, an unknown key
// name, a reserved shortcut and one a command earlier in the menu already took all mean none, so
// that a file never makes a shortcut ambiguous.
void applyKeyMap(const QHash<QString, QString>& entries, const CommandTable& table, LiveShortcuts& live);

// The mapping of every mappable command as the file holds it.
QByteArray formatKeyMap(const CommandTable& table, const LiveShortcuts& live);

// Replaces the file as a whole (never half written). False when it could not be written.
bool writeKeyMapFile(const QString& path, const CommandTable& table, const LiveShortcuts& live);

// At start-up: with LoadKeyMap on and a key mapping in KeyMapFile, applies it; otherwise (no file, an
// unreadable one) the default shortcuts stay.
void applyStartupKeyMap(const Settings& settings, const CommandTable& table, LiveShortcuts& live);

} // namespace varnik

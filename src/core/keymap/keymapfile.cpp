#include "core/keymap/keymapfile.h"

#include "core/app/settings.h"
#include "core/app/settingsini.h"
#include "core/commands/commandtable.h"
#include "core/keymap/liveshortcuts.h"
#include "core/search/bookmarks.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

namespace varnik {

namespace {

constexpr QStringView kSection = u"keymapping";
// A mapping of every command is a few kilobytes; anything far larger is some other file.
constexpr qint64 kMaxKeyMapBytes = 4 * 1024 * 1024;

} // namespace

std::vector<const CommandItem*> mappableCommands(const CommandTable& table)
{
    std::vector<const CommandItem*> commands;
    for (const CommandItem& item : table.mainMenuItems())
        if (!item.isSeparator() && !item.fixed && !item.id.isEmpty())
            commands.push_back(&item);
    return commands;
}

QSet<Shortcut> reservedShortcuts(const CommandTable& table)
{
    QSet<Shortcut> reserved;
    for (const CommandItem& item : table.mainMenuItems())
        if (item.fixed && !item.shortcut.isEmpty())
            reserved.insert(item.shortcut);
    // The bookmark submenus are made while the program runs; their items keep their keys too.
    const BookmarkMenus bookmarks = bookmarkMenus(Bookmarks{});
    for (const auto* items : {&bookmarks.create, &bookmarks.goTo})
        for (const BookmarkMenuItem& item : *items)
            if (const Shortcut s = Shortcut::fromText(item.shortcut); !s.isEmpty())
                reserved.insert(s);
    return reserved;
}

std::optional<QHash<QString, QString>> parseKeyMap(QByteArrayView data)
{
    QMap<QString, QString> values;
    parseSettingsIni(data, values); // unreadable lines are skipped, as a hand-edited file may have some
    QHash<QString, QString> entries;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QStringList levels = it.key().split(u'/');
        if (levels.size() == 2 && levels[0].compare(kSection, Qt::CaseInsensitive) == 0)
            entries.insert(levels[1].toLower(), it.value());
    }
    if (entries.isEmpty())
        return std::nullopt;
    return entries;
}

std::optional<QHash<QString, QString>> readKeyMapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxKeyMapBytes)
        return std::nullopt;
    const QByteArray data = file.read(kMaxKeyMapBytes + 1);
    if (data.size() > kMaxKeyMapBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseKeyMap(data);
}

void applyKeyMap(const QHash<QString, QString>& entries, const CommandTable& table, LiveShortcuts& live)
{
    QSet<Shortcut> taken = reservedShortcuts(table);
    for (const CommandItem* item : mappableCommands(table)) {
        Shortcut shortcut = Shortcut::fromText(entries.value(item->id.toLower()));
        if (!shortcut.isEmpty() && taken.contains(shortcut))
            shortcut = Shortcut();
        taken.insert(shortcut);
        live.setShortcut(item->id, shortcut);
    }
}

QByteArray formatKeyMap(const CommandTable& table, const LiveShortcuts& live)
{
    QMap<QString, QString> values;
    for (const CommandItem* item : mappableCommands(table))
        values.insert(kSection.toString() + u'/' + item->id, live.shortcut(item->id).toText());
    return formatSettingsIni(values);
}

bool writeKeyMapFile(const QString& path, const CommandTable& table, const LiveShortcuts& live)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = formatKeyMap(table, live);
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

void applyStartupKeyMap(const Settings& settings, const CommandTable& table, LiveShortcuts& live)
{
    if (!settings.loadKeyMap || settings.keyMapFile.isEmpty() || !QFileInfo(settings.keyMapFile).isFile())
        return;
    if (const auto entries = readKeyMapFile(settings.keyMapFile))
        applyKeyMap(*entries, table, live);
}

} // namespace varnik

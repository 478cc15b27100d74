#include "core/app/recentfiles.h"

#include "core/app/settingsstore.h"
#include "core/app/settingvalues.h"

#include <algorithm>

namespace varnik {

namespace {

const QString kMainPrefix = QStringLiteral("MainLastFileMenuItem");
const QString kTrayPrefix = QStringLiteral("TrayLastFileMenuItem");

} // namespace

int RecentFiles::slotsInUse(int lastUsedCnt)
{
    return std::clamp(lastUsedCnt, 0, kSlots);
}

QString RecentFiles::valueName(int slot)
{
    return QStringLiteral("LastFile%1").arg(slot);
}

int RecentFiles::slotFromItemName(QStringView objectName)
{
    bool ok = false;
    const int slot = objectName.mid(kMainPrefix.size()).toInt(&ok);
    return ok && slot >= 1 && slot <= kSlots ? slot : 0;
}

Qt::CaseSensitivity RecentFiles::fileNameCaseSensitivity()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

RecentFiles::RecentFiles(QStringList names) : slots_(std::move(names))
{
    slots_.resize(kSlots);
}

void RecentFiles::add(const QString& name, int lastUsedCnt, Qt::CaseSensitivity cs)
{
    const int n = slotsInUse(lastUsedCnt);
    int match = 0;
    for (int i = 1; i <= n; ++i) {
        if (slots_[i - 1].compare(name, cs) == 0)
            match = i;
    }
    // Slots 1 .. last-1 move down one place; the old slot `last` is overwritten.
    const int last = match > 0 ? match : n;
    for (int i = last - 1; i >= 1; --i)
        slots_[i] = slots_[i - 1];
    slots_[0] = name;
}

std::vector<RecentFiles::MenuItem>
RecentFiles::menuItems(int lastUsedCnt, bool trayMenu,
                       const std::function<QString(const QString&)>& shortName) const
{
    const QString& prefix = trayMenu ? kTrayPrefix : kMainPrefix;
    std::vector<MenuItem> items;
    const int n = slotsInUse(lastUsedCnt);
    for (int i = 1; i <= n; ++i) {
        const QString& name = slots_[i - 1];
        if (name.isEmpty())
            continue;
        const QString letter = QString(QChar(u'A' + (i - 1)));
        items.push_back(
            {i, prefix + QString::number(i),
             (trayMenu ? QString() : QStringLiteral("&")) + letter + QStringLiteral(". ") + shortName(name),
             true});
    }
    if (items.empty())
        items.push_back({0, prefix + QStringLiteral("None"), QStringLiteral("{none}"), false});
    return items;
}

void writeRecentFiles(SettingsStore& store, const RecentFiles& files)
{
    for (int slot = 1; slot <= RecentFiles::kSlots; ++slot)
        writeSetting(store, RecentFiles::valueName(slot), files.slot(slot));
    store.flush();
}

} // namespace varnik

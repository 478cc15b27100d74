#include "core/app/recentfiles.h"

#include "core/app/settingvalues.h"

#include <algorithm>

namespace varnik {

Qt::CaseSensitivity fileNameCaseSensitivity()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

int recentFilesInUse(int lastUsedCnt)
{
    return std::clamp(lastUsedCnt, 0, kRecentFileSlots);
}

void addRecentFile(RecentFiles& files, const QString& fileName, int lastUsedCnt, Qt::CaseSensitivity cs)
{
    const int inUse = recentFilesInUse(lastUsedCnt);
    int match = -1;
    for (int i = 0; i < inUse; ++i) {
        if (files[i].compare(fileName, cs) == 0)
            match = i;
    }
    // Slots above the match (or above the last slot in use) move down by one.
    const int end = match >= 0 ? match : inUse - 1;
    for (int i = end; i > 0; --i)
        files[i] = files[i - 1];
    files[0] = fileName;
}

QList<int> recentMenuSlots(const RecentFiles& files, int lastUsedCnt)
{
    QList<int> numbers;
    const int inUse = recentFilesInUse(lastUsedCnt);
    for (int i = 0; i < inUse; ++i) {
        if (!files[i].isEmpty())
            numbers.append(i + 1);
    }
    return numbers;
}

void writeRecentFiles(SettingsStore& store, const RecentFiles& files)
{
    for (int i = 0; i < kRecentFileSlots; ++i)
        writeSetting(store, QLatin1String(kRecentFileValuePrefix) + QString::number(i + 1), files[i]);
    store.flush();
}

} // namespace varnik

#pragma once

#include "core/app/settingsstore.h"

#include <QList>
#include <QString>

#include <array>

namespace varnik {

// The recent-file list: slot 1 (index 0) is the most recent. All slots are stored as
// "LastFile1" ... "LastFile20"; only the first LastUsedCnt take part in the list logic.
inline constexpr int kRecentFileSlots = 20;
inline constexpr char kRecentFileValuePrefix[] = "LastFile";
using RecentFiles = std::array<QString, kRecentFileSlots>;

// The file system's rule for telling two file names apart.
Qt::CaseSensitivity fileNameCaseSensitivity();

// The number of slots in use: LastUsedCnt, but never past the stored slots.
int recentFilesInUse(int lastUsedCnt);

// Moves the name to slot 1: a match among the slots in use (the last one when several
// match) leaves its place, otherwise the last slot in use drops out. With no slot in
// use nothing shifts and slot 1 is simply replaced.
void addRecentFile(RecentFiles& files, const QString& fileName, int lastUsedCnt,
                   Qt::CaseSensitivity cs = fileNameCaseSensitivity());

// Slot numbers (from 1) of the filled slots in use, as the recent-file menus list them.
QList<int> recentMenuSlots(const RecentFiles& files, int lastUsedCnt);

// Writes all slots, empty ones included.
void writeRecentFiles(SettingsStore& store, const RecentFiles& files);

} // namespace varnik

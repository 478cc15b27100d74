#pragma once

#include "core/app/settings.h"
#include "core/app/settingsstore.h"

#include <QString>

#include <array>

namespace varnik {

// What is remembered per file under software\Varnik\files\ + path (26 values).
struct FileInfo {
    // Line and column from 0; -1 in either means the bookmark is not set.
    struct Bookmark {
        qint32 column = -1;
        qint32 line = -1;
        bool isSet() const { return column != -1 && line != -1; }
        friend bool operator==(const Bookmark&, const Bookmark&) = default;
    };
    static constexpr int kBookmarks = 10;

    // The main window's position and size.
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 selStart = 0;
    qint32 selLength = 0;
    std::array<Bookmark, kBookmarks> bookmarks{};

    friend bool operator==(const FileInfo&, const FileInfo&) = default;
};

// Windows paths split at "\" and "/"; elsewhere "\" is an ordinary file-name character.
enum class PathStyle { Unix, Windows };
PathStyle nativePathStyle();

// One key level per directory level: C:\a\b.txt is files\C:\a\b.txt, /home/u/c.txt is
// files\home\u\c.txt. The leading separators (of a network or an absolute path) and
// empty levels are dropped. A name with no level gives an empty key.
SettingsKey fileInfoKey(const QString& fileName, PathStyle style = nativePathStyle());

// Writes the 26 values when ExtraInfo is set and the name is not empty.
void storeFileInfo(SettingsStore& store, const Settings& settings, const QString& fileName,
                   const FileInfo& info, PathStyle style = nativePathStyle());

struct FileInfoLoad {
    bool window = false;   // left, top, width and height were read: move and size the window
    bool complete = false; // every value was read: rebuild the bookmark menus
};

// Reads the values back when ExtraInfo is set and the name is not empty, the window's
// four only when asked (single-document mode, or fewer than two tabs). Reading stops at
// the first value that is missing or not a decimal number; then the selection becomes
// empty, bookmarks read so far stay, and the window values change only when all four
// were read.
FileInfoLoad loadFileInfo(const SettingsStore& store, const Settings& settings, const QString& fileName,
                          bool readWindow, FileInfo& info, PathStyle style = nativePathStyle());

// Deletes the information of a file, or of every file below a directory, or of all
// files when the path is empty.
void clearFileInfo(SettingsStore& store, const QString& path = QString(),
                   PathStyle style = nativePathStyle());

} // namespace varnik

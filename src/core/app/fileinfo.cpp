#include "core/app/fileinfo.h"

#include "core/app/settingvalues.h"

#include <optional>

namespace varnik {

namespace {

QString bookmarkName(const char* prefix, int index)
{
    return QLatin1String(prefix) + QString::number(index + 1);
}

std::optional<qint32> readInt32(const SettingsStore& store, const SettingsKey& key, const QString& name)
{
    const std::optional<QString> text = store.readValue(key, name);
    return text ? parseNumber<qint32>(*text) : std::nullopt;
}

} // namespace

PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Unix;
#endif
}

SettingsKey fileInfoKey(const QString& fileName, PathStyle style)
{
    const QString path = style == PathStyle::Windows ? QString(fileName).replace(u'/', u'\\') : fileName;
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    const QStringList levels = path.split(separator, Qt::SkipEmptyParts);
    if (levels.isEmpty())
        return SettingsKey();
    SettingsKey key = filesKey();
    for (const QString& level : levels)
        key = key / level;
    return key;
}

void storeFileInfo(SettingsStore& store, const Settings& settings, const QString& fileName,
                   const FileInfo& info, PathStyle style)
{
    if (!settings.extraInfo)
        return;
    const SettingsKey key = fileInfoKey(fileName, style);
    if (key.isEmpty())
        return;
    const auto write = [&](const QString& name, qint32 value) {
        store.writeValue(key, name, QString::number(value));
    };
    write(QStringLiteral("Left"), info.left);
    write(QStringLiteral("Top"), info.top);
    write(QStringLiteral("Width"), info.width);
    write(QStringLiteral("Height"), info.height);
    write(QStringLiteral("Start"), info.selStart);
    write(QStringLiteral("Len"), info.selLength);
    for (int i = 0; i < FileInfo::kBookmarks; ++i) {
        write(bookmarkName("bmarkY", i), info.bookmarks[i].line);
        write(bookmarkName("bmarkX", i), info.bookmarks[i].column);
    }
    store.flush();
}

FileInfoLoad loadFileInfo(const SettingsStore& store, const Settings& settings, const QString& fileName,
                          bool readWindow, FileInfo& info, PathStyle style)
{
    FileInfoLoad result;
    if (!settings.extraInfo)
        return result;
    const SettingsKey key = fileInfoKey(fileName, style);
    if (key.isEmpty())
        return result;
    const auto read = [&](const char* name) { return readInt32(store, key, QLatin1String(name)); };
    const auto fail = [&] {
        info.selStart = 0;
        info.selLength = 0;
        return result;
    };

    if (readWindow) {
        std::optional<qint32> left, top, width, height;
        if (!(left = read("Left")) || !(top = read("Top")) || !(width = read("Width")) ||
            !(height = read("Height")))
            return fail();
        info.left = *left;
        info.top = *top;
        info.width = *width;
        info.height = *height;
        result.window = true;
    }
    const std::optional<qint32> start = read("Start");
    if (!start)
        return fail();
    const std::optional<qint32> length = read("Len");
    if (!length)
        return fail();
    info.selStart = *start;
    info.selLength = *length;
    for (int i = 0; i < FileInfo::kBookmarks; ++i) {
        const std::optional<qint32> line = readInt32(store, key, bookmarkName("bmarkY", i));
        if (!line)
            return fail();
        const std::optional<qint32> column = readInt32(store, key, bookmarkName("bmarkX", i));
        if (!column)
            return fail();
        info.bookmarks[i] = {*column, *line};
    }
    result.complete = true;
    return result;
}

void clearFileInfo(SettingsStore& store, const QString& path, PathStyle style)
{
    if (path.isEmpty()) {
        store.deleteKey(filesKey());
    } else {
        const SettingsKey key = fileInfoKey(path, style);
        if (key.isEmpty())
            return;
        store.deleteKey(key);
    }
    store.flush();
}

} // namespace varnik

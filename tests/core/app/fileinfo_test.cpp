#include "contract/qtprinters.h"
#include "core/app/fileinfo.h"
#include "core/app/session.h"
#include "spysettingsstore.h"

#include <gtest/gtest.h>

namespace varnik::test {

namespace {

FileInfo sample()
{
    FileInfo info{-8, 20, 800, 600, 1234, 56, {}};
    for (int i = 0; i < FileInfo::kBookmarks; ++i)
        info.bookmarks[i] = {i * 2, i * 10};
    info.bookmarks[4] = {-1, -1};
    return info;
}

SettingsKey key(std::initializer_list<QString> levels)
{
    SettingsKey k = filesKey();
    for (const QString& level : levels)
        k = k / level;
    return k;
}

} // namespace

TEST(FileInfoKey, everyDirectoryLevelIsOneKey)
{
    const struct {
        const char* path;
        PathStyle style;
        SettingsKey expected;
    } rows[] = {
        {"/home/u/a b/c.txt", PathStyle::Unix, key({u"home"_qs, u"u"_qs, u"a b"_qs, u"c.txt"_qs})},
        {"/home/a\\b.txt", PathStyle::Unix, key({u"home"_qs, u"a\\b.txt"_qs})},
        {"//srv//x", PathStyle::Unix, key({u"srv"_qs, u"x"_qs})},
        {"C:\\texts\\a.txt", PathStyle::Windows, key({u"C:"_qs, u"texts"_qs, u"a.txt"_qs})},
        {"C:/texts/a.txt", PathStyle::Windows, key({u"C:"_qs, u"texts"_qs, u"a.txt"_qs})},
        {"\\\\server\\share\\a.txt", PathStyle::Windows, key({u"server"_qs, u"share"_qs, u"a.txt"_qs})},
        {"/", PathStyle::Unix, SettingsKey()},
        {"", PathStyle::Windows, SettingsKey()},
    };
    for (const auto& r : rows)
        EXPECT_EQ(fileInfoKey(QString::fromLatin1(r.path), r.style), r.expected) << r.path;
}

TEST(StoreFileInfo, writes26Values_underTheNestedKey_andReadsThemBack)
{
    SpySettingsStore store;
    storeFileInfo(store, Settings(), u"C:\\texts\\a.txt"_qs, sample(), PathStyle::Windows);
    ASSERT_EQ(store.log.size(), 27);
    EXPECT_EQ(store.log[0], u"write software\\Varnik\\files\\C:\\texts\\a.txt\\Left=-8"_qs);
    EXPECT_EQ(store.log[5], u"write software\\Varnik\\files\\C:\\texts\\a.txt\\Len=56"_qs);
    EXPECT_EQ(store.log[10], u"write software\\Varnik\\files\\C:\\texts\\a.txt\\bmarkY3=20"_qs);
    EXPECT_EQ(store.log[11], u"write software\\Varnik\\files\\C:\\texts\\a.txt\\bmarkX3=4"_qs);
    EXPECT_EQ(store.log[25], u"write software\\Varnik\\files\\C:\\texts\\a.txt\\bmarkX10=18"_qs);
    EXPECT_EQ(store.log[26], u"flush"_qs);

    FileInfo info;
    const FileInfoLoad load =
        loadFileInfo(store, Settings(), u"C:/texts/a.txt"_qs, true, info, PathStyle::Windows);
    EXPECT_TRUE(load.window && load.complete);
    EXPECT_EQ(info, sample());
}

TEST(LoadFileInfo, stopsAtTheFirstBadValue)
{
    const struct {
        const char* behaviour;
        const char* badName; // nullptr: the file was never stored
        const char* badText; // nullptr: the value is missing
        bool window;
        int bookmarksRead;
    } rows[] = {
        {"neverStored", nullptr, nullptr, false, 0},
        {"heightNotANumber", "Height", "600px", false, 0},
        {"startEmpty", "Start", "", true, 0},
        {"lenTooLarge", "Len", "4294967296", true, 0},
        {"thirdBookmarkColumnBad", "bmarkX3", "x", true, 2},
        {"lastBookmarkLineMissing", "bmarkY10", nullptr, true, 9},
    };
    for (const auto& r : rows) {
        MemorySettingsStore store;
        const QString path = u"/d/f.txt"_qs;
        if (r.badName) {
            storeFileInfo(store, Settings(), path, sample(), PathStyle::Unix);
            const QString name = QString::fromLatin1(r.badName);
            if (r.badText)
                store.writeValue(fileInfoKey(path, PathStyle::Unix), name, QString::fromLatin1(r.badText));
            else
                store.deleteValue(fileInfoKey(path, PathStyle::Unix), name);
        }
        FileInfo info;
        info.selStart = 5;
        info.selLength = 6;
        const FileInfoLoad load = loadFileInfo(store, Settings(), path, true, info, PathStyle::Unix);
        EXPECT_FALSE(load.complete) << r.behaviour;
        EXPECT_EQ(load.window, r.window) << r.behaviour;
        EXPECT_EQ(info.selStart + info.selLength, 0) << r.behaviour;
        EXPECT_EQ(info.width, r.window ? 800 : 0) << r.behaviour;
        for (int i = 0; i < FileInfo::kBookmarks; ++i) {
            EXPECT_EQ(info.bookmarks[i], i < r.bookmarksRead ? sample().bookmarks[i] : FileInfo::Bookmark())
                << r.behaviour << " bookmark " << i + 1;
        }
    }
}

TEST(FileInfo, nothingIsStoredOrRead_withoutExtraInfo_orForAnUntitledDocument)
{
    Settings noExtraInfo;
    noExtraInfo.extraInfo = false;
    SpySettingsStore store;
    storeFileInfo(store, noExtraInfo, u"/a.txt"_qs, sample(), PathStyle::Unix);
    storeFileInfo(store, Settings(), QString(), sample(), PathStyle::Unix);
    FileInfo info = sample();
    EXPECT_FALSE(loadFileInfo(store, noExtraInfo, u"/a.txt"_qs, true, info, PathStyle::Unix).complete);
    EXPECT_FALSE(loadFileInfo(store, Settings(), QString(), true, info, PathStyle::Unix).complete);
    EXPECT_EQ(info, sample());
    EXPECT_TRUE(store.log.isEmpty());

    storeFileInfo(store, Settings(), u"/a.txt"_qs, sample(), PathStyle::Unix);
    store.log.clear();
    EXPECT_TRUE(loadFileInfo(store, Settings(), u"/a.txt"_qs, false, info, PathStyle::Unix).complete);
    EXPECT_EQ(store.log.first(), u"read software\\Varnik\\files\\a.txt\\Start"_qs)
        << "window values not read";
}

TEST(ClearFileInfo, removesAFile_aDirectory_orEverything)
{
    const char* paths[] = {"/home/u/a.txt", "/home/u/sub/b.txt", "/home/v/c.txt"};
    const struct {
        const char* path;
        bool kept[3];
    } rows[] = {
        {"/home/u/a.txt", {false, true, true}},
        {"/home/u", {false, false, true}},
        {"/nowhere", {true, true, true}},
        {"", {false, false, false}},
    };
    for (const auto& r : rows) {
        MemorySettingsStore store;
        for (const char* path : paths)
            storeFileInfo(store, Settings(), QString::fromLatin1(path), sample(), PathStyle::Unix);
        writeSession(store, defaultSessionName(), {u"/x"_qs});
        clearFileInfo(store, QString::fromLatin1(r.path), PathStyle::Unix);
        for (int i = 0; i < 3; ++i) {
            const SettingsKey k = fileInfoKey(QString::fromLatin1(paths[i]), PathStyle::Unix);
            EXPECT_EQ(!store.valueNames(k).isEmpty(), r.kept[i]) << r.path << " " << paths[i];
        }
        EXPECT_EQ(readSession(store, defaultSessionName()), QStringList{u"/x"_qs});
    }
}

TEST(Session, writeReplacesThePreviousTabs)
{
    SpySettingsStore store;
    writeSession(store, defaultSessionName(), {u"/a.txt"_qs, QString(), u"/b.txt"_qs});
    store.log.clear();
    writeSession(store, defaultSessionName(), {u"/c.txt"_qs, QString()});
    EXPECT_EQ(store.log, (QStringList{u"deleteKey software\\Varnik\\sessions\\default"_qs,
                                      u"write software\\Varnik\\sessions\\default\\f0=/c.txt"_qs,
                                      u"write software\\Varnik\\sessions\\default\\f1="_qs, u"flush"_qs}));
    EXPECT_EQ(readSession(store, defaultSessionName()), (QStringList{u"/c.txt"_qs, QString()}));
    deleteSession(store, defaultSessionName());
    EXPECT_TRUE(store.subkeys(sessionsKey()).isEmpty());
}

} // namespace varnik::test

#include "core/app/recentfiles.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

QStringList numbered(int n)
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << QStringLiteral("f%1").arg(i);
    return out;
}

TEST(RecentFiles, addMovesOrInsertsAtSlotOne)
{
    struct Row {
        const char* name;
        QStringList before;
        QString added;
        int lastUsedCnt;
        Qt::CaseSensitivity cs;
        QStringList after; // the first slots; the rest must be as before
    };
    const Row rows[] = {
        {"slotFourMovesUp",
         numbered(12),
         u"f4"_qs,
         10,
         Qt::CaseSensitive,
         {u"f4"_qs, u"f1"_qs, u"f2"_qs, u"f3"_qs, u"f5"_qs, u"f6"_qs}},
        {"newNamePushesOthersDown",
         numbered(12),
         u"new"_qs,
         10,
         Qt::CaseSensitive,
         {u"new"_qs, u"f1"_qs, u"f2"_qs, u"f3"_qs, u"f4"_qs, u"f5"_qs, u"f6"_qs, u"f7"_qs, u"f8"_qs, u"f9"_qs,
          u"f11"_qs, u"f12"_qs}},
        {"beyondTheCountIsNotLookedUp",
         numbered(12),
         u"f11"_qs,
         10,
         Qt::CaseSensitive,
         {u"f11"_qs, u"f1"_qs, u"f2"_qs, u"f3"_qs, u"f4"_qs, u"f5"_qs, u"f6"_qs, u"f7"_qs, u"f8"_qs, u"f9"_qs,
          u"f11"_qs, u"f12"_qs}},
        {"alreadyFirst", numbered(3), u"f1"_qs, 10, Qt::CaseSensitive, {u"f1"_qs, u"f2"_qs, u"f3"_qs}},
        {"countZeroOnlyOverwritesSlotOne",
         numbered(3),
         u"f3"_qs,
         0,
         Qt::CaseSensitive,
         {u"f3"_qs, u"f2"_qs, u"f3"_qs}},
        {"countOne", numbered(3), u"x"_qs, 1, Qt::CaseSensitive, {u"x"_qs, u"f2"_qs, u"f3"_qs}},
        {"countThirtyUsesAllTwenty", numbered(20), u"x"_qs, 30, Qt::CaseSensitive,
         QStringList{u"x"_qs} + numbered(19)},
        {"lastOfDuplicateMatchesMoves",
         {u"a"_qs, u"b"_qs, u"a"_qs, u"c"_qs},
         u"a"_qs,
         10,
         Qt::CaseSensitive,
         {u"a"_qs, u"a"_qs, u"b"_qs, u"c"_qs}},
        {"caseBlindWhereTheFileSystemIs",
         {u"C:/A.TXT"_qs, u"b"_qs},
         u"c:/a.txt"_qs,
         10,
         Qt::CaseInsensitive,
         {u"c:/a.txt"_qs, u"b"_qs}},
        {"caseMattersWhereTheFileSystemSaysSo",
         {u"/A.TXT"_qs, u"b"_qs},
         u"/a.txt"_qs,
         10,
         Qt::CaseSensitive,
         {u"/a.txt"_qs, u"/A.TXT"_qs, u"b"_qs}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RecentFiles recent(r.before);
        recent.add(r.added, r.lastUsedCnt, r.cs);
        QStringList expected = r.after;
        QStringList padded = r.before;
        padded.resize(RecentFiles::kSlots);
        for (qsizetype i = expected.size(); i < RecentFiles::kSlots; ++i)
            expected << padded[i];
        EXPECT_EQ(recent.entries(), expected);
    }
}

TEST(RecentFiles, menusListTheFilledSlotsInUse)
{
    const auto shortName = [](const QString& n) { return n.toUpper() + u' '; };
    struct Row {
        const char* name;
        QStringList entries;
        int lastUsedCnt;
        bool tray;
        std::vector<std::tuple<int, QString, QString, bool>> items;
    };
    const Row rows[] = {
        {"main",
         {u"a"_qs, QString(), u"c"_qs},
         10,
         false,
         {{1, u"MainLastFileMenuItem1"_qs, u"&A. A "_qs, true},
          {3, u"MainLastFileMenuItem3"_qs, u"&C. C "_qs, true}}},
        {"tray", {u"a"_qs}, 10, true, {{1, u"TrayLastFileMenuItem1"_qs, u"A. A "_qs, true}}},
        {"countLimitsTheItems",
         {u"a"_qs, u"b"_qs},
         1,
         false,
         {{1, u"MainLastFileMenuItem1"_qs, u"&A. A "_qs, true}}},
        {"countZeroShowsNone",
         {u"a"_qs},
         0,
         false,
         {{0, u"MainLastFileMenuItemNone"_qs, u"{none}"_qs, false}}},
        {"emptyTrayShowsNone", {}, 10, true, {{0, u"TrayLastFileMenuItemNone"_qs, u"{none}"_qs, false}}},
        {"slotTwentyIsLetterT",
         QStringList(19, QString()) << u"z"_qs,
         20,
         false,
         {{20, u"MainLastFileMenuItem20"_qs, u"&T. Z "_qs, true}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto items = RecentFiles(r.entries).menuItems(r.lastUsedCnt, r.tray, shortName);
        ASSERT_EQ(items.size(), r.items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].slot, std::get<0>(r.items[i]));
            EXPECT_EQ(items[i].objectName, std::get<1>(r.items[i]));
            EXPECT_EQ(items[i].caption, std::get<2>(r.items[i]));
            EXPECT_EQ(items[i].enabled, std::get<3>(r.items[i]));
        }
    }
}

TEST(RecentFiles, itemNameSelectsTheSlot)
{
    struct Row {
        const char* item;
        int slot;
    };
    const Row rows[] = {{"MainLastFileMenuItem1", 1},    {"TrayLastFileMenuItem20", 20},
                        {"MainLastFileMenuItem21", 0},   {"MainLastFileMenuItem0", 0},
                        {"MainLastFileMenuItemNone", 0}, {"MainLastFileMenuItem", 0},
                        {"TrayLastFileMenuItem-3", 0},   {"x", 0}};
    for (const Row& r : rows)
        EXPECT_EQ(RecentFiles::slotFromItemName(QString::fromLatin1(r.item)), r.slot) << r.item;
}

TEST(RecentFiles, storedUnderLastFileNames)
{
    EXPECT_EQ(RecentFiles::valueName(1), u"LastFile1"_qs);
    EXPECT_EQ(RecentFiles::valueName(20), u"LastFile20"_qs);
    EXPECT_EQ(RecentFiles({u"a"_qs}).entries().size(), RecentFiles::kSlots);
    EXPECT_EQ(RecentFiles(numbered(25)).entries(), numbered(20));
}

} // namespace
} // namespace varnik

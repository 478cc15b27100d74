#include "contract/qtprinters.h"
#include "core/app/recentfiles.h"
#include "spysettingsstore.h"

#include <gtest/gtest.h>

namespace varnik::test {

namespace {

// Slots as letters: "A.C" is A in slot 1, slot 2 empty, C in slot 3, the rest empty.
RecentFiles make(const char* letters)
{
    RecentFiles files;
    for (int i = 0; letters[i]; ++i)
        files[i] = letters[i] == '.' ? QString() : QString(QLatin1Char(letters[i]));
    return files;
}

QString show(const RecentFiles& files)
{
    QString text;
    for (const QString& f : files)
        text += f.isEmpty() ? u"."_qs : f;
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

TEST(AddRecentFile, movesOrInsertsAtSlotOne)
{
    const auto S = Qt::CaseSensitive;
    const struct {
        const char* behaviour;
        const char* before;
        const char* name;
        int lastUsedCnt;
        Qt::CaseSensitivity cs;
        const char* after;
    } rows[] = {
        {"matchAtFour_shiftsOneToThree", "ABCDEFGHIJKLMNOPQRST", "D", 10, S, "DABCEFGHIJKLMNOPQRST"},
        {"new_dropsTheLastSlotInUse", "ABCDEFGHIJKLMNOPQRST", "x", 10, S, "xABCDEFGHIKLMNOPQRST"},
        {"matchPastTheSlotsInUse_isNew", "ABCDEFGHIJKLMNOPQRST", "L", 10, S, "LABCDEFGHIKLMNOPQRST"},
        {"zeroInUse_onlyReplacesSlotOne", "ABCDEFGHIJKLMNOPQRST", "B", 0, S, "BBCDEFGHIJKLMNOPQRST"},
        {"thirtyInUse_actsAsTwenty", "ABCDEFGHIJKLMNOPQRST", "x", 30, S, "xABCDEFGHIJKLMNOPQRS"},
        {"thirtyInUse_matchAtTwenty", "ABCDEFGHIJKLMNOPQRST", "T", 30, S, "TABCDEFGHIJKLMNOPQRS"},
        {"duplicates_lastMatchMoves", "AbAc", "A", 10, S, "AAbc"},
        {"otherCase_isAnotherFile", "abc", "B", 10, S, "Babc"},
        {"otherCase_isTheSameFile", "abc", "B", 10, Qt::CaseInsensitive, "Bac"},
        {"gapsShiftToo", "a.b", "x", 10, S, "xa.b"},
    };
    for (const auto& r : rows) {
        RecentFiles files = make(r.before);
        addRecentFile(files, QString::fromLatin1(r.name), r.lastUsedCnt, r.cs);
        EXPECT_EQ(show(files), QString::fromLatin1(r.after)) << r.behaviour;
    }
}

TEST(RecentMenuSlots, listsTheFilledSlotsInUse)
{
    EXPECT_EQ(recentMenuSlots(make("ABC"), 0), QList<int>());
    EXPECT_EQ(recentMenuSlots(make("A.CD"), 3), (QList<int>{1, 3}));
    EXPECT_EQ(recentMenuSlots(make("ABCDEFGHIJKLMNOPQRST"), 30).size(), 20);
}

TEST(WriteRecentFiles, writesAllTwentySlots)
{
    SpySettingsStore store;
    writeRecentFiles(store, make("AB"));
    ASSERT_EQ(store.log.size(), 21);
    EXPECT_EQ(store.log[1], u"write LastFile2=B"_qs);
    EXPECT_EQ(store.log[19], u"write LastFile20="_qs);
}

} // namespace varnik::test

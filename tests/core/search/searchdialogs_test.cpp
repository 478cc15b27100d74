#include "core/search/searchdialogs.h"
#include "core/search/searchstate.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(PrefillSearchText, trimsAndEmptiesPhrases)
{
    struct Row {
        const char* name;
        QString candidate;
        QString expected;
    };
    const Row rows[] = {
        {"single word stays", QStringLiteral("word"), QStringLiteral("word")},
        {"surrounding blanks go", QStringLiteral("  word "), QStringLiteral("word")},
        {"surrounding tabs and breaks go", QStringLiteral("\t\r\nword\r\n"), QStringLiteral("word")},
        {"two words empty the field", QStringLiteral("two words"), QString()},
        {"inner tab stays", QStringLiteral("a\tb"), QStringLiteral("a\tb")},
        {"several lines empty the field", QStringLiteral("one\r\ntwo"), QString()},
        {"lone LF empties the field", QStringLiteral("one\ntwo"), QString()},
        {"only blanks give nothing", QStringLiteral("   "), QString()},
        {"empty stays empty", QString(), QString()},
        {"non-breaking space is not a blank", QStringLiteral("a\u00a0b"), QStringLiteral("a\u00a0b")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(prefillSearchText(r.candidate), r.expected) << r.name;
}

TEST(SearchHistory, appendsNewNonEmptyTextsOnce)
{
    QStringList history;
    for (const char* text : {"b", "a", "", "b", "B", "a "})
        addToHistory(history, QString::fromLatin1(text));
    EXPECT_EQ(history, (QStringList{"b", "a", "B", "a "}));
}

TEST(SearchDialogOptions, bitsMatchTheStoredByte)
{
    struct Row {
        SearchDialogOptions::Bit bit;
        quint8 value;
    };
    const Row rows[] = {
        {SearchDialogOptions::Down, 1},        {SearchDialogOptions::MatchCase, 2},
        {SearchDialogOptions::WholeWords, 4},  {SearchDialogOptions::SelectionScope, 8},
        {SearchDialogOptions::FromCursor, 16}, {SearchDialogOptions::ReplaceAll, 128},
    };
    for (const Row& r : rows) {
        SearchDialogOptions o(0xFF);
        o.set(r.bit, false);
        EXPECT_EQ(o.bits(), quint8(0xFF & ~r.value));
        SearchDialogOptions p;
        p.set(r.bit, true);
        EXPECT_EQ(p.bits(), r.value);
        EXPECT_TRUE(p.test(r.bit));
    }
    SearchDialogOptions o(2 | 4 | 8 | 16);
    EXPECT_TRUE(o.matchCase() && o.wholeWords() && o.selectionScope() && o.fromCursor());
    EXPECT_EQ(SearchDialogOptions().bits(), 0);
}

TEST(SearchState, documentOptionsByteIsWholeWordThenMatchCase)
{
    EXPECT_EQ(SearchState::encodeOptions(false, false), 0);
    EXPECT_EQ(SearchState::encodeOptions(false, true), 1);
    EXPECT_EQ(SearchState::encodeOptions(true, false), 2);
    EXPECT_EQ(SearchState::encodeOptions(SearchDialogOptions(2 | 4 | 8)), 3);
    SearchState s;
    s.options = 2;
    EXPECT_TRUE(s.findOptions().matchCase);
    EXPECT_FALSE(s.findOptions().wholeWord);
}

TEST(FindDialogControls, grepDisablesWholeWordsScopeAndOrigin)
{
    const FindDialogControls off = findDialogControls(false);
    EXPECT_TRUE(off.wholeWords && off.scope && off.origin);
    const FindDialogControls on = findDialogControls(true);
    EXPECT_FALSE(on.wholeWords || on.scope || on.origin);
    EXPECT_FALSE(off.direction || on.direction);
}

} // namespace
} // namespace varnik

#include "core/search/findcommands.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnik {
namespace {

using test::RecordingSink;
using test::Sel;
using test::selectionOf;

constexpr quint8 Selection = SearchDialogOptions::SelectionScope;
constexpr quint8 Cursor = SearchDialogOptions::FromCursor;
constexpr quint8 Case = SearchDialogOptions::MatchCase;
constexpr quint8 Words = SearchDialogOptions::WholeWords;
constexpr quint8 Down = SearchDialogOptions::Down;

// 'D': the Find window shown and "Find &next" pressed; 'F': F3.
// `expected` is the selection afterwards, or {-1, -1} for "not found".
struct Step {
    char action;
    Sel expected;
};

struct Scenario {
    const char* name;
    QString text;
    Sel selection;
    QString what;
    quint8 options;
    std::vector<Step> steps;
};

constexpr Sel NotFound{-1, -1};

void run(const Scenario& s)
{
    PlainTextBuffer edit(s.text);
    edit.setSelection(s.selection.start, s.selection.length);
    DocumentSearch doc;
    FindDialogState dialog;
    dialog.text = s.what;
    dialog.options = SearchDialogOptions(s.options);
    GrepResult grep;
    int i = 0;
    for (const Step& step : s.steps) {
        RecordingSink sink;
        const Sel before = selectionOf(edit);
        FindOutcome outcome;
        if (step.action == 'D') {
            findDialogShown(dialog);
            outcome = findDialogFindNext(edit, doc, dialog, grep, true, sink);
        } else {
            outcome = findNext(edit, doc, dialog, grep, true, sink);
        }
        if (step.expected == NotFound) {
            EXPECT_EQ(outcome, FindOutcome::NotFound) << s.name << " step " << i;
            EXPECT_EQ(sink.texts(), QStringList{"Searched string not found."}) << s.name << " step " << i;
            EXPECT_EQ(selectionOf(edit), before) << s.name << " step " << i;
        } else {
            EXPECT_EQ(outcome, FindOutcome::Found) << s.name << " step " << i;
            EXPECT_TRUE(sink.shown.empty()) << s.name << " step " << i;
            EXPECT_EQ(selectionOf(edit), step.expected) << s.name << " step " << i;
        }
        ++i;
    }
}

TEST(Find, originScopeAndContinuing)
{
    const QString ab3 = QStringLiteral("ab ab ab");
    const Scenario scenarios[] = {
        {"begin of text restarts at the top, F3 continues after the match",
         ab3,
         {5, 0},
         "ab",
         0,
         {{'D', {0, 2}}, {'D', {0, 2}}, {'F', {3, 2}}, {'F', {6, 2}}, {'F', NotFound}, {'F', NotFound}}},
        {"from cursor starts at the selection start",
         ab3,
         {1, 0},
         "ab",
         Cursor,
         {{'D', {3, 2}}, {'D', {3, 2}}, {'F', {6, 2}}, {'F', NotFound}}},
        {"from cursor includes a selected match", ab3, {3, 2}, "ab", Cursor, {{'D', {3, 2}}, {'F', {6, 2}}}},
        {"F3 after the Find window continues after the selection",
         ab3,
         {0, 4},
         "ab",
         0,
         {{'F', {6, 2}}, {'F', NotFound}}},
        {"selection scope: range fixed by the first search, F3 stays inside and starts over",
         QStringLiteral("ab ab ab ab"),
         {3, 5},
         "ab",
         Selection,
         {{'D', {3, 2}}, {'F', {6, 2}}, {'F', NotFound}, {'F', {3, 2}}}},
        {"selection scope: a match reaching past the range is not found",
         QStringLiteral("abab"),
         {1, 2},
         "ab",
         Selection,
         {{'D', NotFound}}},
        {"selection scope with nothing selected finds nothing",
         ab3,
         {3, 0},
         "ab",
         Selection,
         {{'D', NotFound}}},
        {"a repeated Find next in selection scope searches only the last match",
         ab3,
         {0, 8},
         "ab",
         Selection,
         {{'D', {0, 2}}, {'D', {0, 2}}}},
        {"match case", QStringLiteral("Ab ab"), {0, 0}, "ab", Case, {{'D', {3, 2}}}},
        {"case ignored", QStringLiteral("Ab ab"), {0, 0}, "aB", 0, {{'D', {0, 2}}, {'F', {3, 2}}}},
        {"whole words only",
         QStringLiteral("abc xab ab"),
         {0, 0},
         "ab",
         Words,
         {{'D', {8, 2}}, {'F', NotFound}}},
        {"direction makes no difference: up", ab3, {4, 0}, "ab", Cursor, {{'D', {6, 2}}}},
        {"direction makes no difference: down", ab3, {4, 0}, "ab", Cursor | Down, {{'D', {6, 2}}}},
        {"text longer than the document", QStringLiteral("ab"), {0, 0}, "abc", 0, {{'D', NotFound}}},
        {"empty document", QString(), {0, 0}, "a", 0, {{'D', NotFound}, {'F', NotFound}}},
        {"a line break counts once",
         QStringLiteral("a\nb a\r\nb"),
         {0, 0},
         "a\r\nb",
         0,
         {{'D', {0, 3}}, {'F', {4, 3}}, {'F', NotFound}}},
        {"match at the very end", QStringLiteral("xxab"), {0, 0}, "ab", 0, {{'D', {2, 2}}}},
        {"F3 in a document never searched sets up its range", ab3, {4, 0}, "ab", 0, {{'F', {6, 2}}}},
        {"F3 in a document never searched, selection scope",
         ab3,
         {2, 5},
         "ab",
         Selection,
         {{'F', {3, 2}}, {'F', NotFound}}},
        {"not found starts over at the range start",
         ab3,
         {0, 0},
         "ab",
         Selection,
         {{'D', NotFound}, {'F', NotFound}}},
    };
    for (const Scenario& s : scenarios)
        run(s);
}

TEST(Find, emptyTextOpensTheWindowOnF3AndIsNotFoundFromTheWindow)
{
    PlainTextBuffer edit(QStringLiteral("abc"));
    DocumentSearch doc;
    FindDialogState dialog;
    GrepResult grep;
    RecordingSink sink;
    EXPECT_EQ(findNext(edit, doc, dialog, grep, true, sink), FindOutcome::ShowFindDialog);
    EXPECT_TRUE(sink.shown.empty());
    findDialogShown(dialog);
    EXPECT_EQ(findDialogFindNext(edit, doc, dialog, grep, true, sink), FindOutcome::NotFound);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, QStringLiteral("Searched string not found."));
    EXPECT_EQ(sink.shown[0].buttons, Buttons::OK);
    EXPECT_TRUE(dialog.history.isEmpty());
}

TEST(Find, f3FindsTextAddedAfterTheLastSearch)
{
    PlainTextBuffer edit(QStringLiteral("ab"));
    DocumentSearch doc;
    FindDialogState dialog;
    dialog.text = QStringLiteral("ab");
    GrepResult grep;
    RecordingSink sink;
    findDialogShown(dialog);
    ASSERT_EQ(findDialogFindNext(edit, doc, dialog, grep, true, sink), FindOutcome::Found);
    edit.setCaret(2);
    edit.replaceSelection(QStringLiteral(" ab"));
    edit.setSelection(0, 2);
    EXPECT_EQ(findNext(edit, doc, dialog, grep, true, sink), FindOutcome::Found);
    EXPECT_EQ(selectionOf(edit), (Sel{3, 2}));
}

TEST(Find, flagsHistoryAndLastSearchText)
{
    PlainTextBuffer edit(QStringLiteral("ab ab"));
    DocumentSearch doc;
    FindDialogState dialog;
    GrepResult grep;
    RecordingSink sink;
    dialog.text = QStringLiteral("ab");
    findDialogShown(dialog);
    EXPECT_TRUE(dialog.newSearch);
    findDialogFindNext(edit, doc, dialog, grep, true, sink);
    EXPECT_TRUE(dialog.newSearch) << "only F3 clears it";
    EXPECT_EQ(dialog.history, QStringList{"ab"});
    findNext(edit, doc, dialog, grep, true, sink);
    EXPECT_FALSE(dialog.newSearch);
    EXPECT_EQ(dialog.history, QStringList{"ab"}) << "F3 is no button";
    findDialogClosed(doc, dialog);
    EXPECT_EQ(doc.lastSearchText, QStringLiteral("ab"));
    EXPECT_EQ(doc.find.options, SearchState::encodeOptions(false, false));
}

TEST(Find, openingPrefillsFromSelectionOrLastSearch)
{
    struct Row {
        const char* name;
        Sel selection;
        QString lastSearch;
        QString expected;
    };
    // Document: "one two  three"
    const Row rows[] = {
        {"a selected word", {0, 3}, "last", "one"},
        {"a word with the blanks around it", {3, 5}, "last", "two"},
        {"two selected words empty the field", {0, 7}, "last", ""},
        {"nothing selected: the last search text", {2, 0}, "last", "last"},
        {"nothing selected, last search was a phrase", {2, 0}, "a b", ""},
        {"nothing selected, nothing searched: the field keeps its text", {2, 0}, "", "previous"},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(QStringLiteral("one two  three"));
        edit.setSelection(r.selection.start, r.selection.length);
        DocumentSearch doc;
        doc.lastSearchText = r.lastSearch;
        FindDialogState dialog;
        dialog.text = QStringLiteral("previous");
        openFindDialog(edit, doc, dialog);
        EXPECT_EQ(dialog.text, r.expected) << r.name;
    }
}

TEST(Find, grepModeFillsTheResultListFromTheWindowAndF3)
{
    PlainTextBuffer edit(QStringLiteral("xab\nAB\ncd"));
    DocumentSearch doc;
    FindDialogState dialog;
    dialog.text = QStringLiteral("ab");
    dialog.grep = true;
    dialog.options = SearchDialogOptions(Words | Selection);
    GrepResult grep;
    RecordingSink sink;
    findDialogShown(dialog);
    EXPECT_EQ(findDialogFindNext(edit, doc, dialog, grep, true, sink), FindOutcome::Grepped);
    ASSERT_EQ(grep.size(), 2);
    EXPECT_EQ(grep.entry(0), QStringLiteral("Line 1:xab"));
    EXPECT_EQ(grep.entry(1), QStringLiteral("Line 2:AB"));
    EXPECT_EQ(selectionOf(edit), (Sel{0, 0})) << "grep selects nothing";
    dialog.options.set(SearchDialogOptions::MatchCase, true);
    EXPECT_EQ(findNext(edit, doc, dialog, grep, false, sink), FindOutcome::Grepped);
    ASSERT_EQ(grep.size(), 1);
    EXPECT_EQ(grep.entry(0), QStringLiteral("xab"));
    dialog.text.clear();
    EXPECT_EQ(findNext(edit, doc, dialog, grep, false, sink), FindOutcome::ShowFindDialog);
    EXPECT_TRUE(sink.shown.empty());
}

TEST(Find, eachDocumentKeepsItsOwnRange)
{
    PlainTextBuffer first(QStringLiteral("ab ab ab"));
    PlainTextBuffer second(QStringLiteral("xx ab"));
    DocumentSearch doc1, doc2;
    FindDialogState dialog;
    dialog.text = QStringLiteral("ab");
    GrepResult grep;
    RecordingSink sink;
    findDialogShown(dialog);
    findDialogFindNext(first, doc1, dialog, grep, true, sink);
    findNext(first, doc1, dialog, grep, true, sink);
    EXPECT_EQ(selectionOf(first), (Sel{3, 2}));
    EXPECT_EQ(findNext(second, doc2, dialog, grep, true, sink), FindOutcome::Found);
    EXPECT_EQ(selectionOf(second), (Sel{3, 2}));
    EXPECT_EQ(findNext(first, doc1, dialog, grep, true, sink), FindOutcome::Found);
    EXPECT_EQ(selectionOf(first), (Sel{6, 2}));
}

} // namespace
} // namespace varnik

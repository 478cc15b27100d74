#include "core/search/replacecommands.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace varnik {
namespace {

using test::CountingEdit;
using test::RecordingSink;
using test::Sel;
using test::selectionOf;

constexpr quint8 Selection = SearchDialogOptions::SelectionScope;
constexpr quint8 Cursor = SearchDialogOptions::FromCursor;
constexpr quint8 Case = SearchDialogOptions::MatchCase;
constexpr quint8 Words = SearchDialogOptions::WholeWords;

const QString Question = QStringLiteral("Replace all occurences?");
const QString NotFound = QStringLiteral("Searched string not found.");
QString replaced(int n)
{
    return QStringLiteral("Replaced %1 occurences of text.").arg(n);
}

// 'N': "Find &next", 'R': "&Replace", 'A': "Replace &all" (answered Yes), 'a': answered No.
struct Step {
    char action;
    QString text; // the document afterwards (with LF breaks)
    Sel selection;
    QStringList messages;
};

struct Scenario {
    const char* name;
    QString text;
    Sel selection;
    QString what;
    QString replacement;
    quint8 options;
    std::vector<Step> steps;
};

void run(const Scenario& s)
{
    PlainTextBuffer edit(s.text);
    edit.setSelection(s.selection.start, s.selection.length);
    DocumentSearch doc;
    ReplaceDialogState dialog;
    openReplaceDialog(edit, doc, dialog);
    dialog.text = s.what;
    dialog.replaceText = s.replacement;
    dialog.options = SearchDialogOptions(s.options);
    int i = 0;
    for (const Step& step : s.steps) {
        RecordingSink sink;
        switch (step.action) {
        case 'N':
            replaceDialogFindNext(edit, doc, dialog);
            break;
        case 'R':
            replaceDialogReplace(edit, doc, dialog, sink);
            break;
        default:
            sink.answer = step.action == 'A' ? Result::Yes : Result::No;
            replaceDialogReplaceAll(edit, doc, dialog, sink);
        }
        EXPECT_EQ(edit.rawText(), step.text) << s.name << " step " << i;
        EXPECT_EQ(selectionOf(edit), step.selection) << s.name << " step " << i;
        EXPECT_EQ(sink.texts(), step.messages) << s.name << " step " << i;
        ++i;
    }
}

TEST(Replace, replaceAndReplaceAll)
{
    const Scenario scenarios[] = {
        {"all of a by b in aaa from the selected first match",
         "aaa",
         {0, 1},
         "a",
         "b",
         0,
         {{'A', "bbb", {3, 0}, {Question, replaced(3)}}}},
        {"all with nothing selected only selects the next occurrence",
         "xaa",
         {0, 0},
         "a",
         "b",
         0,
         {{'A', "xaa", {1, 1}, {}}, {'A', "xbb", {3, 0}, {Question, replaced(2)}}}},
        {"the range end stays put as the text grows: the last a stays",
         "aaa",
         {0, 1},
         "a",
         "bb",
         0,
         {{'A', "bbbba", {4, 0}, {Question, replaced(2)}}}},
        {"answering No replaces nothing", "aaa", {0, 1}, "a", "b", 0, {{'a', "aaa", {0, 1}, {Question}}}},
        {"all, nothing to find", "xyz", {0, 1}, "a", "b", 0, {{'A', "xyz", {0, 1}, {Question, NotFound}}}},
        {"all, nothing selected, nothing to find",
         "xyz",
         {1, 0},
         "a",
         "b",
         0,
         {{'A', "xyz", {1, 0}, {NotFound}}}},
        {"replace alternates between selecting and replacing",
         "a a a",
         {0, 0},
         "a",
         "b",
         0,
         {{'R', "a a a", {0, 1}, {}},
          {'R', "b a a", {1, 0}, {}},
          {'R', "b a a", {2, 1}, {}},
          {'R', "b b a", {3, 0}, {}},
          {'R', "b b a", {4, 1}, {}},
          {'R', "b b b", {5, 0}, {}},
          {'R', "b b b", {5, 0}, {NotFound}}}},
        {"find next then replace replaces the match shown",
         "a a",
         {0, 0},
         "a",
         "bb",
         0,
         {{'N', "a a", {0, 1}, {}}, {'N', "a a", {2, 1}, {}}, {'R', "a bb", {4, 0}, {}}}},
        {"find next then replace all includes the match shown",
         "aaa",
         {0, 0},
         "a",
         "b",
         0,
         {{'N', "aaa", {0, 1}, {}}, {'A', "bbb", {3, 0}, {Question, replaced(3)}}}},
        {"find next finding nothing says nothing", "xyz", {0, 0}, "a", "b", 0, {{'N', "xyz", {0, 0}, {}}}},
        {"a selection that is no match: the next occurrence is replaced",
         "a a a",
         {2, 1},
         "a",
         "b",
         Cursor,
         {{'R', "a b a", {3, 0}, {}}}},
        {"other selected text with begin of text: the first occurrence is replaced",
         "a xa a",
         {2, 2},
         "a",
         "b",
         0,
         {{'R', "b xa a", {1, 0}, {}}}},
        {"selection scope replaces inside the selection only",
         "aa aa aa",
         {3, 2},
         "a",
         "b",
         Selection,
         {{'A', "aa bb aa", {5, 0}, {Question, replaced(2)}}}},
        {"selection scope: a shorter replacement does not reach past the selection",
         "aaaa aaaa",
         {0, 4},
         "aa",
         "",
         Selection,
         {{'A', " aaaa", {0, 0}, {Question, replaced(2)}}}},
        {"selection scope: the end stays put as the text grows",
         "aaa x",
         {0, 3},
         "a",
         "bb",
         Selection,
         {{'A', "bbbba x", {4, 0}, {Question, replaced(2)}}}},
        {"selection scope: the search goes on after a longer replacement",
         "a a",
         {0, 3},
         "a",
         "ba",
         Selection,
         {{'A', "ba a", {2, 0}, {Question, replaced(1)}}}},
        {"selection scope: the search goes on after a shorter replacement",
         "aabaab",
         {0, 6},
         "aab",
         "a",
         Selection,
         {{'A', "aa", {2, 0}, {Question, replaced(2)}}}},
        {"selection scope, one by one",
         "a a a",
         {0, 5},
         "a",
         "b",
         Selection,
         {{'R', "b a a", {1, 0}, {}},
          {'R', "b a a", {2, 1}, {}},
          {'R', "b b a", {3, 0}, {}},
          {'R', "b b a", {4, 1}, {}},
          {'R', "b b b", {5, 0}, {}},
          {'R', "b b b", {5, 0}, {NotFound}}}},
        {"whole words are judged in the new text",
         "--",
         {0, 1},
         "-",
         "a",
         Words,
         {{'A', "a-", {1, 0}, {Question, replaced(1)}}}},
        {"whole words",
         "ab abc ab",
         {0, 2},
         "ab",
         "X",
         Words,
         {{'A', "X abc X", {7, 0}, {Question, replaced(2)}}}},
        {"case ignored", "aAa", {0, 1}, "A", "b", 0, {{'A', "bbb", {3, 0}, {Question, replaced(3)}}}},
        {"match case", "aAa", {0, 1}, "A", "b", Case, {{'A', "aba", {2, 0}, {Question, replaced(1)}}}},
        {"a line break as the replacement",
         "a a",
         {0, 1},
         "a",
         "\r\n",
         0,
         {{'A', "\n \n", {3, 0}, {Question, replaced(2)}}}},
        {"line breaks in a longer replacement",
         "a a",
         {0, 1},
         "a",
         "x\r\ny",
         0,
         {{'A', "x\ny a", {3, 0}, {Question, replaced(1)}}}},
        {"empty search text", "aaa", {0, 1}, "", "b", 0, {{'A', "aaa", {0, 1}, {Question, NotFound}}}},
        {"search text longer than the document",
         "ab",
         {0, 1},
         "abc",
         "b",
         0,
         {{'R', "ab", {0, 1}, {NotFound}}, {'A', "ab", {0, 1}, {Question, NotFound}}}},
        {"search text across a line break",
         "a\nb a\nb",
         {0, 1},
         "a\r\nb",
         "-",
         0,
         {{'A', "- -", {3, 0}, {Question, replaced(2)}}}},
    };
    for (const Scenario& s : scenarios)
        run(s);
}

TEST(Replace, replaceAllIsOneUndoStep)
{
    PlainTextBuffer edit(QStringLiteral("a a a"));
    edit.setSelection(0, 1);
    DocumentSearch doc;
    ReplaceDialogState dialog;
    openReplaceDialog(edit, doc, dialog);
    dialog.replaceText = QStringLiteral("bb");
    RecordingSink sink;
    ASSERT_EQ(replaceDialogReplaceAll(edit, doc, dialog, sink), 2);
    EXPECT_EQ(edit.rawText(), QStringLiteral("bb bb a"));
    edit.undo();
    EXPECT_EQ(edit.rawText(), QStringLiteral("a a a"));
    EXPECT_FALSE(edit.canUndo());
}

TEST(Replace, openingSetsScopeAndPrefill)
{
    struct Row {
        const char* name;
        QString text;
        Sel selection;
        QString lastSearch;
        QString expectedText;
        bool selectionScope;
    };
    const Row rows[] = {
        {"one-line selection: global, from the selection", "one two", {0, 3}, "last", "one", false},
        {"several lines: selection scope, from the last search", "one\ntwo", {0, 5}, "last", "last", true},
        {"nothing selected: global, from the last search", "one two", {1, 0}, "last", "last", false},
        {"nothing selected, nothing searched: the field keeps its text",
         "one",
         {1, 0},
         "",
         "previous",
         false},
        {"a selected phrase empties the field", "one two", {0, 7}, "last", "", false},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(r.text);
        edit.setSelection(r.selection.start, r.selection.length);
        DocumentSearch doc;
        doc.lastSearchText = r.lastSearch;
        ReplaceDialogState dialog;
        dialog.text = QStringLiteral("previous");
        dialog.found = true;
        dialog.options = SearchDialogOptions(r.selectionScope ? 0 : Selection);
        openReplaceDialog(edit, doc, dialog);
        EXPECT_EQ(dialog.text, r.expectedText) << r.name;
        EXPECT_EQ(dialog.options.selectionScope(), r.selectionScope) << r.name;
        EXPECT_TRUE(dialog.newSearch) << r.name;
        EXPECT_FALSE(dialog.found) << r.name;
    }
}

TEST(Replace, historyOptionsByteAndLastSearchText)
{
    PlainTextBuffer edit(QStringLiteral("a a"));
    DocumentSearch doc;
    ReplaceDialogState dialog;
    openReplaceDialog(edit, doc, dialog);
    dialog.text = QStringLiteral("a");
    RecordingSink sink;
    replaceDialogReplaceAll(edit, doc, dialog, sink);
    EXPECT_TRUE(dialog.options.test(SearchDialogOptions::ReplaceAll));
    EXPECT_EQ(dialog.history, QStringList{"a"});
    EXPECT_TRUE(dialog.replaceHistory.isEmpty()) << "an empty replacement is not remembered";
    dialog.replaceText = QStringLiteral("b");
    replaceDialogReplace(edit, doc, dialog, sink);
    EXPECT_FALSE(dialog.options.test(SearchDialogOptions::ReplaceAll));
    EXPECT_EQ(dialog.replaceHistory, QStringList{"b"});
    replaceDialogClosed(doc, dialog);
    EXPECT_EQ(doc.lastSearchText, QStringLiteral("a"));
}

struct Outcome {
    QString text;
    Sel selection;
    SearchState state;
    bool found;
    qsizetype count;
    friend bool operator==(const Outcome&, const Outcome&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Outcome& o)
    {
        return os << '"' << o.text.toStdString() << "\" " << o.selection << " state " << o.state.start << '/'
                  << o.state.position << '/' << o.state.end << " found " << o.found << " count " << o.count;
    }
};

TEST(Replace, replaceAllAgreesWithReplacingOneAtATime)
{
    const QString alphabet = QStringLiteral("aAb- \n");
    const QString whats[] = {"a", "ab", "aa", "-", "a-", "A"};
    const QString replacements[] = {"", "a", "b", "xa", "aaa", "-b-", "\r\n"};
    std::mt19937 rng(11);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int round = 0; round < 1500; ++round) {
        QString text;
        const int n = pick(24);
        for (int i = 0; i < n; ++i)
            text += alphabet[pick(int(alphabet.size()))];
        const QString what = whats[pick(6)];
        const QString replacement = replacements[pick(7)];
        const quint8 options = quint8(pick(32)) & (Selection | Cursor | Case | Words);
        const qsizetype selStart = pick(n + 1);
        const qsizetype selLength = pick(int(n - selStart) + 1);
        const bool findFirst = pick(2) == 0;

        auto runOn = [&](TextEdit& edit, bool oneByOne) {
            edit.setText(text);
            edit.setSelection(selStart, selLength);
            DocumentSearch doc;
            ReplaceDialogState dialog;
            openReplaceDialog(edit, doc, dialog);
            dialog.text = what;
            dialog.replaceText = replacement;
            dialog.options = SearchDialogOptions(options);
            if (findFirst)
                replaceDialogFindNext(edit, doc, dialog);
            const qsizetype count = oneByOne ? replaceAllOneByOne(edit, doc.replace, dialog)
                                             : replaceAllOccurrences(edit, doc.replace, dialog);
            return Outcome{toLfLineEnds(edit.text()), selectionOf(edit), doc.replace, dialog.found, count};
        };
        PlainTextBuffer reference, plain;
        CountingEdit other;
        const Outcome expected = runOn(reference, true);
        const std::string where = "text \"" + text.toStdString() + "\" what \"" + what.toStdString() +
                                  "\" by \"" + replacement.toStdString() + "\" options " +
                                  std::to_string(options) + " sel " + std::to_string(selStart) + "+" +
                                  std::to_string(selLength) + " findFirst " + std::to_string(findFirst);
        EXPECT_EQ(runOn(plain, false), expected) << where;
        EXPECT_EQ(runOn(other, false), expected) << where;
        EXPECT_LE(other.replaceCalls, 1) << where;
    }
}

TEST(Replace, aHundredThousandMatchesAreReplacedInOneEdit)
{
    QString text;
    const int matches = 100000;
    for (int i = 0; i < matches; ++i)
        text += QStringLiteral("word x\n");
    CountingEdit edit(text);
    edit.setSelection(0, 4);
    DocumentSearch doc;
    ReplaceDialogState dialog;
    openReplaceDialog(edit, doc, dialog);
    dialog.replaceText = QStringLiteral("W");
    edit.rangeCalls = 0;
    RecordingSink sink;
    EXPECT_EQ(replaceDialogReplaceAll(edit, doc, dialog, sink), matches);
    EXPECT_EQ(sink.texts(), (QStringList{Question, replaced(matches)}));
    EXPECT_EQ(edit.replaceCalls, 1);
    EXPECT_LE(edit.rangeCalls, 1);
    EXPECT_EQ(edit.inner.rawText(), QString(text).replace(QStringLiteral("word"), QStringLiteral("W")));
    EXPECT_EQ(selectionOf(edit), (Sel{edit.length() - 3, 0}));
    edit.undo();
    EXPECT_EQ(edit.inner.rawText(), text);
}

} // namespace
} // namespace varnik

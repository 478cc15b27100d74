#include "core/search/findcommands.h"
#include "core/search/replacecommands.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace varnik {
namespace {

using test::CountingEdit;
using test::AnsweringSink;
using test::Sel;
using test::selectionOf;

constexpr quint8 Selection = SearchDialogOptions::SelectionScope, Cursor = SearchDialogOptions::FromCursor,
                 Case = SearchDialogOptions::MatchCase, Words = SearchDialogOptions::WholeWords,
                 Down = SearchDialogOptions::Down;

// Actions: 'D' the Find window shown and "Find &next" pressed, 'F' F3; in the
// replace window 'N' "Find &next", 'R' "&Replace", 'A' "Replace &all" answered
// Yes, 'a' answered No. Messages: "q" the question, "nf" not found, a number:
// that many replaced.
struct Step {
    char action;
    const char* text; // the document afterwards, LF breaks; nullptr: unchanged
    Sel selection;
    const char* messages;
};
struct Scenario {
    const char* name;
    const char* text;
    Sel selection;
    const char* what;
    const char* replacement;
    quint8 options;
    std::vector<Step> steps;
};

QStringList expandMessages(const char* codes)
{
    QStringList out;
    for (const QString& code : QString::fromLatin1(codes).split(u' ', Qt::SkipEmptyParts))
        out << (code == u"q"    ? QStringLiteral("Replace all occurences?")
                : code == u"nf" ? QStringLiteral("Searched string not found.")
                                : QStringLiteral("Replaced %1 occurences of text.").arg(code));
    return out;
}

void run(const Scenario& s)
{
    PlainTextBuffer edit(QString::fromUtf8(s.text));
    edit.setSelection(s.selection.start, s.selection.length);
    DocumentSearch doc;
    FindDialogState find;
    ReplaceDialogState replace;
    openReplaceDialog(edit, doc, replace);
    find.text = replace.text = QString::fromUtf8(s.what);
    replace.replaceText = QString::fromUtf8(s.replacement);
    find.options = replace.options = SearchDialogOptions(s.options);
    GrepResult grep;
    for (size_t i = 0; i < s.steps.size(); ++i) {
        const Step& step = s.steps[i];
        const QString before = edit.rawText();
        AnsweringSink sink;
        sink.answer = step.action == 'a' ? Result::No : Result::Yes;
        switch (step.action) {
        case 'D':
            findDialogShown(find);
            findDialogFindNext(edit, doc, find, grep, true, sink);
            break;
        case 'F':
            findNext(edit, doc, find, grep, true, sink);
            break;
        case 'N':
            replaceDialogFindNext(edit, doc, replace);
            break;
        case 'R':
            replaceDialogReplace(edit, doc, replace, sink);
            break;
        default:
            replaceDialogReplaceAll(edit, doc, replace, sink);
        }
        const std::string where = std::string(s.name) + ", step " + std::to_string(i);
        EXPECT_EQ(edit.rawText(), step.text ? QString::fromUtf8(step.text) : before) << where;
        EXPECT_EQ(selectionOf(edit), step.selection) << where;
        EXPECT_EQ(sink.texts, expandMessages(step.messages)) << where;
    }
}

TEST(FindReplace, scenarios)
{
    const char* ab3 = "ab ab ab";
    // clang-format off
    const Scenario scenarios[] = {
        // Find: origin, scope, continuing.
        {"begin of text restarts at the top, F3 continues after the match", ab3, {5, 0}, "ab", "", 0,
         {{'D', nullptr, {0, 2}, ""}, {'D', nullptr, {0, 2}, ""}, {'F', nullptr, {3, 2}, ""},
          {'F', nullptr, {6, 2}, ""}, {'F', nullptr, {6, 2}, "nf"}, {'F', nullptr, {6, 2}, "nf"}}},
        {"from cursor starts at the selection start", ab3, {1, 0}, "ab", "", Cursor,
         {{'D', nullptr, {3, 2}, ""}, {'D', nullptr, {3, 2}, ""}, {'F', nullptr, {6, 2}, ""}}},
        {"F3 in a document never searched goes on from the caret", ab3, {0, 4}, "ab", "", 0,
         {{'F', nullptr, {6, 2}, ""}, {'F', nullptr, {6, 2}, "nf"}}},
        {"selection scope: range fixed by the first search, F3 stays inside and starts over", "ab ab ab ab",
         {3, 5}, "ab", "", Selection, {{'D', nullptr, {3, 2}, ""}, {'F', nullptr, {6, 2}, ""},
                                       {'F', nullptr, {6, 2}, "nf"}, {'F', nullptr, {3, 2}, ""}}},
        {"selection scope: a match reaching past the range", "abab", {1, 2}, "ab", "", Selection, {{'D', nullptr, {1, 2}, "nf"}}},
        {"selection scope with nothing selected", ab3, {3, 0}, "ab", "", Selection, {{'D', nullptr, {3, 0}, "nf"}}},
        {"match case", "Ab ab", {0, 0}, "ab", "", Case, {{'D', nullptr, {3, 2}, ""}}},
        {"case ignored", "Ab ab", {0, 0}, "aB", "", 0, {{'D', nullptr, {0, 2}, ""}}},
        {"whole words", "abc xab ab", {0, 0}, "ab", "", Words, {{'D', nullptr, {8, 2}, ""}, {'F', nullptr, {8, 2}, "nf"}}},
        {"direction has no effect", ab3, {4, 0}, "ab", "", Cursor | Down, {{'D', nullptr, {6, 2}, ""}}},
        {"text longer than the document", "ab", {0, 0}, "abc", "", 0, {{'D', nullptr, {0, 0}, "nf"}}},
        {"empty search text", "ab", {0, 0}, "", "", 0, {{'D', nullptr, {0, 0}, "nf"}}},
        {"a line break counts once", "a\nb a\nb", {0, 0}, "a\r\nb", "", 0, {{'D', nullptr, {0, 3}, ""}, {'F', nullptr, {4, 3}, ""}}},
        // Replace.
        {"all of a by b in aaa from the selected first match", "aaa", {0, 1}, "a", "b", 0, {{'A', "bbb", {3, 0}, "q 3"}}},
        {"all with nothing selected only selects the next occurrence", "xaa", {0, 0}, "a", "b", 0,
         {{'A', nullptr, {1, 1}, ""}, {'A', "xbb", {3, 0}, "q 2"}}},
        {"the range end stays put as the text grows: the last a stays", "aaa", {0, 1}, "a", "bb", 0, {{'A', "bbbba", {4, 0}, "q 2"}}},
        {"answering No replaces nothing", "aaa", {0, 1}, "a", "b", 0, {{'a', nullptr, {0, 1}, "q"}}},
        {"all, nothing to find", "xyz", {0, 1}, "a", "b", 0, {{'A', nullptr, {0, 1}, "q nf"}}},
        {"replace alternates between selecting and replacing", "a a", {0, 0}, "a", "b", 0,
         {{'R', nullptr, {0, 1}, ""}, {'R', "b a", {1, 0}, ""}, {'R', nullptr, {2, 1}, ""}, {'R', "b b", {3, 0}, ""},
          {'R', nullptr, {3, 0}, "nf"}}},
        {"find next then replace replaces the match shown", "a a", {0, 0}, "a", "bb", 0,
         {{'N', nullptr, {0, 1}, ""}, {'N', nullptr, {2, 1}, ""}, {'R', "a bb", {4, 0}, ""}}},
        {"find next then replace all includes the match shown", "aaa", {0, 0}, "a", "b", 0,
         {{'N', nullptr, {0, 1}, ""}, {'A', "bbb", {3, 0}, "q 3"}}},
        {"find next finding nothing says nothing", "xyz", {0, 0}, "a", "b", 0, {{'N', nullptr, {0, 0}, ""}}},
        {"other text selected, begin of text: the first occurrence", "a xa a", {2, 2}, "a", "b", 0, {{'R', "b xa a", {1, 0}, ""}}},
        {"selection scope replaces inside the selection only", "aa aa aa", {3, 2}, "a", "b", Selection, {{'A', "aa bb aa", {5, 0}, "q 2"}}},
        {"selection scope: a shorter replacement stays inside", "aaaa aaaa", {0, 4}, "aa", "", Selection, {{'A', " aaaa", {0, 0}, "q 2"}}},
        {"selection scope: the search goes on after a longer replacement", "a a", {0, 3}, "a", "ba", Selection, {{'A', "ba a", {2, 0}, "q 1"}}},
        {"selection scope: the search goes on after a shorter replacement", "aabaab", {0, 6}, "aab", "a", Selection, {{'A', "aa", {2, 0}, "q 2"}}},
        {"a replace search in a selection collapses it", "xyz", {0, 2}, "a", "b", Selection, {{'N', nullptr, {0, 0}, ""}}},
        {"whole words are judged in the new text", "--", {0, 1}, "-", "a", Words, {{'A', "a-", {1, 0}, "q 1"}}},
        {"whole words, case ignored", "ab abc AB", {0, 2}, "ab", "X", Words, {{'A', "X abc X", {7, 0}, "q 2"}}},
        {"a line break as the replacement", "a a", {0, 1}, "a", "\r\n", 0, {{'A', "\n \n", {3, 0}, "q 2"}}},
        {"search text across a line break", "a\nb a\nb", {0, 1}, "a\r\nb", "-", 0, {{'A', "- -", {3, 0}, "q 2"}}},
        {"empty search text", "aaa", {0, 1}, "", "b", 0, {{'R', nullptr, {0, 1}, "nf"}, {'A', nullptr, {0, 1}, "q nf"}}},
    };
    // clang-format on
    for (const Scenario& s : scenarios)
        run(s);
}

TEST(FindReplace, openingPrefillsAndPicksTheScope)
{
    struct Row {
        const char* name;
        Sel selection; // in "one two  three\nfour"
        const char* lastSearch;
        const char* findText;
        const char* replaceText;
        bool selectionScope;
    };
    const Row rows[] = {
        {"a selected word", {0, 3}, "last", "one", "one", false},
        {"blanks around a word go", {3, 5}, "last", "two", "two", false},
        {"a selected phrase empties the field", {0, 7}, "last", "", "", false},
        {"several lines", {10, 8}, "last", "", "last", true},
        {"nothing selected: the last search text", {2, 0}, "last", "last", "last", false},
        {"nothing selected, the last search was a phrase", {2, 0}, "a b", "", "", false},
        {"nothing selected, nothing searched: the field keeps its text", {2, 0}, "", "kept", "kept", false},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(QStringLiteral("one two  three\nfour"));
        edit.setSelection(r.selection.start, r.selection.length);
        DocumentSearch doc{{}, {}, QString::fromLatin1(r.lastSearch)};
        FindDialogState find;
        ReplaceDialogState replace;
        find.text = replace.text = QStringLiteral("kept");
        replace.found = true;
        replace.options = SearchDialogOptions(r.selectionScope ? 0 : Selection);
        openFindDialog(edit, doc, find);
        openReplaceDialog(edit, doc, replace);
        EXPECT_EQ(find.text, QString::fromLatin1(r.findText)) << r.name;
        EXPECT_EQ(replace.text, QString::fromLatin1(r.replaceText)) << r.name;
        EXPECT_EQ(replace.options.selectionScope(), r.selectionScope) << r.name;
        EXPECT_TRUE(replace.newSearch && !replace.found) << r.name;
    }
    EXPECT_EQ(prefillSearchText("\t\r\nword\u00a0x\r\n"), QStringLiteral("word\u00a0x"));
}

TEST(FindReplace, flagsHistoryAndTextTypedSinceTheLastSearch)
{
    PlainTextBuffer edit(QStringLiteral("ab"));
    DocumentSearch doc;
    FindDialogState find;
    GrepResult grep;
    AnsweringSink sink;
    EXPECT_EQ(findNext(edit, doc, find, grep, true, sink), FindOutcome::ShowFindDialog);
    find.text = QStringLiteral("ab");
    findDialogShown(find);
    findDialogFindNext(edit, doc, find, grep, true, sink);
    findDialogFindNext(edit, doc, find, grep, true, sink);
    EXPECT_TRUE(find.newSearch) << "only F3 clears it";
    EXPECT_EQ(find.history, QStringList{"ab"});
    edit.setCaret(2);
    edit.replaceSelection(QStringLiteral(" ab"));
    edit.setSelection(0, 2);
    EXPECT_EQ(findNext(edit, doc, find, grep, true, sink), FindOutcome::Found);
    EXPECT_EQ(selectionOf(edit), (Sel{3, 2})) << "F3 reaches text typed since";
    EXPECT_FALSE(find.newSearch);
    findDialogClosed(doc, find);
    EXPECT_EQ(doc.lastSearchText, QStringLiteral("ab"));

    ReplaceDialogState replace;
    openReplaceDialog(edit, doc, replace);
    replaceDialogReplaceAll(edit, doc, replace, sink);
    EXPECT_EQ(replace.options.bits(), SearchDialogOptions::ReplaceAll);
    replace.replaceText = QStringLiteral("c");
    replaceDialogReplace(edit, doc, replace, sink);
    EXPECT_EQ(replace.options.bits(), 0);
    EXPECT_EQ(replace.replaceHistory, QStringList{"c"}) << "an empty text is not remembered";
    EXPECT_EQ(SearchState::encodeOptions(SearchDialogOptions(Case | Words | Selection)), 3);
}

TEST(FindReplace, replaceAllAgreesWithReplacingOneAtATime)
{
    const QString alphabet = QStringLiteral("aAb- \n");
    const QString whats[] = {"a", "ab", "aa", "-", "a-", "A"};
    const QString replacements[] = {"", "a", "b", "xa", "aaa", "-b-", "\r\n"};
    std::mt19937 rng(11);
    auto pick = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(rng); };
    for (int round = 0; round < 1500; ++round) {
        QString text;
        for (qsizetype i = 0, n = pick(24); i < n; ++i)
            text += alphabet[pick(alphabet.size())];
        const QString what = whats[pick(6)], replacement = replacements[pick(7)];
        const quint8 options = quint8(pick(32)) & (Selection | Cursor | Case | Words);
        const qsizetype selStart = pick(text.size() + 1), selLength = pick(text.size() - selStart + 1);
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
            return std::tuple(edit.text(), edit.selectionStart(), edit.selectionLength(), doc.replace,
                              dialog.found, count);
        };
        PlainTextBuffer reference, plain;
        CountingEdit other;
        const auto expected = runOn(reference, true);
        const std::string where = (text + " / " + what + " / " + replacement).toStdString() + " options " +
                                  std::to_string(options) + " selection " + std::to_string(selStart) + "+" +
                                  std::to_string(selLength) + (findFirst ? " after find next" : "");
        EXPECT_TRUE(runOn(plain, false) == expected) << where;
        EXPECT_TRUE(runOn(other, false) == expected) << where;
        EXPECT_LE(other.replaceCalls, 1) << where;
    }
}

TEST(FindReplace, aHundredThousandMatchesAreReplacedInOneUndoableEdit)
{
    const QString text = QStringLiteral("word x\n").repeated(100000);
    CountingEdit edit(text);
    edit.setSelection(0, 4);
    DocumentSearch doc;
    ReplaceDialogState dialog;
    openReplaceDialog(edit, doc, dialog);
    dialog.replaceText = QStringLiteral("W");
    edit.rangeCalls = 0;
    AnsweringSink sink;
    EXPECT_EQ(replaceDialogReplaceAll(edit, doc, dialog, sink), 100000);
    EXPECT_EQ(sink.texts, expandMessages("q 100000"));
    EXPECT_EQ(edit.replaceCalls, 1);
    EXPECT_LE(edit.rangeCalls, 1);
    EXPECT_EQ(edit.inner.rawText(), QStringLiteral("W x\n").repeated(100000));
    EXPECT_EQ(selectionOf(edit), (Sel{edit.length() - 3, 0}));
    edit.undo();
    EXPECT_EQ(edit.inner.rawText(), text);
    EXPECT_FALSE(edit.canUndo());
}

} // namespace
} // namespace varnik

#include "core/search/findcommands.h"
#include "core/search/grep.h"

#include "searchtesting.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>

namespace varnik {
namespace {

using test::CountingEdit;
using test::AnsweringSink;
using test::Sel;
using test::selectionOf;

// Entries as "line:position" for compact comparison.
QStringList hitsOf(const GrepResult& r)
{
    QStringList out;
    for (qsizetype i = 0; i < r.size(); ++i)
        out << QStringLiteral("%1:%2").arg(r.line(i)).arg(r.position(i));
    return out;
}

TEST(Grep, entriesAndPositions)
{
    struct Row {
        const char* name;
        const char* text;
        const char* what;
        bool matchCase;
        QStringList hits;
        QString listed; // toText() with line numbers
    };
    // clang-format off
    const Row rows[] = {
        {"case ignored", "xab\nAB\ncd", "ab", false, {"0:2", "1:1"}, "Line 1:xab\r\nLine 2:AB\r\n"},
        {"match case", "xab\nAB\ncd", "ab", true, {"0:2"}, "Line 1:xab\r\n"},
        {"one entry per line, first occurrence", "cab ab\nab", "ab", true, {"0:2", "1:1"}, "Line 1:cab ab\r\nLine 2:ab\r\n"},
        {"every kind of line break", "ab\r\nx\rab\nq ab", "ab", true, {"0:1", "2:1", "3:3"},
         "Line 1:ab\r\nLine 3:ab\r\nLine 4:q ab\r\n"},
        {"empty lines count, two-digit numbers", "\n\n\n\n\n\n\n\n\n\nzab\n", "ab", true, {"10:2"}, "Line 11:zab\r\n"},
        {"overlapping start", "aaab", "aab", true, {"0:2"}, "Line 1:aaab\r\n"},
        {"needle equals the text", "abc", "abc", true, {"0:1"}, "Line 1:abc\r\n"},
        {"needle longer than the text", "ab", "abc", false, {}, ""},
        {"empty needle", "ab", "", false, {}, ""},
        {"a needle with a line break", "a\nb", "a\nb", false, {}, ""},
        {"a needle with CR LF", "a\r\nb", "a\r\nb", true, {}, ""},
        {"Polish letters, case ignored", "x ŁÓDŹ\ny", "łódź", false, {"0:3"}, "Line 1:x ŁÓDŹ\r\n"},
        {"Polish letters, match case", "Łódź", "łódź", true, {}, ""},
        {"same low byte is no match", "\u0161a\na\u0161", "aa", false, {}, ""},
        {"outside the basic plane, case ignored", "x\U00010428y\n\U00010400", "\U00010400", false, {"0:2", "1:1"},
         "Line 1:x\U00010428y\r\nLine 2:\U00010400\r\n"},
        {"outside the basic plane, match case", "x\U00010428y\n\U00010400", "\U00010400", true, {"1:1"}, "Line 2:\U00010400\r\n"},
        {"both sides upper-cased: dotless i meets i", "\u0131", "i", false, {"0:1"}, "Line 1:\u0131\r\n"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const GrepResult result =
            grepText(QString::fromUtf8(r.text), QString::fromUtf8(r.what), r.matchCase, true);
        EXPECT_EQ(hitsOf(result), r.hits) << r.name;
        EXPECT_EQ(result.toText(), r.listed) << r.name;
    }
    EXPECT_EQ(grepText("xab\nAB", QStringLiteral("ab"), false, false).toText(),
              QStringLiteral("xab\r\nAB\r\n"));
}

TEST(Grep, agreesWithLineByLineSearchOnRandomTexts)
{
    // Letters sharing a low byte (a, U+0161) or differing only in case, and every line break.
    const QString alphabet = QStringLiteral("aAb\u0161\u0160\u0141\u0142 \n\r");
    std::mt19937 rng(7);
    auto pick = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(rng); };
    auto upper = [](QString s) {
        for (QChar& c : s)
            c = c.toUpper();
        return s;
    };
    for (int round = 0; round < 400; ++round) {
        QString text, what;
        for (qsizetype i = 0, n = pick(60); i < n; ++i)
            text += alphabet[pick(alphabet.size())];
        for (qsizetype i = 0, n = 1 + pick(3); i < n; ++i)
            what += alphabet[pick(8)];
        const QStringList lines = QString(text).replace("\r\n", "\n").replace(u'\r', u'\n').split(u'\n');
        for (const bool matchCase : {true, false}) {
            QStringList expected;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const qsizetype p = matchCase ? lines[i].indexOf(what) : upper(lines[i]).indexOf(upper(what));
                if (p >= 0)
                    expected << QStringLiteral("%1:%2").arg(i).arg(p + 1);
            }
            EXPECT_EQ(hitsOf(grepText(text, what, matchCase, true)), expected) << text.toStdString();
        }
    }
}

TEST(Grep, aMillionMatchesInOnePassOverTheWholeText)
{
    const QString text = QStringLiteral("ab\nxAb\n").repeated(500000);
    CountingEdit edit(text);
    const GrepResult result = grepDocument(edit, QStringLiteral("ab"), false, true);
    EXPECT_EQ(edit.textCalls, 1);
    EXPECT_EQ(edit.rangeCalls + edit.lineCalls + edit.findCalls, 0);
    ASSERT_EQ(result.size(), 1000000);
    EXPECT_EQ(result.entry(999999), QStringLiteral("Line 1000000:xAb"));
    EXPECT_EQ(result.position(999999), 2);
    EXPECT_EQ(grepDocument(edit.inner, QStringLiteral("ab"), true, true).size(), 500000);
}

TEST(Grep, listKeepsItsTextAndSavesAsUtf8)
{
    // Most lines listed (the list shares the text) and few (it copies them).
    for (const QString& text : {QStringLiteral("ab\nab\nx"), QStringLiteral("ab\n") + QString(100, u'x')}) {
        PlainTextBuffer edit(text);
        const GrepResult result = grepDocument(edit, QStringLiteral("ab"), true, true);
        edit.selectAll();
        edit.replaceSelection(QStringLiteral("changed"));
        EXPECT_EQ(result.entry(0), QStringLiteral("Line 1:ab"));
    }
    const QString text = QStringLiteral("łódź ab\n").repeated(150000); // more than one write piece
    for (const bool lineNumbers : {true, false}) {
        const GrepResult result = grepText(text, QStringLiteral("AB"), false, lineNumbers);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(result.writeText(buffer));
        EXPECT_EQ(buffer.data(), result.toText().toUtf8());
    }
    class Full : public QIODevice { // a full disk takes nothing
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char*, qint64) override { return -1; }
    } full;
    full.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    EXPECT_FALSE(grepText(text, QStringLiteral("ab"), true, true).writeText(full));
}

TEST(Grep, doubleClickSelectsTheFirstOccurrence)
{
    struct Row {
        const char* name;
        const char* textNow; // the document when the entry is clicked
        qsizetype index;
        const char* searchText;
        bool moved;
        Sel expected;
    };
    // Grepped over "x\nab cab\nq ab" for "ab": entries at (1, 1) and (2, 3).
    const Row rows[] = {
        {"first entry", "x\nab cab\nq ab", 0, "ab", true, {2, 2}},
        {"second entry", "x\nab cab\nq ab", 1, "ab", true, {11, 2}},
        {"length of the current search text", "x\nab cab\nq ab", 0, "abc", true, {2, 3}},
        {"line gone: nothing happens", "x\nab cab", 1, "ab", false, {0, 0}},
        {"index outside the list", "x\nab cab\nq ab", 2, "ab", false, {0, 0}},
        {"shorter line: stays inside the text", "x\nab cab\nq", 1, "ab", true, {10, 0}},
    };
    const GrepResult result = grepText("x\nab cab\nq ab", QStringLiteral("ab"), true, true);
    for (const Row& r : rows) {
        PlainTextBuffer edit(QString::fromLatin1(r.textNow));
        EXPECT_EQ(goToGrepEntry(edit, result, r.index, r.searchText), r.moved) << r.name;
        EXPECT_EQ(selectionOf(edit), r.expected) << r.name;
    }
}

TEST(Grep, runsFromTheFindWindowAndF3IgnoringRangeOptions)
{
    PlainTextBuffer edit(QStringLiteral("xab\nAB\ncd"));
    DocumentSearch doc;
    FindDialogState dialog;
    dialog.text = QStringLiteral("ab");
    dialog.grep = true;
    dialog.options =
        SearchDialogOptions(SearchDialogOptions::WholeWords | SearchDialogOptions::SelectionScope);
    GrepResult grep;
    AnsweringSink sink;
    EXPECT_EQ(findDialogFindNext(edit, doc, dialog, grep, true, sink), FindOutcome::Grepped);
    EXPECT_EQ(hitsOf(grep), (QStringList{"0:2", "1:1"}));
    dialog.options.set(SearchDialogOptions::MatchCase, true);
    EXPECT_EQ(findNext(edit, doc, dialog, grep, false, sink), FindOutcome::Grepped);
    EXPECT_EQ(grep.entry(0), QStringLiteral("xab"));
    EXPECT_TRUE(sink.texts.isEmpty());
    EXPECT_EQ(selectionOf(edit), (Sel{0, 0}));
    EXPECT_FALSE(findDialogControls(true).wholeWords || findDialogControls(true).scope);
}

} // namespace
} // namespace varnik

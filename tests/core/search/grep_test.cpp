#include "core/search/grep.h"

#include "searchtesting.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace varnik {
namespace {

using test::CountingEdit;
using test::Sel;
using test::selectionOf;

struct Hit {
    qsizetype line;
    qsizetype position;
    friend bool operator==(const Hit&, const Hit&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Hit& h)
    {
        return os << '(' << h.line << ", " << h.position << ')';
    }
};

std::vector<Hit> hitsOf(const GrepResult& r)
{
    std::vector<Hit> out;
    for (qsizetype i = 0; i < r.size(); ++i)
        out.push_back({r.line(i), r.position(i)});
    return out;
}

QStringList entriesOf(const GrepResult& r)
{
    QStringList out;
    for (qsizetype i = 0; i < r.size(); ++i)
        out.push_back(r.entry(i));
    return out;
}

TEST(Grep, entriesAndPositions)
{
    struct Row {
        const char* name;
        QString text;
        QString what;
        bool matchCase;
        bool lineNumbers;
        QStringList entries;
        std::vector<Hit> hits;
    };
    const Row rows[] = {
        {"case ignored", "xab\nAB\ncd", "ab", false, true, {"Line 1:xab", "Line 2:AB"}, {{0, 2}, {1, 1}}},
        {"match case", "xab\nAB\ncd", "ab", true, true, {"Line 1:xab"}, {{0, 2}}},
        {"without line numbers", "xab\nAB\ncd", "AB", false, false, {"xab", "AB"}, {{0, 2}, {1, 1}}},
        {"one entry per line, first occurrence",
         "cab ab ab\nab",
         "ab",
         true,
         true,
         {"Line 1:cab ab ab", "Line 2:ab"},
         {{0, 2}, {1, 1}}},
        {"every kind of line break",
         "ab\r\nx\rab\nq ab",
         "ab",
         true,
         true,
         {"Line 1:ab", "Line 3:ab", "Line 4:q ab"},
         {{0, 1}, {2, 1}, {3, 3}}},
        {"empty lines count", "\n\n\nzab", "ab", true, true, {"Line 4:zab"}, {{3, 2}}},
        {"a final break makes no extra entry", "ab\n", "ab", true, true, {"Line 1:ab"}, {{0, 1}}},
        {"CR LF at the end", "ab\r\n", "b", true, true, {"Line 1:ab"}, {{0, 2}}},
        {"overlapping start", "aaab", "aab", true, true, {"Line 1:aaab"}, {{0, 2}}},
        {"needle equals the text", "abc", "abc", true, false, {"abc"}, {{0, 1}}},
        {"needle longer than the text", "ab", "abc", false, true, {}, {}},
        {"empty needle finds nothing", "ab", "", false, true, {}, {}},
        {"a needle with a line break finds nothing", "a\nb", "a\nb", false, true, {}, {}},
        {"a needle with CR LF finds nothing", "a\r\nb", "a\r\nb", true, true, {}, {}},
        {"empty text", "", "a", false, true, {}, {}},
        {"Polish letters, case ignored",
         "x \u0141\u00d3D\u0179\ny",
         "\u0142\u00f3d\u017a",
         false,
         true,
         {"Line 1:x \u0141\u00d3D\u0179"},
         {{0, 3}}},
        {"Polish letters, match case", "\u0141\u00f3d\u017a", "\u0142\u00f3d\u017a", true, true, {}, {}},
        {"same low byte is no match", "\u0161a\na\u0161", "aa", false, true, {}, {}},
        {"letters outside the basic plane, case ignored",
         "x\U00010428y\n\U00010400",
         "\U00010400",
         false,
         true,
         {"Line 1:x\U00010428y", "Line 2:\U00010400"},
         {{0, 2}, {1, 1}}},
        {"outside the basic plane, match case",
         "x\U00010428y\n\U00010400",
         "\U00010400",
         true,
         true,
         {"Line 2:\U00010400"},
         {{1, 1}}},
        {"both sides upper-cased: dotless i meets i",
         "\u0131",
         "i",
         false,
         true,
         {"Line 1:\u0131"},
         {{0, 1}}},
        {"line numbers past 9", "\n\n\n\n\n\n\n\n\n\nab", "ab", true, true, {"Line 11:ab"}, {{10, 1}}},
    };
    for (const Row& r : rows) {
        const GrepResult result = grepText(r.text, r.what, r.matchCase, r.lineNumbers);
        EXPECT_EQ(entriesOf(result), r.entries) << r.name;
        EXPECT_EQ(hitsOf(result), r.hits) << r.name;
    }
}

// Splits into lines and looks in each one, upper-casing both sides.
std::vector<Hit> naiveGrep(const QString& text, const QString& what, bool matchCase)
{
    std::vector<Hit> out;
    if (what.isEmpty())
        return out;
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = lf.split(u'\n');
    auto upper = [](QString s) {
        for (QChar& c : s)
            c = c.toUpper();
        return s;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype p = matchCase ? lines[i].indexOf(what) : upper(lines[i]).indexOf(upper(what));
        if (p >= 0)
            out.push_back({i, p + 1});
    }
    return out;
}

TEST(Grep, agreesWithLineByLineSearchOnRandomTexts)
{
    // Letters that share a low byte (a, U+0161) or differ only in case, and all line breaks.
    const QString alphabet = QStringLiteral("aAb\u0161\u0160\u0141\u0142 \n\r");
    std::mt19937 rng(7);
    for (int round = 0; round < 400; ++round) {
        QString text;
        const int n = std::uniform_int_distribution<int>(0, 60)(rng);
        for (int i = 0; i < n; ++i)
            text += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng)];
        QString what;
        const int m = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int i = 0; i < m; ++i)
            what += alphabet[std::uniform_int_distribution<int>(0, 7)(rng)];
        for (const bool matchCase : {true, false})
            EXPECT_EQ(hitsOf(grepText(text, what, matchCase, true)), naiveGrep(text, what, matchCase))
                << text.toStdString() << " / " << what.toStdString() << " case " << matchCase;
    }
}

TEST(Grep, aMillionMatchesInOnePassOverTheWholeText)
{
    QString text;
    const int lines = 1000000;
    text.reserve(lines * 5);
    for (int i = 0; i < lines; ++i)
        text += (i % 2 ? QStringLiteral("xAb\n") : QStringLiteral("ab\n"));
    CountingEdit edit(text);
    const GrepResult result = grepDocument(edit, QStringLiteral("ab"), false, true);
    EXPECT_EQ(edit.textCalls, 1);
    EXPECT_EQ(edit.rangeCalls + edit.lineCalls + edit.findCalls, 0);
    ASSERT_EQ(result.size(), lines);
    EXPECT_EQ(result.entry(lines - 1), QStringLiteral("Line 1000000:xAb"));
    EXPECT_EQ(result.position(lines - 1), 2);
    EXPECT_EQ(grepDocument(edit.inner, QStringLiteral("ab"), true, true).size(), lines / 2);
}

TEST(Grep, listStaysAsItWasWhenTheDocumentChanges)
{
    // Most lines listed (the list shares the text) and few (it copies them).
    for (const QString& text : {QStringLiteral("ab\nab\nx"), QStringLiteral("ab\n") + QString(100, u'x')}) {
        PlainTextBuffer edit(text);
        const GrepResult result = grepDocument(edit, QStringLiteral("ab"), true, true);
        const QString before = result.toText();
        edit.selectAll();
        edit.replaceSelection(QStringLiteral("changed"));
        EXPECT_EQ(result.toText(), before);
        EXPECT_EQ(result.entry(0), QStringLiteral("Line 1:ab"));
    }
}

TEST(Grep, resultTextHasEveryEntryFollowedByCrLf)
{
    EXPECT_EQ(grepText(QStringLiteral("xab\nAB\ncd"), QStringLiteral("ab"), false, true).toText(),
              QStringLiteral("Line 1:xab\r\nLine 2:AB\r\n"));
    EXPECT_EQ(grepText(QStringLiteral("xab\nAB\ncd"), QStringLiteral("ab"), false, false).toText(),
              QStringLiteral("xab\r\nAB\r\n"));
    EXPECT_EQ(grepText(QStringLiteral("cd"), QStringLiteral("ab"), false, true).toText(), QString());
    GrepResult r = grepText(QStringLiteral("ab"), QStringLiteral("ab"), false, true);
    r.clear();
    EXPECT_TRUE(r.isEmpty());
    EXPECT_EQ(r.toText(), QString());
}

TEST(Grep, savedTextIsTheListAsUtf8)
{
    QString text;
    for (int i = 0; i < 30000; ++i) // more than one write piece
        text += QStringLiteral("\u0142\u00f3d\u017a %1 ab\n").arg(i);
    for (const bool lineNumbers : {true, false}) {
        const GrepResult result = grepText(text, QStringLiteral("AB"), false, lineNumbers);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(result.writeText(buffer));
        EXPECT_EQ(buffer.data(), result.toText().toUtf8());
    }
    // A full disk: the device takes nothing.
    class Full : public QIODevice {
    protected:
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
        QString textNow; // the document when the entry is clicked
        qsizetype index;
        QString searchText;
        bool moved;
        Sel expected;
    };
    // Grepped over "x\nab cab\nq ab" for "ab": entries at (1, 1) and (2, 3).
    const Row rows[] = {
        {"selects the first occurrence", "x\nab cab\nq ab", 0, "ab", true, {2, 2}},
        {"second entry", "x\nab cab\nq ab", 1, "ab", true, {11, 2}},
        {"length of the current search text", "x\nab cab\nq ab", 0, "abc", true, {2, 3}},
        {"line gone: nothing happens", "x\nab cab", 1, "ab", false, {0, 0}},
        {"index past the list", "x\nab cab\nq ab", 2, "ab", false, {0, 0}},
        {"negative index", "x\nab cab\nq ab", -1, "ab", false, {0, 0}},
        {"shorter line: stays inside the text", "x\nab cab\nq", 1, "ab", true, {10, 0}},
    };
    const GrepResult result = grepText(QStringLiteral("x\nab cab\nq ab"), QStringLiteral("ab"), true, true);
    for (const Row& r : rows) {
        PlainTextBuffer edit(r.textNow);
        EXPECT_EQ(goToGrepEntry(edit, result, r.index, r.searchText), r.moved) << r.name;
        EXPECT_EQ(selectionOf(edit), r.expected) << r.name;
    }
}

} // namespace
} // namespace varnik

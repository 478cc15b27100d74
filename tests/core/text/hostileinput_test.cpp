#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/baseconversion.h"
#include "core/text/datetimeformat.h"
#include "core/text/lineediting.h"
#include "core/text/selectioncommands.h"
#include "core/text/selectionengine.h"
#include "core/text/splitcolumn.h"

#include "texttestsupport.h"

#include <QLocale>

namespace varnik::test {
namespace {

struct Outcome {
    QString text;
    std::vector<QString> messages;
    bool threw = false;
};

Outcome runCode(int code, const QString& text, const TextEncoding& encoding = TextEncoding::utf8())
{
    PlainTextBuffer edit(text);
    FakeEnvironment env;
    env.encoding = encoding;
    RecordingSink sink;
    Outcome o;
    try {
        SelectionEngine(edit, env, sink).run(static_cast<SelectionOperation>(code));
    } catch (const Error&) {
        o.threw = true;
    }
    o.text = edit.text();
    for (const auto& s : sink.messages)
        o.messages.push_back(s.text);
    return o;
}

QString longLine(qsizetype size)
{
    const QString piece = u8("Zażółć gęślą 123 ff -1 %41 (a) [b] {c}\t, 0x1F; ");
    QString line;
    line.reserve(size + piece.size());
    while (line.size() < size)
        line += piece;
    return line;
}

// Every operation finishes on every hostile input with a result, a message or
// an error: never a crash or a hang.
TEST(HostileInput, everyCodeOnEveryInputFinishes)
{
    QString commaItems;
    for (int i = 0; i < 100000; ++i)
        commaItems += u8("1,");
    const QString inputs[] = {
        longLine(1024 * 1024),
        commaItems,
        u8(",,,,,,,,,,"),
        u8("...."),
        u8("\r\n\r\n\r\n"),
        QString(5000, u'9'),
        u8("-"),
        u8("%"),
        u8("abc%"),
        QString(QChar(0xD800)) + u8("x") + QString(QChar(0xDFFF)),
        QString(3, QChar(0)),
    };
    for (const QString& input : inputs) {
        for (int code = 1; code <= lastSelectionOperation; ++code) {
            const Outcome o = runCode(code, input);
            EXPECT_LE(o.messages.size(), 1u) << code;
        }
    }
}

TEST(HostileInput, resultsForThousandsOfDigits)
{
    const QString nines(5000, u'9');
    struct Row {
        const char* name;
        int code;
        QString input;
        QString expected;
        const char* message;
    } rows[] = {
        {"dec2bin_reported", 21, nines, nines, "Number is too big for conversion!"},
        {"dec2hex_reported", 23, nines, nines, "Number is too big for conversion!"},
        {"bin_wraps", 20, QString(3000, u'1'), u8("-1"), nullptr},
        {"hex_wraps", 22, QString(3000, u'f'), u8("-1"), nullptr},
        {"codes_tooLongStays", 15, nines, nines, nullptr},
        {"seconds_silent", 9, nines, nines, nullptr},
        {"roman_silent", 10, nines, nines, nullptr},
        {"unixTime_silent", 13, nines, nines, nullptr},
        {"hexToIp_lowBits", 31, QString(3000, u'F'), QString(3000, u'F') + u8(" = 255.255.255.255"), nullptr},
        {"table_silent", 29, nines + u8(",") + nines, nines + u8(",") + nines, nullptr},
    };
    for (const auto& r : rows) {
        const Outcome o = runCode(r.code, r.input);
        EXPECT_FALSE(o.threw) << r.name;
        EXPECT_EQ(o.text, r.expected) << r.name;
        ASSERT_EQ(o.messages.size(), r.message ? 1u : 0u) << r.name;
        if (r.message) {
            EXPECT_EQ(o.messages[0], u8(r.message)) << r.name;
        }
    }
    EXPECT_EQ(convertBase(nines, 10, 16).error, -3);
}

TEST(HostileInput, loneMinusAndPercent)
{
    struct Row {
        const char* name;
        int code;
        const char* input;
        const char* expected;
        const char* message;
    } rows[] = {
        {"bin", 20, "-", "0", nullptr},
        {"hex", 22, "-", "0", nullptr},
        {"dec2bin", 21, "-", "-", "Number is too big for conversion!"},
        {"dec2hex", 23, "-", "-", "Number is too big for conversion!"},
        {"seconds", 9, "-", "-", nullptr},
        {"codes", 15, "-", "-", nullptr},
        {"percentAtEnd", 33, "abc%", "[ERROR]", nullptr},
        {"percentAlone", 33, "%", "[ERROR]", nullptr},
        {"percentOneDigit", 33, "%%4", "[ERROR]", nullptr},
        {"statsOnlySeparators", 34, ",,,,",
         ",,,,\r\ncnt=0 sum=0.00000000 avg=0.00000000 max=0.00000000 min=0.00000000", nullptr},
        {"tableOnlySeparators", 29, ",,,,", ",,,,", nullptr},
        {"ipOnlyDots", 30, "....", "....", nullptr},
    };
    for (const auto& r : rows) {
        const Outcome o = runCode(r.code, u8(r.input));
        EXPECT_EQ(o.text, u8(r.expected)) << r.name;
        ASSERT_EQ(o.messages.size(), r.message ? 1u : 0u) << r.name;
    }
}

TEST(HostileInput, millionCommaItems)
{
    QString items;
    for (int i = 0; i < 1000000; ++i)
        items += u8("2,");
    const Outcome o = runCode(34, items);
    EXPECT_TRUE(o.text.endsWith(
        u8("\r\ncnt=1000000 sum=2000000.00000000 avg=2.00000000 max=2.00000000 min=2.00000000")));
    EXPECT_EQ(splitColumn(items, 999999, u8(",")), u8("2\r\n"));
    EXPECT_EQ(splitColumn(items, 1000000, u8(",")), u8("\r\n"));
}

TEST(HostileInput, tenMegabyteLine)
{
    const QString line = longLine(10 * 1024 * 1024);
    for (int code : {14, 17, 18, 19, 28}) {
        const Outcome o = runCode(code, line);
        EXPECT_EQ(o.text.size(), line.size()) << code;
    }
    // The readers of runs and items get through it too.
    for (int code : {15, 22, 33, 34}) {
        const Outcome o = runCode(code, line);
        EXPECT_FALSE(o.threw) << code;
        EXPECT_TRUE(o.messages.empty()) << code;
        EXPECT_FALSE(o.text.isEmpty()) << code;
    }
    EXPECT_EQ(runCode(14, runCode(14, line).text).text, line);
    PlainTextBuffer edit(line);
    edit.setSelection(line.size() / 2, 0);
    selectWordAtCursor(edit);
    EXPECT_LT(edit.selectionLength(), 20);
}

TEST(HostileInput, legacyDocumentBytes)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    // Bytes the code page leaves undefined still come back as themselves.
    QString codes;
    for (int b = 128; b < 256; ++b)
        codes += QString::number(b) + u8(" ");
    const Outcome chars = runCode(15, codes, cp1250);
    ASSERT_TRUE(chars.messages.empty());
    const Outcome back = runCode(16, chars.text, cp1250);
    QString expected;
    for (int b = 128; b < 256; ++b)
        expected += QString::number(b) + u8(",32,");
    expected.chop(1);
    EXPECT_EQ(back.text, expected);
    // Every escape decodes in a legacy document.
    QString escapes;
    for (int b = 0; b < 256; ++b)
        escapes += QStringLiteral("%%1").arg(b, 2, 16, QChar(u'0'));
    const Outcome decoded = runCode(33, escapes, cp1250);
    EXPECT_EQ(decoded.text.size(), 256 + 2); // lone CR and LF come out as CR LF; NUL is kept
    // A character the code page has no byte for is an error, not a silent "?".
    const Outcome encoded = runCode(32, u8("ok 中"), cp1250);
    EXPECT_TRUE(encoded.threw);
    EXPECT_EQ(encoded.text, u8("ok 中"));
}

TEST(HostileInput, longDatePatternsStayLinear)
{
    const DateTimeLocale pl = DateTimeLocale::fromLocale(QLocale(QStringLiteral("pl_PL")));
    QString pattern;
    for (int i = 0; i < 200000; ++i)
        pattern += u8("mmmm ");
    const QString out = formatDateTime(pattern + u8("dd"), QDate(2024, 3, 5), QTime(14, 0), pl);
    EXPECT_TRUE(out.startsWith(u8("marca marca")));
    EXPECT_TRUE(out.endsWith(u8("marca 05")));
}

TEST(HostileInput, wordsCommandOnHugeNumbers)
{
    PlainTextBuffer edit(QString(5000, u'9'));
    edit.selectAll();
    RecordingSink sink;
    FakeEnvironment env;
    numberToWordsCommand(edit, env, sink, WordsLanguage::English);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, u8("Sorry - number must be < 1000000000!"));
}

} // namespace
} // namespace varnik::test

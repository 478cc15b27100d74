#include "core/app/error.h"
#include "core/text/caseoperations.h"
#include "core/text/stringtransforms.h"
#include "core/text/textencoding.h"
#include "core/text/urlcoding.h"

#include "texttestsupport.h"

#include <deque>

namespace varnik::test {
namespace {

TEST(Rot13, rotatesAsciiLettersOnly)
{
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {{"abc", "nop"},
                {"Hello, World!", "Uryyb, Jbeyq!"},
                {"nN zZ", "aA mM"},
                {"ąż 123", "ąż 123"},
                {"", ""}};
    for (const auto& r : rows)
        EXPECT_EQ(rot13(u8(r.in)), u8(r.out)) << r.in;
    const QString mixed = u8("Zażółć GĘŚLĄ jaźń\r\n\t~!@#");
    EXPECT_EQ(rot13(rot13(mixed)), mixed);
}

TEST(Reverse, reversesCharacters)
{
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {{"abc", "cba"}, {"ab\r\ncd", "dc\n\rba"}, {"a", "a"},
                {"", ""},       {"a😀b", "b😀a"},           {"żółw", "włóż"}};
    for (const auto& r : rows)
        EXPECT_EQ(reverseText(u8(r.in)), u8(r.out)) << r.in;
}

// Draws from a fixed list, then `rest`.
auto draws(std::deque<int> values, int rest = 99)
{
    return [values, rest]() mutable {
        if (values.empty())
            return rest;
        const int v = values.front();
        values.pop_front();
        return v;
    };
}

TEST(Slangize, substitutesInTableOrderAndUpperCasesSomeLetters)
{
    struct Row {
        const char* name;
        const char* in;
        std::deque<int> rowDraws; // one per table row, then per character
        int rest;
        const char* out;
    } rows[] = {
        {"allRows_noCase", "for you at that", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 99, "4 U 8 D8"},
        {"insertedTextNotSearchedAgain", "Kiss me", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 99, "|<|zz m3"},
        {"checkOrder", "check", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 99, "kh3k|<"},
        {"matchIgnoresCase", "FOR SS", {0, 99, 99, 0, 99, 99, 99, 99, 99, 99, 99}, 99, "4 ss"},
        {"drawOf91_skipsRow", "for", {91}, 99, "for"},
        {"drawOf90_appliesRow", "for", {90}, 99, "4"},
        {"upperCaseDrawBelow31", "abc", {99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 30, 31, 0}, 99, "AbC"},
        {"upperCaseAsciiOnly", "ąb", {99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 0, 0}, 99, "ąB"},
        {"empty", "", {}, 0, ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(slangize(u8(r.in), draws(r.rowDraws, r.rest)), u8(r.out)) << r.name;
}

TEST(HtmlTable, skeletonOfRowsAndCells)
{
    EXPECT_EQ(htmlTableFromSelection(u"2,3"),
              u8("\r\n<table border=\"1\" bgcolor=\"#ffffff\" cellpadding=\"1\" cellspacing=\"1\">\r\n"
                 " <tr> <!-- 1 -->\r\n  <td></td>\r\n  <td></td>\r\n  <td></td>\r\n </tr>\r\n"
                 " <tr> <!-- 2 -->\r\n  <td></td>\r\n  <td></td>\r\n  <td></td>\r\n </tr>\r\n"
                 "</table>\r\n"));
    struct Row {
        const char* in;
        bool throws;
        qsizetype cells; // -1: not checked
    } rows[] = {
        {"0,3", false, 0},           {"3,0", false, 0},   {"-1,-1", false, 0},
        {"1,1,9", false, 1},         {" 2, 2", false, 4}, {"3", true, -1},
        {"a,b", true, -1},           {"2,", true, -1},    {"", true, -1},
        {"100000,100000", true, -1},
    };
    for (const auto& r : rows) {
        if (r.throws) {
            EXPECT_THROW(htmlTableFromSelection(u8(r.in)), Error) << r.in;
            continue;
        }
        const QString t = htmlTableFromSelection(u8(r.in));
        EXPECT_EQ(t.count(u8("<td></td>")), r.cells) << r.in;
        EXPECT_EQ(t.isEmpty(), r.cells == 0) << r.in;
    }
}

TEST(UrlCoding, encodeTheBytesOfTheDocumentEncoding)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    struct Row {
        const char* name;
        bool legacy;
        const char* in;
        const char* out;
    } rows[] = {
        {"space", false, "a b", "a%20b"},
        {"lineFeed", false, "\n", "%0A"},
        {"safeCharacters", false, "-._~azAZ09", "-._~azAZ09"},
        {"reserved", false, "+%&=/?", "%2B%25%26%3D%2F%3F"},
        {"utf8Polish", false, "ą", "%C4%85"},
        {"legacyPolish", true, "ą", "%B9"},
        {"legacyEuro", true, "€", "%80"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(urlEncode(u8(r.in), r.legacy ? cp1250 : TextEncoding::utf8()), u8(r.out)) << r.name;
    EXPECT_THROW(urlEncode(u8("中"), cp1250), Error);
}

TEST(UrlCoding, decodeOrReportMalformedEscapes)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    struct Row {
        const char* name;
        bool legacy;
        const char* in;
        const char* out;
    } rows[] = {
        {"escapedSpace", false, "a%20b", "a b"},
        {"plusIsSpace", false, "x+y", "x y"},
        {"upperLetter", false, "%41", "A"},
        {"lowerHexDigits", false, "%4a", "J"},
        {"oneDigit", false, "%4", "[ERROR]"},
        {"notHex", false, "%G1", "[ERROR]"},
        {"percentAtEnd", false, "abc%", "[ERROR]"},
        {"loneMinus", false, "%-1", "[ERROR]"},
        {"betweenNineAndA", false, "%:0", "[ERROR]"},
        {"empty", false, "", ""},
        {"plainPolishKept", false, "ą%41", "ąA"},
        {"utf8Sequence", false, "%C4%85", "ą"},
        {"utf8Truncated", false, "%C4", "[ERROR]"},
        {"utf8Split", false, "%C4+%85", "[ERROR]"},
        {"utf8LoneContinuation", false, "%85", "[ERROR]"},
        {"utf8Overlong", false, "%C0%80", "[ERROR]"},
        {"legacyByte", true, "%B9", "ą"},
        {"legacyUndefinedByteKept", true, "%81", "\xc2\x81"},
        {"legacyPlain", true, "ą+", "ą "},
    };
    for (const auto& r : rows)
        EXPECT_EQ(urlDecode(u8(r.in), r.legacy ? cp1250 : TextEncoding::utf8()), u8(r.out)) << r.name;
    EXPECT_EQ(urlDecode(u"%00", TextEncoding::utf8()), QString(QChar(0)));
}

TEST(UrlCoding, roundTrip)
{
    const QString text = u8("Zażółć gęślą jaźń + 100% €\r\n\t\"<>\" 😀");
    EXPECT_EQ(urlDecode(urlEncode(text, TextEncoding::utf8()), TextEncoding::utf8()), text);
    const QString legacy = u8("Zażółć gęślą jaźń + 100% €\r\n\t\"<>\"");
    const TextEncoding cp1250 = TextEncoding::codePage();
    EXPECT_EQ(urlDecode(urlEncode(legacy, cp1250), cp1250), legacy);
}

} // namespace
} // namespace varnik::test

namespace varnik::test {
namespace {

TEST(InPlaceVariants, agreeWithTheCopyingOnes)
{
    const QChar hi(0xD83D), lo(0xDE00);
    const QString inputs[] = {
        u8("Zażółć GĘŚLĄ jaźń 😀 ab\r\n"),
        QString() + hi + lo + hi + lo,
        QString() + lo + hi,      // halves in the wrong order stay single
        QString() + hi + lo + hi, // a pair and a lone high half
        QString() + lo + hi + lo, // a lone low half and a pair
        QString() + hi,
        QString(),
        u8("ſ ß ﬁ İ ǅ"),
    };
    for (const QString& in : inputs) {
        QString r = in, u = in, l = in, i = in, t = in;
        reverseInPlace(r);
        EXPECT_EQ(r, reverseText(in)) << in.size();
        toUpperCaseInPlace(u, TextEncoding::utf8());
        EXPECT_EQ(u, toUpperCase(in));
        toLowerCaseInPlace(l, TextEncoding::utf8());
        EXPECT_EQ(l, toLowerCase(in));
        invertCaseInPlace(i, TextEncoding::utf8());
        EXPECT_EQ(i, invertCase(in));
        rot13InPlace(t);
        EXPECT_EQ(t, rot13(in));
    }
}

TEST(InPlaceVariants, leaveSharedCopiesAlone)
{
    const QString original = u8("abc");
    QString copy = original;
    toUpperCaseInPlace(copy, TextEncoding::utf8());
    EXPECT_EQ(original, u8("abc"));
    EXPECT_EQ(copy, u8("ABC"));
}

} // namespace
} // namespace varnik::test

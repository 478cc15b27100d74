#include "core/text/caseoperations.h"
#include "core/text/lineoperations.h"
#include "core/text/lines.h"
#include "core/text/tabsspaces.h"
#include "core/text/textencoding.h"

#include "texttestsupport.h"

#include <functional>

namespace varnik::test {
namespace {

struct LineRow {
    const char* name;
    std::function<QString(QStringView)> op;
    const char* input;
    const char* expected;
};

TEST(LineOperations, transformEachLineAndEndEveryLineWithCrLf)
{
    const LineRow rows[] = {
        {"indent_singleLineWithoutBreak_gainsCrLf", indentLines, "a", " a\r\n"},
        {"indent_crLfLines_noExtraEmptyLine", indentLines, "a\r\nb\r\n", " a\r\n b\r\n"},
        {"indent_loneCrAndLf_comeBackAsCrLf", indentLines, "a\rb\nc", " a\r\n b\r\n c\r\n"},
        {"indent_emptyLines_indentedToo", indentLines, "\r\n\r\n", " \r\n \r\n"},
        {"indent_lfCrIsTwoBreaks", indentLines, "a\n\rb", " a\r\n \r\n b\r\n"},
        {"indent_empty_givesEmpty", indentLines, "", ""},
        {"trim_spacesTabsAndControls", trimLines, " \t a b \x01\r\n\x1f\tc  ", "a b\r\nc\r\n"},
        {"trim_lineOfBlanks_becomesEmpty", trimLines, "   \r\nx", "\r\nx\r\n"},
        {"trim_keepsCharactersAbove32", trimLines, "\xc2\xa0x\xc2\xa0", "\xc2\xa0x\xc2\xa0\r\n"},
        {"unwrap_joinsWithoutSeparator", unwrapLines, "a\r\nb\r\n", "ab"},
        {"unwrap_mixedBreaks", unwrapLines, "a\rb\nc\r\n\r\nd", "abcd"},
        {"unwrap_empty", unwrapLines, "", ""},
        {"dash_eachLine", dashList, "a\r\n\r\nb", "- a\r\n- \r\n- b\r\n"},
        {"numbered_emptyMiddleLineNumbered", numberedList, "a\r\n\r\nc", "1. a\r\n2. \r\n3. c\r\n"},
        {"deleteFirst_emptyLineStaysEmpty", deleteFirstCharOfLines, "ab\r\n\r\nc", "b\r\n\r\n\r\n"},
        {"deleteFirst_surrogatePairIsOneCharacter", deleteFirstCharOfLines, "\xf0\x9f\x98\x80x", "x\r\n"},
    };
    for (const LineRow& r : rows)
        EXPECT_EQ(r.op(u8(r.input)), u8(r.expected)) << r.name;
    // A NUL is an ordinary character, not the end of the text.
    EXPECT_EQ(indentLines(QStringView(u"a\0b", 3)), QString::fromUtf16(u" a\0b\r\n", 6))
        << "indent_nulIsKeptAsCharacter";
    EXPECT_TRUE(numberedList(u"1\n2\n3\n4\n5\n6\n7\n8\n9\nx").endsWith(u"\r\n10. x\r\n"));
}

TEST(LineOperations, clipboardGoesBeforeOrAfterEachLine)
{
    EXPECT_EQ(prefixLines(u"a\r\nb", u"> "), u8("> a\r\n> b\r\n"));
    EXPECT_EQ(suffixLines(u"a\r\nb", u";"), u8("a;\r\nb;\r\n"));
    EXPECT_EQ(prefixLines(u"a\r\n", u""), u8("a\r\n"));
    EXPECT_EQ(suffixLines(u"", u"x"), QString());
}

TEST(Lines, countsLinesAsTheSplitSeesThem)
{
    struct Row {
        const char* text;
        qsizetype lines;
    } rows[] = {{"", 0},       {"a", 1},       {"a\r\n", 1},  {"\r\n", 1},
                {"a\r\nb", 2}, {"\r\r", 2},    {"\r\n\n", 2}, {"a\r\nb\rc", 3},
                {"a\r", 1},    {"a\r\r\n", 2}, {"\n\n", 2},   {"x\n\r\ny", 3}};
    for (const Row& r : rows)
        EXPECT_EQ(lineCountOf(u8(r.text)), r.lines) << r.text;
}

TEST(CaseOperations, mapOneCharacterToOne)
{
    struct Row {
        const char* name;
        std::function<QString(QStringView)> op;
        const char* input;
        const char* expected;
    } rows[] = {
        {"upper_ascii", toUpperCase, "abc XYZ 1", "ABC XYZ 1"},
        {"upper_polish", toUpperCase, "zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"},
        {"upper_sharpS_keepsLength", toUpperCase, "straße", "STRAßE"},
        {"upper_ligature_keepsLength", toUpperCase, "ﬁx", "ﬁX"},
        {"upper_supplementary", toUpperCase, "\xf0\x90\x90\xa8", "\xf0\x90\x90\x80"},
        {"lower_polish", toLowerCase, "ŻÓŁW Ąę", "żółw ąę"},
        {"lower_greek", toLowerCase, "ΣΩ", "σω"},
        {"invert_mixed", invertCase, "aB1", "Ab1"},
        {"invert_polish", invertCase, "ąĘ", "Ąę"},
        {"invert_noCase_stays", invertCase, "1-+ ß", "1-+ ß"},
        {"upper_empty", toUpperCase, "", ""},
    };
    for (const auto& r : rows) {
        const QString out = r.op(u8(r.input));
        EXPECT_EQ(out, u8(r.expected)) << r.name;
        EXPECT_EQ(out.size(), u8(r.input).size()) << r.name;
    }
}

TEST(CaseOperations, loneSurrogateHalvesStay)
{
    const QString broken = QString(QChar(0xD801)) + u'a' + QChar(0xDC28);
    EXPECT_EQ(toUpperCase(broken), QString(QChar(0xD801)) + u'A' + QChar(0xDC28));
}

// A legacy document keeps fitting its code page: windows-1250 has µ but not
// its upper-case partner, Greek Mu.
TEST(CaseOperations, legacyCodePage_keepsCharactersWithoutAPartnerThere)
{
    struct Row {
        const char* name;
        void (*op)(QString&, const TextEncoding&);
        TextEncoding encoding;
        const char* input;
        const char* expected;
    } rows[] = {
        {"upper_cp1250_microStays", toUpperCaseInPlace, TextEncoding::codePage(), "aµbą", "AµBĄ"},
        {"invert_cp1250_microStays", invertCaseInPlace, TextEncoding::codePage(), "aµŁ", "Aµł"},
        {"lower_cp1250_polish", toLowerCaseInPlace, TextEncoding::codePage(), "ŻÓŁW", "żółw"},
        {"upper_utf8_microBecomesMu", toUpperCaseInPlace, TextEncoding::utf8(), "aµ", "AΜ"},
    };
    for (const auto& r : rows) {
        QString text = u8(r.input);
        r.op(text, r.encoding);
        EXPECT_EQ(text, u8(r.expected)) << r.name;
    }
}

TEST(TabsSpaces, replaceFromTheLeftWithoutOverlap)
{
    struct Row {
        const char* name;
        bool toSpaces;
        int tabSpaces;
        const char* input;
        const char* expected;
    } rows[] = {
        {"tabs_default5", true, 5, "\ta\t", "     a     "},
        {"tabs_zero_unchanged", true, 0, "\ta", "\ta"},
        {"tabs_none", true, 4, "abc", "abc"},
        {"tabs_255", true, 255, "\t", nullptr},
        {"spaces_sevenWithFive_tabAndTwo", false, 5, "       x", "\t  x"},
        {"spaces_tenWithFour_twoTabsTwoSpaces", false, 4, "          ", "\t\t  "},
        {"spaces_shortRun_stays", false, 4, "a   b", "a   b"},
        {"spaces_separateRuns", false, 2, "  a   b", "\ta\t b"},
        {"spaces_zero_unchanged", false, 0, "    ", "    "},
        {"spaces_one_everySpace", false, 1, "a b  c", "a\tb\t\tc"},
    };
    for (const auto& r : rows) {
        const QString in = u8(r.input);
        const QString out = r.toSpaces ? tabsToSpaces(in, r.tabSpaces) : spacesToTabs(in, r.tabSpaces);
        if (r.expected)
            EXPECT_EQ(out, u8(r.expected)) << r.name;
        else
            EXPECT_EQ(out, QString(r.tabSpaces, u' ')) << r.name;
    }
}

} // namespace
} // namespace varnik::test

namespace varnik::test {
namespace {

TEST(InPlaceLineOperations, agreeWithTheCopyingOnes)
{
    const char* inputs[] = {"",
                            "a",
                            "a\r\nb\r\n",
                            "a\rb\nc",
                            "\r\n\r\n",
                            "\n\r",
                            "  x  ",
                            " \t a b \x01\r\n\x1f\tc  ",
                            "   \r\nx",
                            "\t\ta\tb\t",
                            "\r",
                            "a\n",
                            "       x\n          ",
                            "ab\r\n\r\ncd\n",
                            "żółw \t\r\n  ąę"};
    for (const char* input : inputs) {
        const QString in = u8(input);
        QString indented = in, trimmed = in, prefixed = in, tabs = in, spaces = in;
        indentLinesInPlace(indented);
        EXPECT_EQ(indented, indentLines(in)) << input;
        trimLinesInPlace(trimmed);
        EXPECT_EQ(trimmed, trimLines(in)) << input;
        prefixLinesInPlace(prefixed, u"=> ");
        EXPECT_EQ(prefixed, prefixLines(in, u"=> ")) << input;
        tabsToSpacesInPlace(tabs, 3);
        EXPECT_EQ(tabs, tabsToSpaces(in, 3)) << input;
        spacesToTabsInPlace(spaces, 2);
        EXPECT_EQ(spaces, spacesToTabs(in, 2)) << input;
    }
}

TEST(InPlaceLineOperations, prefixMayComeFromTheTextItself)
{
    QString text = u8("ab\ncd");
    prefixLinesInPlace(text, QStringView(text).first(2));
    EXPECT_EQ(text, u8("abab\r\nabcd\r\n"));
}

} // namespace
} // namespace varnik::test

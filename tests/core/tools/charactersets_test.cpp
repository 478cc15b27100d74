#include "core/tools/charactersets.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace varnik {
namespace {

QString cell(const CharMapCharacters& c, int code)
{
    return c.cells[size_t(code - kCharMapFirstCode)];
}

TEST(CharacterSets, everyListedNumberShowsItsCodePage)
{
    struct Row {
        int set;
        const char* codePage;
        int code;
        QString character;
    };
    const Row rows[] = {
        {0, "windows-1252", 0xE9, u"\u00e9"_qs},
        {77, "macintosh", 0x8A, u"\u00e4"_qs},
        {128, "Shift_JIS", 0xB1, u"\uff71"_qs},
        {129, "windows-949", 0x41, u"A"_qs},
        {130, "Johab", 0x41, u"A"_qs},
        {134, "GBK", 0x41, u"A"_qs},
        {136, "Big5", 0x41, u"A"_qs},
        {161, "windows-1253", 0xE1, u"\u03b1"_qs},
        {162, "windows-1254", 0xFD, u"\u0131"_qs},
        {163, "windows-1258", 0xD2, u"\u0309"_qs},
        {177, "windows-1255", 0xE0, u"\u05d0"_qs},
        {178, "windows-1256", 0xC7, u"\u0627"_qs},
        {186, "windows-1257", 0xE0, u"\u0105"_qs},
        {204, "windows-1251", 0xC0, u"\u0410"_qs},
        {222, "windows-874", 0xA1, u"\u0e01"_qs},
        {238, "windows-1250", 0xBF, u"\u017c"_qs},
        {255, "windows-1250", 0xBF, u"\u017c"_qs},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(codePageOfCharacterSet(r.set, u"windows-1250"_qs), QString::fromLatin1(r.codePage))
            << r.set;
        const CharMapCharacters c = charMapCharacters(r.set, u"windows-1250"_qs);
        EXPECT_EQ(c.note, QString()) << r.set;
        EXPECT_EQ(cell(c, r.code), r.character) << r.set;
        EXPECT_EQ(cell(c, 'A'), u"A"_qs) << r.set;
    }
}

TEST(CharacterSets, specialNumbers)
{
    const CharMapCharacters system = charMapCharacters(255, u"windows-1251"_qs);
    EXPECT_EQ(cell(system, 0xC0), u"\u0410"_qs) << "255 follows the CodePage setting";

    const CharMapCharacters symbol = charMapCharacters(2, u"windows-1250"_qs);
    EXPECT_EQ(cell(symbol, 'a'), u"a"_qs) << "symbol codes are the font's glyphs as they are";
    EXPECT_EQ(cell(symbol, 0xB1), u"\u00b1"_qs);
    EXPECT_EQ(cell(symbol, 0x85), QString());

    const CharMapCharacters sjis = charMapCharacters(128, u"windows-1250"_qs);
    EXPECT_EQ(cell(sjis, 0x81), QString()) << "a lead byte stands for no character alone";
    const CharMapCharacters gbk = charMapCharacters(134, u"windows-1250"_qs);
    EXPECT_EQ(cell(gbk, 0xC4), QString());

    const CharMapCharacters ansi = charMapCharacters(0, u"windows-1250"_qs);
    EXPECT_EQ(cell(ansi, 0x81), QString()) << "an undefined code stands for nothing";
    EXPECT_EQ(cell(ansi, 0x80), u"\u20ac"_qs);
}

TEST(CharacterSets, numbersWithoutCodePageShowAnsiAndSaySo)
{
    for (int set : {1, 3, 100, 254}) {
        const CharMapCharacters c = charMapCharacters(set, u"windows-1250"_qs);
        EXPECT_EQ(c.note,
                  QStringLiteral("Character set %1 has no code page: ANSI characters shown.").arg(set));
        EXPECT_EQ(c.codePage, u"windows-1252"_qs);
        EXPECT_EQ(cell(c, 0xE9), u"\u00e9"_qs);
    }
    const CharMapCharacters unknown = charMapCharacters(255, u"no-such-page"_qs);
    EXPECT_EQ(unknown.note, u"The code page no-such-page is not available: ANSI characters shown."_qs);
    EXPECT_EQ(cell(unknown, 0xE9), u"\u00e9"_qs);
}

TEST(CharacterSets, hintListsEverySetOnItsLine)
{
    const QStringList lines = characterSetHint().split(u'\n');
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[0], u"Select code of the subset:"_qs);
    EXPECT_EQ(lines[1], u"0 - ANSI characters."_qs);
    EXPECT_EQ(lines[14], u"186 - Baltic charact"_qs);
    EXPECT_EQ(lines[18], u"255 - Depends on the codepage of the operating system."_qs);
}

TEST(CharacterSets, statusText)
{
    EXPECT_EQ(charMapStatusText(61), u"Character code: ASCII=61 (3D HEX)"_qs);
    EXPECT_EQ(charMapStatusText(32), u"Character code: ASCII=32 (20 HEX)"_qs);
    EXPECT_EQ(charMapStatusText(255), u"Character code: ASCII=255 (FF HEX)"_qs);
}

} // namespace
} // namespace varnik

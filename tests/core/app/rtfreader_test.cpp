#include "core/app/rtfreader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace varnik {
namespace {

QString plain(const QByteArray& rtf,
              const std::shared_ptr<const CodePage>& fallback = CodePage::windows1250())
{
    return RtfReader::toPlainText(rtf, fallback);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

TEST(RtfReader, realDocumentsOpenAsTheirPlainText)
{
    const QDir dir(QStringLiteral(VARNIK_TEST_DATA "/rtf"));
    const QStringList files = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray rtf = readAll(dir.filePath(name));
        ASSERT_TRUE(RtfReader::isRtf(rtf));
        const QString expected =
            QString::fromUtf8(readAll(dir.filePath(QString(name).replace(u".rtf"_qs, u".txt"_qs))));
        EXPECT_EQ(plain(rtf).toStdString(), expected.toStdString());
    }
}

TEST(RtfReader, decodesTextAndDropsFormatting)
{
    struct Row {
        const char* name;
        const char* rtf;
        QString text;
    };
    const Row rows[] = {
        {"paragraphsAndLastParagraphEnd", R"({\rtf1 one\par two\par})", u"one\ntwo"_qs},
        {"onlyOneFinalEndDropped", R"({\rtf1 a\par\par})", u"a\n"_qs},
        {"lineAndTab", R"({\rtf1 a\tab b\line c})", u"a\tb\nc"_qs},
        {"rawLineEndsAreNotText", "{\\rtf1 a\r\nb\nc}", u"abc"_qs},
        {"escapedLineEndIsParagraph", "{\\rtf1 a\\\nb}", u"a\nb"_qs},
        {"formattingWordsShowNothing", R"({\rtf1\ansi\deff0 {\b bold}\b0  {\i\fs40 big}\ul x\ulnone})",
         u"bold bigx"_qs},
        {"unknownWordsAreIgnored", R"({\rtf1 \foo123 \bar-5 x\zzz})", u"x"_qs},
        {"controlSymbols", R"({\rtf1 \{\}\\ a\~b\-c\_d})", u"{}\\ a\u00A0bc\u2011d"_qs},
        {"namedCharacters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         u"—–•‘’“”"_qs},
        {"hexInDocumentCodePage", R"({\rtf1\ansi\ansicpg1250 Za\'bf\'f3\'b3\'e6})", u"Zażółć"_qs},
        {"upperCaseHexDigits", R"({\rtf1\ansi\ansicpg1250 \'B9\'E6})", u"ąć"_qs},
        {"hexInWestern", R"({\rtf1\ansi\ansicpg1252 \'b9})", u"¹"_qs},
        {"fontCharsetOverridesDocument",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'b9\f0 \'b9})",
         u"ą¹"_qs},
        {"fontWithoutEntryGroups", R"({\rtf1\ansi\ansicpg1252{\fonttbl\f0\fcharset204 Arial;}\f0 \'e6})",
         u"ж"_qs},
        {"plainReturnsToDefaultFont",
         R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fcharset238 A;}{\f1 B;}}\f1 \'b9\plain \'b9})",
         u"¹ą"_qs},
        {"brokenHexEscapeShowsNothing", R"({\rtf1 a\'4 b\'zz})", u"a bzz"_qs},
        {"rawHighBytesInCodePage", "{\\rtf1\\ansi\\ansicpg1250 \xb9\xe6}", u"ąć"_qs},
        {"unicodeSkipsOneFallback", R"({\rtf1 Za\u380?\u243\'f3})", u"Zażó"_qs},
        {"unicodeNegativeValue", R"({\rtf1 \u-4064?})", u"\uF020"_qs},
        {"unicodeUnsignedValue", R"({\rtf1 \u55357?\u56832?})", u"😀"_qs},
        {"unicodeSurrogatePairSigned", R"({\rtf1 \u-10179?\u-8704?})", u"😀"_qs},
        {"loneSurrogateIsReplaced", R"({\rtf1 a\u-10179?b})", u"a\uFFFDb"_qs},
        {"ucTwoSkipsTwo", R"({\rtf1 \uc2\u261xyb})", u"ąb"_qs},
        {"ucZeroSkipsNone", R"({\rtf1 \uc0\u261 b})", u"ąb"_qs},
        {"ucIsScopedToItsGroup", R"({\rtf1{\uc2\u261 xx}\u261?y})", u"ąąy"_qs},
        {"fallbackCountsControlWords", R"({\rtf1 \uc1\u261\tab x})", u"ąx"_qs},
        {"groupEndStopsFallback", R"({\rtf1 {\uc3\u261 a}b})", u"ąb"_qs},
        {"unicodeWithoutNumber", R"({\rtf1 \u x})", u"x"_qs},
        {"upperCaseWordIsAnother", R"({\rtf1 \PAR x})", u"x"_qs},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(plain(r.rtf).toStdString(), r.text.toStdString());
    }
}

TEST(RtfReader, leavesOutDestinationsThatAreNotText)
{
    struct Row {
        const char* name;
        const char* rtf;
        QString text;
    };
    const Row rows[] = {
        {"fontColourStyleTables",
         R"({\rtf1{\fonttbl{\f0 Times;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{\s0 Normal;}}x})",
         u"x"_qs},
        {"info", R"({\rtf1{\info{\title T}{\author A}}x})", u"x"_qs},
        {"pictureHexData", R"({\rtf1 a{\pict\pngblip 89504e47}b})", u"ab"_qs},
        {"ignorableDestination", R"({\rtf1 a{\*\unknowndest text {nested} more}b})", u"ab"_qs},
        {"headerFooterFootnote", R"({\rtf1{\header H}{\footer F}a{\footnote N}b})", u"ab"_qs},
        {"fieldShowsItsResult", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u"link"_qs},
        {"fieldInstructionWithoutStar", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})", u"3"_qs},
        {"binaryDataIsSkipped", "{\\rtf1 a{\\pict\\bin6 }{\\}}x}b}", u"ab"_qs},
        {"binaryOutsidePicture", "{\\rtf1 a\\bin3 xyzb}", u"ab"_qs},
        {"unicodeAlternativeOfUpr", R"({\rtf1{\upr{a}{\*\ud{\u261?}}}})", u"ą"_qs},
        {"udOutsideUprStaysHidden", R"({\rtf1{\*\x{\ud y}}z})", u"z"_qs},
        {"textAfterTheDocumentEnd", R"({\rtf1 a}b{c})", u"a"_qs},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(plain(QByteArray(r.rtf, qsizetype(strlen(r.rtf)))).toStdString(), r.text.toStdString());
    }
}

TEST(RtfReader, tablesBecomeTabSeparatedLines)
{
    struct Row {
        const char* name;
        const char* rtf;
        QString text;
    };
    const Row rows[] = {
        {"twoRows", R"({\rtf1\trowd a\cell b\cell\row\trowd c\cell d\cell\row})", u"a\tb\nc\td"_qs},
        {"emptyCellsKeepTheirTabs", R"({\rtf1\trowd \cell b\cell \cell\row})", u"\tb\t"_qs},
        {"paragraphEndingACell", R"({\rtf1 x\par\trowd{a\par}\cell{b\par}\cell\row})", u"x\na\tb"_qs},
        {"twoParagraphsInACell", R"({\rtf1\trowd a\par b\par\cell c\cell\row})", u"a\nb\tc"_qs},
        {"textAfterTable", R"({\rtf1\trowd a\cell\row after})", u"a\nafter"_qs},
        {"sectionBreakAfterParagraph", R"({\rtf1 a\par\sect b\page c})", u"a\nb\nc"_qs},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(plain(r.rtf).toStdString(), r.text.toStdString());
    }
}

TEST(RtfReader, codePageFallsBackToTheGivenOne)
{
    const auto latin2 = CodePage::forName(u"ISO-8859-2"_qs);
    EXPECT_EQ(plain(R"({\rtf1\ansi \'b9})", latin2), u"š"_qs);
    EXPECT_EQ(plain(R"({\rtf1\ansi \'b9})"), u"ą"_qs);
    EXPECT_EQ(plain(R"({\rtf1\ansi\ansicpg99999 \'b9})"), u"ą"_qs);
    EXPECT_EQ(plain(R"({\rtf1\ansi\ansicpg932 \'82\'a0x})"), u"あx"_qs);
}

TEST(RtfReader, hostileInputNeverBreaksIt)
{
    const int depth = 1'000'000;
    struct Row {
        const char* name;
        QByteArray rtf;
        QString text;
    };
    const Row rows[] = {
        {"millionNestedGroups", "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "x}",
         u"deepx"_qs},
        {"millionUnclosedGroups", "{\\rtf1 a" + QByteArray(depth, '{'), u"a"_qs},
        {"millionDistinctNestedStates", "{\\rtf1 " + QByteArray("{\\uc2{\\uc1").repeated(depth / 2) + "z",
         u"z"_qs},
        {"millionClosingBraces", "{\\rtf1 a" + QByteArray(depth, '}'), u"a"_qs},
        {"truncatedInText", "{\\rtf1 abc\\par de", u"abc\nde"_qs},
        {"truncatedInControlWord", "{\\rtf1 ab\\pa", u"ab"_qs},
        {"truncatedAfterBackslash", "{\\rtf1 ab\\", u"ab"_qs},
        {"truncatedInHexEscape", "{\\rtf1 ab\\'", u"ab"_qs},
        {"truncatedInUnicodeFallback", "{\\rtf1 ab\\u261", u"abą"_qs},
        {"hugeBinCount", "{\\rtf1 a\\bin99999999999999999999 rest}", u"a"_qs},
        {"negativeBinCount", "{\\rtf1 a\\bin-5 b}", u"ab"_qs},
        {"hugeUcCount", "{\\rtf1 \\uc2147483647\\u261 abc}", u"ą"_qs},
        {"hugeUnicodeValue", "{\\rtf1 \\u99999999999?}", u"\uFFFD"_qs},
        {"veryLongControlWord", "{\\rtf1 \\" + QByteArray(100000, 'a') + " x}", u"x"_qs},
        {"veryLongNumber", "{\\rtf1 \\f" + QByteArray(100000, '9') + " x}", u"x"_qs},
        {"nulBytesIgnored", QByteArray("{\\rtf1 a\0b}", 11), u"ab"_qs},
        {"onlyTheHeader", "{\\rtf", QString()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(plain(r.rtf).toStdString(), r.text.toStdString());
    }
}

TEST(RtfReader, recognisesOnlyTheRtfSignature)
{
    EXPECT_TRUE(RtfReader::isRtf("{\\rtf1\\ansi}"));
    EXPECT_TRUE(RtfReader::isRtf("{\\rtf"));
    EXPECT_FALSE(RtfReader::isRtf(" {\\rtf1}"));
    EXPECT_FALSE(RtfReader::isRtf("{\\RTF1}"));
    EXPECT_FALSE(RtfReader::isRtf("{\\rt"));
    EXPECT_FALSE(RtfReader::isRtf("\xEF\xBB\xBF{\\rtf1}"));
}

} // namespace
} // namespace varnik

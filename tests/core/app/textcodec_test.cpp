#include "core/app/error.h"
#include "core/app/textcodec.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace varnik {
namespace {

QByteArray bytes(const char* s, qsizetype n = -1)
{
    return n < 0 ? QByteArray(s) : QByteArray(s, n);
}

QByteArray allBytesExcept(std::initializer_list<int> skip)
{
    QByteArray out;
    for (int b = 0; b < 256; ++b) {
        if (std::find(skip.begin(), skip.end(), b) == skip.end())
            out.append(char(b));
    }
    return out;
}

std::string hex(const QByteArray& b)
{
    return b.toHex(' ').toStdString();
}

TEST(TextCodec, openAndSaveUnchangedGivesTheSameBytes)
{
    struct Row {
        const char* name;
        QByteArray file;
        int crlf;
        DocumentEncoding::Kind kind;
    };
    QByteArray pastChunk(1 << 20, 'a');
    pastChunk += "\r\n\xEA"; // one legacy byte after a megabyte of ASCII
    const Row rows[] = {
        {"cp1250PolishCrLf", bytes("Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1\r\n\xA3\xD3\x44\x8F\r\n"),
         0, DocumentEncoding::Kind::CodePage},
        {"utf8Lf", bytes("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\ngęślą\n"), 1, DocumentEncoding::Kind::Utf8},
        {"utf8BomCrLf", bytes("\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\nx"), 0,
         DocumentEncoding::Kind::Utf8Bom},
        {"utf8BomOnly", bytes("\xEF\xBB\xBF"), 0, DocumentEncoding::Kind::Utf8Bom},
        {"twoBomsKeepTheSecond", bytes("\xEF\xBB\xBF\xEF\xBB\xBF"), 0, DocumentEncoding::Kind::Utf8Bom},
        {"bomThenLegacyBytes", bytes("\xEF\xBB\xBF\xB9"), 0, DocumentEncoding::Kind::CodePage},
        {"highBytesThatAreNotUtf8", allBytesExcept({}).mid(0x80), 0, DocumentEncoding::Kind::CodePage},
        {"everyByteButLineEnds", allBytesExcept({'\r', '\n'}), 0, DocumentEncoding::Kind::CodePage},
        {"undefinedCp1250Bytes", bytes("\x81\x83\x88\x90\x98"), 0, DocumentEncoding::Kind::CodePage},
        {"nulBytesInUtf8", bytes("a\0b\r\n\0", 6), 0, DocumentEncoding::Kind::Utf8},
        {"nulBytesInLegacy", bytes("\xB9\0\0\xE6", 4), 0, DocumentEncoding::Kind::CodePage},
        {"emptyFile", QByteArray(), 0, DocumentEncoding::Kind::Utf8},
        {"endsWithLineEnd", bytes("a\r\nb\r\n"), 0, DocumentEncoding::Kind::Utf8},
        {"onlyLineEnds", bytes("\n\n\n"), 1, DocumentEncoding::Kind::Utf8},
        {"crOnly", bytes("a\rb\r"), 2, DocumentEncoding::Kind::Utf8},
        {"noncharactersAreUtf8", bytes("\xEF\xBF\xBE\xEF\xBF\xBF"), 0, DocumentEncoding::Kind::Utf8},
        {"astralCharacter", bytes("\xF0\x9F\x98\x80"), 0, DocumentEncoding::Kind::Utf8},
        {"legacyByteAfterFirstChunk", pastChunk, 0, DocumentEncoding::Kind::CodePage},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DecodedText d = decodeDocument(r.file, CodePage::windows1250());
        EXPECT_EQ(d.encoding.kind(), r.kind);
        EXPECT_FALSE(d.text.contains(u'\r'));
        EXPECT_EQ(hex(encodeDocument(d.text, d.encoding, lineEndFromSetting(r.crlf))), hex(r.file));
    }
}

TEST(TextCodec, decodesValidUtf8AsUtf8AndAnythingElseByteByByte)
{
    struct Row {
        const char* name;
        QByteArray file;
        QString text;
        const char* encoding;
    };
    // A two-byte character that straddles the first megabyte's edge.
    QByteArray straddling(1 << 20, 'a');
    straddling[(1 << 20) - 1] = '\xC4';
    straddling += '\x85';
    const Row rows[] = {
        {"cp1250Letters", bytes("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"), u"ąćęłńóśźż"_qs, "windows-1250"},
        {"utf8Letters", bytes("\xC4\x85\xC5\xBA"), u"ąź"_qs, "UTF-8"},
        {"bomIsNotText",
         bytes("\xEF\xBB\xBF"
               "a"),
         u"a"_qs, "UTF-8 with BOM"},
        {"euroSignInCp1250", bytes("\x80"), u"€"_qs, "windows-1250"},
        {"undefinedByteKeepsItsC1Value", bytes("\x98"), u"\u0098"_qs, "windows-1250"},
        {"overlongNul", bytes("\xC0\x80"), u"Ŕ€"_qs, "windows-1250"},
        {"encodedSurrogate", bytes("\xED\xA0\x80"), u"í\u00A0€"_qs, "windows-1250"},
        {"pastU10FFFF", bytes("\xF4\x90\x80\x80"), u"ôђ€€"_qs.replace(u'ђ', QChar(0x90)), "windows-1250"},
        {"truncatedAtTheEnd", bytes("ab\xC4"), u"abÄ"_qs, "windows-1250"},
        {"mixedLineEnds", bytes("a\r\nb\nc\rd"), u"a\nb\nc\nd"_qs, "UTF-8"},
        {"crBeforeCrLf", bytes("\r\r\n"), u"\n\n"_qs, "UTF-8"},
        {"lfCrIsTwoBreaks", bytes("\n\r"), u"\n\n"_qs, "UTF-8"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DecodedText d = decodeDocument(r.file, CodePage::windows1250());
        EXPECT_EQ(d.text, r.text);
        EXPECT_EQ(d.encoding.name(), QString::fromLatin1(r.encoding));
    }
    const DecodedText s = decodeDocument(straddling, CodePage::windows1250());
    EXPECT_EQ(s.encoding.name(), u"UTF-8"_qs);
    EXPECT_EQ(s.text.size(), 1 << 20);
    EXPECT_EQ(s.text.back(), u'ą');
}

TEST(TextCodec, countsTheLineEndsFound)
{
    struct Row {
        const char* file;
        LineEndCounts counts;
        bool mixed;
        std::optional<LineEnd> uniform;
    };
    const Row rows[] = {
        {"", {0, 0, 0}, false, std::nullopt},
        {"a\r\nb\r\n", {2, 0, 0}, false, LineEnd::CrLf},
        {"a\nb", {0, 1, 0}, false, LineEnd::Lf},
        {"\r", {0, 0, 1}, false, LineEnd::Cr},
        {"a\r\nb\nc\rd", {1, 1, 1}, true, std::nullopt},
        {"\n\r\n", {1, 1, 0}, true, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        const LineEndCounts c = decodeDocument(QByteArray(r.file), nullptr).lineEnds;
        EXPECT_EQ(c, r.counts);
        EXPECT_EQ(c.mixed(), r.mixed);
        EXPECT_EQ(c.uniform(), r.uniform);
    }
}

TEST(TextCodec, writesTheLineEndTheSettingNames)
{
    struct Row {
        const char* name;
        QString text;
        int crlf;
        QByteArray file;
    };
    const Row rows[] = {
        {"threeLinesCrLf", u"line1\r\nline2\r\nline3"_qs, 0, "line1\r\nline2\r\nline3"},
        {"threeLinesLfNoFinalLf", u"line1\r\nline2\r\nline3"_qs, 1, "line1\nline2\nline3"},
        {"threeLinesCr", u"line1\r\nline2\r\nline3"_qs, 2, "line1\rline2\rline3"},
        {"unknownSettingIsCrLf", u"a\nb"_qs, 7, "a\r\nb"},
        {"negativeSettingIsCrLf", u"a\nb"_qs, -1, "a\r\nb"},
        {"anyLineEndInTheText", u"a\r\nb\rc\nd"_qs, 1, "a\nb\nc\nd"},
        {"emptyLastLineGivesFinalEnd", u"a\r\n"_qs, 2, "a\r"},
        {"emptyDocument", QString(), 0, ""},
        // Runs of printable ASCII of every length around four, met by
        // controls, DEL, non-ASCII and line ends.
        {"asciiRunsAndTheirNeighbours", u"abcde\x1f" "fgh\x7f" "ij\u00e9klmn\tó\n12345678\r"_qs, 1,
         "abcde\x1f" "fgh\x7f" "ij\xc3\xa9klmn\t\xc3\xb3\n12345678\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(hex(encodeDocument(r.text, DocumentEncoding::utf8(), lineEndFromSetting(r.crlf))),
                  hex(r.file));
    }
}

TEST(TextCodec, findsTheFirstCharacterTheEncodingCannotHold)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    const auto latin2 = DocumentEncoding::legacy(u"ISO-8859-2"_qs);
    struct Row {
        const char* name;
        QString text;
        DocumentEncoding encoding;
        qsizetype offset;
    };
    const Row rows[] = {
        {"polishInCp1250", u"Zażółć gęślą jaźń"_qs, cp1250, -1},
        {"euroInCp1250", u"5 €"_qs, cp1250, -1},
        {"placeholderOfUndefinedByte", u"\u0081\u0098"_qs, cp1250, -1},
        {"c1CharWithoutByteInCp1250", u"a\u0080"_qs, cp1250, 1},
        {"cyrillicInCp1250", u"ab ж"_qs, cp1250, 3},
        {"astralInCp1250", u"x😀"_qs, cp1250, 1},
        {"euroInLatin2", u"ą€"_qs, latin2, 1},
        {"polishInLatin2", u"ąśź"_qs, latin2, -1},
        {"astralInUtf8", u"x😀y"_qs, DocumentEncoding::utf8(), -1},
        {"loneHighSurrogateInUtf8", u"ab"_qs + QChar(0xD83D) + u"c"_qs, DocumentEncoding::utf8(true), 2},
        {"loneLowSurrogateInUtf8", QString(QChar(0xDE00)), DocumentEncoding::utf8(), 0},
        {"highSurrogateAtTheEnd", u"a"_qs + QChar(0xD83D), DocumentEncoding::utf8(), 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(firstUnencodable(r.text, r.encoding), r.offset);
        EXPECT_EQ(encodesLosslessly(r.text, r.encoding), r.offset < 0);
        if (r.offset >= 0)
            EXPECT_THROW(encodeDocument(r.text, r.encoding, LineEnd::CrLf), Error);
        else
            EXPECT_NO_THROW(encodeDocument(r.text, r.encoding, LineEnd::CrLf));
    }
}

TEST(TextCodec, unencodableErrorNamesTheCharacterAndPlace)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    try {
        encodeDocument(u"ab\r\nж"_qs, cp1250, LineEnd::CrLf);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(),
                  u"The text holds a character that windows-1250 cannot represent (U+0436 at position 5)"_qs);
    }
}

TEST(CodePage, everyByteDecodesToItsOwnCharacterAndBack)
{
    const QByteArray all = allBytesExcept({});
    for (const char* name : {"windows-1250", "ISO-8859-2", "windows-1252", "windows-1253", "cp852", "KOI8-R",
                             "IBM437", "ISO-8859-1"}) {
        SCOPED_TRACE(name);
        const auto page = CodePage::forName(QString::fromLatin1(name));
        const QString text = page->decode(all);
        ASSERT_EQ(text.size(), 256);
        EXPECT_EQ(page->firstUnencodable(text), -1);
        for (int b = 0; b < 256; ++b)
            EXPECT_EQ(page->fromUnicode(text[b]), b);
    }
}

TEST(CodePage, builtInWindows1250AgreesWithThePlatformConverter)
{
    QStringDecoder platform("windows-1250");
    if (!platform.isValid())
        GTEST_SKIP() << "no platform converter for windows-1250";
    const QByteArray all = allBytesExcept({});
    EXPECT_EQ(CodePage::windows1250()->decode(all), platform.decode(all));
}

TEST(CodePage, refusesUnknownAndMultiByteEncodings)
{
    struct Row {
        const char* name;
        const char* message;
    };
    const Row rows[] = {
        {"no-such-page", "Unknown single-byte code page: no-such-page"},
        {"Shift_JIS", "Unknown single-byte code page: Shift_JIS"},
        {"UTF-8", "Unknown single-byte code page: UTF-8"},
        {"UTF-16LE", "Unknown single-byte code page: UTF-16LE"},
        {"", "Unknown single-byte code page: "},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        try {
            CodePage::forName(QString::fromLatin1(r.name));
            ADD_FAILURE() << "accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.message().toStdString(), r.message);
        }
    }
}

} // namespace
} // namespace varnik

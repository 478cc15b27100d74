#include "core/app/error.h"
#include "core/app/textcodec.h"
#include "core/app/textstreamdecoder.h"
#include "core/app/textstreamencoder.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

std::string hex(QByteArrayView b)
{
    return b.toByteArray().toHex(' ').toStdString();
}

struct Streamed {
    QByteArray text;
    DocumentEncoding encoding;
    LineEndCounts lineEnds;
    qint64 legacySize = -1; // LegacySize's count when the legacy pass ran
};

// Decodes as a file reader does: pieces of `pieceSize` bytes, UTF-8 first,
// the code page from the start again when that fails.
Streamed streamDecode(QByteArrayView file, qsizetype pieceSize)
{
    const auto run = [&](TextStreamDecoder& d, QByteArray& out) {
        for (qsizetype at = 0; at < file.size(); at += pieceSize)
            if (!d.decode(file.sliced(at, std::min(pieceSize, file.size() - at)), out))
                return false;
        return d.finish(out);
    };
    Streamed s;
    TextStreamDecoder utf8(TextStreamDecoder::Mode::Utf8);
    if (run(utf8, s.text)) {
        s.encoding = utf8.encoding();
        s.lineEnds = utf8.lineEnds();
        return s;
    }
    TextStreamDecoder::LegacySize counter(*CodePage::windows1250());
    for (qsizetype at = 0; at < file.size(); at += pieceSize)
        counter.add(file.sliced(at, std::min(pieceSize, file.size() - at)));
    s.legacySize = counter.bytes();
    s.text.clear();
    TextStreamDecoder legacy(TextStreamDecoder::Mode::Legacy, CodePage::windows1250());
    EXPECT_TRUE(run(legacy, s.text));
    s.encoding = legacy.encoding();
    s.lineEnds = legacy.lineEnds();
    return s;
}

QByteArray allBytes()
{
    QByteArray out;
    for (int b = 0; b < 256; ++b)
        out.append(char(b));
    return out;
}

// Files of every kind: the streamed text must be the UTF-8 of what the
// whole-file decoder makes of them, wherever the pieces are cut.
TEST(TextStreamDecoder, piecesGiveTheWholeFileDecoderText)
{
    QByteArray longAscii;
    for (int i = 0; i < 40; ++i)
        longAscii += "line " + QByteArray::number(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    const struct Row {
        const char* name;
        QByteArray file;
    } rows[] = {
        {"empty", ""},
        {"utf8Polish", "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\ng\xC4\x99\xC5\x9Bl\xC4\x85"},
        {"bomCrLf", "\xEF\xBB\xBF"
                    "a\r\nb\r\n"},
        {"bomOnly", "\xEF\xBB\xBF"},
        {"twoBomsKeepTheSecond", "\xEF\xBB\xBF\xEF\xBB\xBF"},
        {"bomAfterText", "a\xEF\xBB\xBF"},
        {"cutBomIsLegacy", "\xEF\xBB"},
        {"bomThenLegacyByte", "\xEF\xBB\xBF\xB9"},
        {"cp1250Polish", "Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9\r\nja\x9F\xF1"},
        {"legacyByteLate", longAscii + "\xB9"},
        {"everyByte", allBytes()},
        {"nulBytes", QByteArray("a\0b\r\n\0", 6)},
        {"mixedLineEndsInLongAscii", longAscii},
        {"crBeforeCrLf", "\r\r\n"},
        {"lfCrIsTwoBreaks", "\n\r"},
        {"crAtTheEnd", "abc\r"},
        {"astral", "\xF0\x9F\x98\x80x\xF0\x9F\x98\x80"},
        {"noncharacters", "\xEF\xBF\xBE\xEF\xBF\xBF"},
        {"overlongNul", "\xC0\x80"},
        {"encodedSurrogate", "\xED\xA0\x80"},
        {"pastU10FFFF", "\xF4\x90\x80\x80"},
        {"truncatedAtTheEnd", "ab\xC4"},
        {"continuationWithoutLead", "a\x80z"},
        {"leadBeforeAscii", "\xE2z\x82\xAC"},
        {"cp1250CrLfBytes", "\xB9\r\n\xE6\r"},
    };
    for (const Row& r : rows) {
        const DecodedText whole = decodeDocument(r.file, CodePage::windows1250());
        const QByteArray expected = whole.text.toUtf8();
        for (const qsizetype piece : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(7), qsizetype(9),
                                      std::max<qsizetype>(r.file.size(), 1)}) {
            SCOPED_TRACE(std::string(r.name) + " in pieces of " + std::to_string(piece));
            const Streamed s = streamDecode(r.file, piece);
            EXPECT_EQ(hex(s.text), hex(expected));
            EXPECT_EQ(s.encoding.name(), whole.encoding.name());
            EXPECT_EQ(s.lineEnds, whole.lineEnds);
            if (s.legacySize >= 0) {
                EXPECT_EQ(s.legacySize, s.text.size());
            }
        }
    }
}

TEST(TextStreamDecoder, failedPieceLeavesTheOutputAsItWas)
{
    TextStreamDecoder d(TextStreamDecoder::Mode::Utf8);
    QByteArray out;
    ASSERT_TRUE(d.decode("ab\r", out));
    EXPECT_EQ(out, QByteArray("ab"));
    EXPECT_FALSE(d.decode("\ncd\xFF", out));
    EXPECT_EQ(out, QByteArray("ab"));
}

// Texts as the edit control holds them (UTF-8), encoded piece by piece: the
// file bytes must equal what the UTF-16 encoder writes for the same text.
TEST(TextStreamEncoder, givesTheBytesOfTheUtf16Encoder)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    const auto latin2 = DocumentEncoding::legacy(u"ISO-8859-2"_qs);
    QString longText;
    for (int i = 0; i < 30; ++i)
        longText += u"wiersz ąę "_qs + QString::number(i) + (i % 2 ? u"\n"_qs : u"\r\n"_qs);
    const QString texts[] = {
        QString(),    u"line1\nline2\nline3"_qs,          u"a\r\nb\rc\nd"_qs, u"Zażółć gęślą jaźń\n€ 5\n"_qs,
        u"\n\n\n"_qs, QString::fromUtf16(u"a\0b\n\0", 5), u"\r"_qs,           longText,
    };
    const DocumentEncoding encodings[] = {DocumentEncoding::utf8(), DocumentEncoding::utf8(true), cp1250,
                                          latin2};
    for (const QString& text : texts) {
        const QByteArray utf8 = text.toUtf8();
        for (const DocumentEncoding& e : encodings) {
            if (!encodesLosslessly(text, e))
                continue; // refusals have a test of their own
            for (const LineEnd eol : {LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr}) {
                const QByteArray expected = encodeDocument(text, e, eol);
                for (const qsizetype piece : {qsizetype(8), qsizetype(11), qsizetype(1) << 20}) {
                    SCOPED_TRACE(text.left(20).toStdString() + " / " + e.name().toStdString() + " / " +
                                 std::to_string(int(eol)) + " / " + std::to_string(piece));
                    TextStreamEncoder encoder(utf8, e, eol);
                    QByteArray got;
                    for (QByteArrayView part; !(part = encoder.next(piece)).isEmpty();)
                        got += part;
                    EXPECT_EQ(hex(got), hex(expected));
                    EXPECT_EQ(encoder.done(), utf8.size());
                }
            }
        }
    }
}

TEST(TextStreamEncoder, charactersTheCodePageCannotHoldAreFoundAndRefused)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    const auto latin2 = DocumentEncoding::legacy(u"ISO-8859-2"_qs);
    const struct Row {
        const char* name;
        QString text;
        DocumentEncoding encoding;
    } rows[] = {
        {"polishInCp1250", u"Zażółć\ngęślą"_qs, cp1250},
        {"cyrillicInCp1250", u"ab\r\nж"_qs, cp1250},
        {"astralInCp1250", u"x😀"_qs, cp1250},
        {"afterAnAstralCharacter", u"😀ж"_qs, cp1250},
        {"euroInLatin2", u"ą€"_qs, latin2},
        {"anythingInUtf8", u"x😀ж"_qs, DocumentEncoding::utf8()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const qsizetype expected = firstUnencodable(r.text, r.encoding);
        EXPECT_EQ(firstUnencodableUtf8(r.text.toUtf8(), r.encoding), expected);
        if (expected < 0) {
            EXPECT_NO_THROW(encodeUtf8Document(r.text.toUtf8(), r.encoding, LineEnd::CrLf));
            continue;
        }
        try {
            encodeUtf8Document(r.text.toUtf8(), r.encoding, LineEnd::CrLf);
            ADD_FAILURE() << "encoded";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), unencodableMessage(r.text, expected, r.encoding));
        }
    }
}

// Bytes that are not UTF-8 cannot come from the edit control's own input, but
// if they are there they are written as the replacement character they show as.
TEST(TextStreamEncoder, malformedBytesStandForTheReplacementCharacter)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    const struct Row {
        const char* name;
        QByteArray text;
        QByteArray utf8File;
        qsizetype firstUnencodableInCp1250;
    } rows[] = {
        {"strayByte",
         "a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b",
         1},
        {"cutSequenceAtTheEnd", "ab\xC4", "ab\xEF\xBF\xBD", 2},
        {"leadBeforeAscii", "\xE2z", "\xEF\xBF\xBDz", 0},
        {"encodedSurrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", 0},
        {"wellFormed", "\xC4\x85", "\xC4\x85", -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(hex(encodeUtf8Document(r.text, DocumentEncoding::utf8(), LineEnd::Lf)), hex(r.utf8File));
        EXPECT_EQ(firstUnencodableUtf8(r.text, cp1250), r.firstUnencodableInCp1250);
        EXPECT_EQ(firstUnencodableUtf8(r.text, DocumentEncoding::utf8()), -1);
    }
}

} // namespace
} // namespace varnik

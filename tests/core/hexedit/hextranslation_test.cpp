// The five character sets of the character area, for every byte value.
#include "core/hexedit/hexeditor.h"
#include "core/hexedit/hextranslation.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

const std::shared_ptr<const CodePage>& cp1250()
{
    static const auto page = CodePage::windows1250();
    return page;
}

bool printable(QChar c)
{
    return c.unicode() >= 32 && !(c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

TEST(HexTranslation, everyByteRoundTripsThroughItsCharacter)
{
    struct Row {
        const char* name;
        TranslationType type;
        int printable; // at least this many bytes have a printable character of their own
    };
    const Row rows[] = {
        {"ANSI", TranslationType::Ansi, 210},     {"DOS", TranslationType::Dos8, 220},
        {"ASCII", TranslationType::Ascii, 95},    {"Mac", TranslationType::Mac, 220},
        {"EBCDIC", TranslationType::Ebcdic, 180},
    };
    for (const Row& row : rows) {
        const HexTranslation t(cp1250(), row.type);
        int count = 0;
        for (int b = 0; b < 256; ++b) {
            const QChar c = t.shown(quint8(b));
            const QChar masked = t.shown(quint8(b), QChar(u'~'), true);
            if (!printable(c)) {
                EXPECT_EQ(masked, u'~') << row.name << " byte " << b;
                continue;
            }
            ++count;
            EXPECT_EQ(masked, c) << row.name << " byte " << b;
            EXPECT_EQ(t.typedByte(c), b) << row.name << " byte " << b;
        }
        EXPECT_GE(count, row.printable) << row.name;
    }
}

TEST(HexTranslation, knownCodes)
{
    struct Row {
        TranslationType type;
        char16_t character;
        int byte;
    };
    const Row rows[] = {
        {TranslationType::Ansi, u'ą', 0xB9},   {TranslationType::Ansi, u'A', 0x41},
        {TranslationType::Dos8, u'ą', 0xA5},   {TranslationType::Dos8, u'Ł', 0x9D},
        {TranslationType::Ascii, u'A', 0x41},  {TranslationType::Ascii, u'ą', -1},
        {TranslationType::Mac, u'é', 0x8E},    {TranslationType::Mac, u'z', 0x7A},
        {TranslationType::Ebcdic, u'A', 0xC1}, {TranslationType::Ebcdic, u'0', 0xF0},
        {TranslationType::Ebcdic, u' ', 0x40}, {TranslationType::Ansi, u'\t', -1},
        {TranslationType::Ansi, u'€', 0x80},   {TranslationType::Ansi, u'ж', -1},
    };
    for (const Row& r : rows) {
        const HexTranslation t(cp1250(), r.type);
        EXPECT_EQ(t.typedByte(QChar(r.character)), r.byte) << int(r.type) << " " << int(r.character);
    }
}

TEST(HexTranslation, wholeBufferFromAnsiMatchesTypedCharacters)
{
    for (TranslationType type : {TranslationType::Ansi, TranslationType::Dos8, TranslationType::Ascii,
                                 TranslationType::Mac, TranslationType::Ebcdic}) {
        const HexTranslation t(cp1250(), type);
        // ASCII refuses typed characters from 128 up, but a whole buffer converts as DOS does.
        const HexTranslation typing(cp1250(), type == TranslationType::Ascii ? TranslationType::Dos8 : type);
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QByteArray translated = t.fromAnsi(all);
        ASSERT_EQ(translated.size(), 256);
        for (int b = 32; b < 256; ++b) {
            const int typed = typing.typedByte(cp1250()->toUnicode(quint8(b)));
            const int expected = typed >= 0 ? typed : (type == TranslationType::Ebcdic ? 0 : '?');
            EXPECT_EQ(quint8(translated[b]), expected) << int(type) << " byte " << b;
        }
        EXPECT_EQ(translated == all, type == TranslationType::Ansi);
    }
}

TEST(HexTranslation, masking)
{
    const HexTranslation ansi(cp1250(), TranslationType::Ansi);
    EXPECT_EQ(ansi.shown(0x09, QChar(u'.'), true), u'.');
    EXPECT_EQ(ansi.shown(0x09, QChar(u'.'), false), u'\t');
    EXPECT_EQ(ansi.shown(0x41, QChar(u'.'), true), u'A');
    EXPECT_EQ(ansi.shown(0xB9, QChar(u'.'), true), u'ą');
    const HexTranslation ascii(cp1250(), TranslationType::Ascii);
    EXPECT_EQ(ascii.shown(0xA5, QChar(u'?'), false), u'?');
    const HexTranslation ebcdic(cp1250(), TranslationType::Ebcdic);
    EXPECT_EQ(ebcdic.shown(0xC1, QChar(u'.'), false), u'A');
    EXPECT_EQ(ebcdic.shown(0x05, QChar(u'.'), false), u'.'); // a control
}

TEST(HexTranslation, setAsTextTranslatesTheBuffer)
{
    HexEditor editor;
    editor.setTranslation(TranslationType::Ebcdic);
    editor.newBuffer(QStringLiteral("Untitled"));
    editor.setAsText("A0 ");
    EXPECT_EQ(editor.getAsText().toHex(), "c1f040");
    editor.setTranslation(TranslationType::Dos8);
    editor.setAsText(QByteArray("\xB9"));
    EXPECT_EQ(editor.getAsText().toHex(), "a5");
}

TEST(HexTranslation, oemCodePages)
{
    EXPECT_EQ(HexTranslation::oemCodePageName(QStringLiteral("windows-1250")), "IBM852");
    EXPECT_EQ(HexTranslation::oemCodePageName(QStringLiteral("CP1251")), "IBM866");
    EXPECT_EQ(HexTranslation::oemCodePageName(QStringLiteral("something")), "IBM437");
}

} // namespace
} // namespace varnik

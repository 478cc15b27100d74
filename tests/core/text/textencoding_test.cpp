#include "core/app/error.h"
#include "core/text/textencoding.h"

#include "texttestsupport.h"

namespace varnik::test {
namespace {

TEST(TextEncoding, codePageMapsEveryByteBothWays)
{
    const TextEncoding cp1250 = TextEncoding::codePage("windows-1250");
    EXPECT_FALSE(cp1250.isUtf8());
    EXPECT_EQ(cp1250.name(), QByteArray("windows-1250"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QString text;
    ASSERT_TRUE(cp1250.decode(all, text));
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1250.encode(text), all);
    struct Row {
        uchar byte;
        char16_t ch;
    } rows[] = {{0x41, u'A'}, {0x80, u'€'}, {0xB9, u'ą'}, {0xEA, u'ę'},
                {0x8C, u'Ś'}, {0xA3, u'Ł'}, {0x81, 0x81}};
    for (const auto& r : rows) {
        EXPECT_EQ(cp1250.charForByte(r.byte), QChar(r.ch)) << int(r.byte);
        EXPECT_EQ(cp1250.byteForChar(QChar(r.ch)), r.byte) << int(r.byte);
    }
    EXPECT_EQ(cp1250.byteForChar(QChar(u'中')), -1);
}

TEST(TextEncoding, unknownCodePageIsAnError)
{
    EXPECT_THROW(TextEncoding::codePage("no-such-charset"), Error);
}

TEST(TextEncoding, equalityFollowsTheName)
{
    EXPECT_EQ(TextEncoding::utf8(), TextEncoding());
    EXPECT_EQ(TextEncoding::codePage("windows-1250"), TextEncoding::codePage("windows-1250"));
    EXPECT_FALSE(TextEncoding::utf8() == TextEncoding::codePage("windows-1250"));
}

TEST(TextEncoding, utf8RefusesBrokenBytesAndLoneSurrogates)
{
    const TextEncoding utf8;
    struct Row {
        const char* bytes;
        bool valid;
    } rows[] = {{"abc", true},
                {"\xc4\x85", true},
                {"\xc4", false},
                {"\x85", false},
                {"\xc0\x80", false},
                {"\xed\xa0\x80", false},
                {"\xf4\x90\x80\x80", false},
                {"\xff", false}};
    for (const auto& r : rows) {
        QString text;
        EXPECT_EQ(utf8.decode(QByteArray(r.bytes), text), r.valid) << r.bytes;
    }
    EXPECT_THROW(utf8.encode(QString(QChar(0xD800))), Error);
    EXPECT_EQ(utf8.encode(u8("😀")), QByteArray("\xf0\x9f\x98\x80"));
}

} // namespace
} // namespace varnik::test

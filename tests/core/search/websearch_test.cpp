#include "core/app/queryencoding.h"
#include "core/search/websearch.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(QueryEncode, keepsLettersAndDigitsAndEncodesEveryOtherByte)
{
    struct Row {
        QString text;
        const char* expected;
    };
    const Row rows[] = {
        {QStringLiteral("a b&c"), "a+b%26c"},
        {QStringLiteral("C&A"), "C%26A"},
        {QStringLiteral("a b"), "a+b"},
        {QString(), ""},
        {QStringLiteral("AZaz09"), "AZaz09"},
        {QStringLiteral("  "), "++"},
        {QStringLiteral("-_.~"), "%2D%5F%2E%7E"},
        {QStringLiteral("+%"), "%2B%25"},
        {QStringLiteral("a\tb\r\n"), "a%09b%0D%0A"},
        {QStringLiteral("\u0105"), "%C4%85"},           // ą, as its UTF-8 bytes
        {QStringLiteral("\U0001F600"), "%F0%9F%98%80"}, // outside the basic plane
        {QString(QChar(0)), "%00"},
        {QStringLiteral("\u00ff"), "%C3%BF"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(queryEncode(r.text), QString::fromLatin1(r.expected)) << r.expected;
}

TEST(QueryEncode, bytesAboveSevenBitsUseUpperCaseHex)
{
    EXPECT_EQ(queryEncode(QByteArray("\xab\xff\x80", 3)), QStringLiteral("%AB%FF%80"));
}

TEST(WebSearch, buildsTheQueryAddresses)
{
    EXPECT_EQ(webSearchUrl(QStringLiteral("C&A")), QStringLiteral("https://www.google.com/search?q=C%26A"));
    EXPECT_EQ(filmSearchUrl(QStringLiteral("a b")),
              QStringLiteral("https://www.imdb.com/Find?select=All&for=a+b"));
    EXPECT_EQ(webSearchUrl(QString()), QStringLiteral("https://www.google.com/search?q="));
}

} // namespace
} // namespace varnik

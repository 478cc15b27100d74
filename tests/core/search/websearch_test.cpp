#include "core/app/queryencoding.h"
#include "core/search/websearch.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(QueryEncode, keepsLettersAndDigitsAndEncodesEveryOtherUtf8Byte)
{
    const std::pair<QString, const char*> rows[] = {
        {"a b&c", "a+b%26c"},
        {"C&A", "C%26A"},
        {"", ""},
        {"AZaz09", "AZaz09"},
        {"-_.~+%", "%2D%5F%2E%7E%2B%25"},
        {"a\tb\r\n", "a%09b%0D%0A"},
        {"\u0105", "%C4%85"},
        {"\U0001F600", "%F0%9F%98%80"},
        {QString(QChar(0)), "%00"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(queryEncode(text), QString::fromLatin1(expected)) << expected;
    EXPECT_EQ(queryEncode(QByteArray("\xab\xff", 2)), QStringLiteral("%AB%FF"));
    EXPECT_EQ(webSearchUrl("C&A"), QStringLiteral("https://www.google.com/search?q=C%26A"));
    EXPECT_EQ(filmSearchUrl("a b"), QStringLiteral("https://www.imdb.com/Find?select=All&for=a+b"));
}

} // namespace
} // namespace varnik

#include "core/app/error.h"
#include "core/text/numberwords.h"
#include "core/text/romannumerals.h"

#include "texttestsupport.h"

#include <limits>

namespace varnik::test {
namespace {

TEST(NumberWords, englishSpellingsAndForms)
{
    struct Row {
        qint32 n;
        const char* words;
    } rows[] = {
        {0, " zero"},
        {7, " seven"},
        {12, " twelve"},
        {20, " twenty"},
        {21, " twenty one"},
        {100, " one hundred"},
        {101, " one hundred one"},
        {110, " one hundred ten"},
        {1000, " one thausend"},
        {1001, " one thausend one"},
        {1010, " one thausend ten"},
        {1234, " one thausend two hundred thirty four"},
        {2000, " two thausends"},
        {1000000, " one milion"},
        {1000001, " one milion one"},
        {2003000, " two milions three thausends"},
        {999999999,
         " nine hundred ninety nine milions nine hundred ninety nine thausends nine hundred ninety nine"},
        {-5, "minus five"},
        {-1000, "minus one thausend"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(numberToWords(r.n, WordsLanguage::English), u8(r.words)) << r.n;
}

TEST(NumberWords, polishSpellingsAndForms)
{
    struct Row {
        qint32 n;
        const char* words;
    } rows[] = {
        {0, " zero"},
        {12, " dwanaście"},
        {16, " szesnascie"},
        {115, " sto piętnaście"},
        {999, " dziewięćset dziewięćdziesiąt dziewięć"},
        {1000, " jeden tysiąc"},
        {2000, " dwa tysiące"},
        {5000, " pięć tysięcy"},
        {12000, " dwanaście tysięcy"},
        {21000, " dwadzieścia jeden tysiąc"},
        {22000, " dwadzieścia dwa tysiące"},
        {1000000, " jeden milion"},
        {2000000, " dwa miliony"},
        {5000000, " pięć milionów"},
        {1002000, " jeden milion dwa tysiące"},
        {-3, "minus trzy"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(numberToWords(r.n, WordsLanguage::Polish), u8(r.words)) << r.n;
}

TEST(NumberWords, refusesOneThousandMillionAndMore)
{
    for (qint32 n :
         {1000000000, -1000000000, std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::min()}) {
        try {
            numberToWords(n, WordsLanguage::English);
            ADD_FAILURE() << n;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), u8("Sorry - number must be < 1000000000!"));
        }
    }
}

TEST(RomanNumerals, fromNumber)
{
    struct Row {
        qint32 n;
        const char* roman;
    } rows[] = {
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {1994, "MCMXCIV"},
        {3888, "MMMDCCCLXXXVIII"},
        {4000, "Mv"},
        {5000, "v"},
        {9999999, "m!cmxcMxCMXCIX"},
        {0, ""},
        {-1, "Negative"},
        {10000000, "Too Big"},
        {std::numeric_limits<qint32>::max(), "Too Big"},
        {std::numeric_limits<qint32>::min(), "Negative"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(numberToRoman(r.n), u8(r.roman)) << r.n;
}

TEST(RomanNumerals, toNumber)
{
    struct Row {
        const char* roman;
        qint64 n;
    } rows[] = {
        {"MMXXIV", 2024},
        {"MCMXCIV", 1994},
        {"XIV", 14},
        {"IIX", 10},
        {"", 0},
        {"ABC", -1},
        {"Mv", 4000},
        {"mcm", 1900000},
        {"?", 5000000},
        {"!", 10000000},
        {"X I", -1},
        {"iv", -1},
        {"MMMDCCCLXXXVIII", 3888},
    };
    for (const auto& r : rows)
        EXPECT_EQ(romanToNumber(u8(r.roman)), r.n) << r.roman;
    // Round trip over the whole range where the two agree.
    for (qint32 n = 1; n < 4000; ++n)
        ASSERT_EQ(romanToNumber(numberToRoman(n)), n);
}

TEST(RomanNumerals, longTextNeitherOverflowsNorStops)
{
    EXPECT_EQ(romanToNumber(QString(1000000, u'!')), qint64(10000000) * 1000000);
}

} // namespace
} // namespace varnik::test

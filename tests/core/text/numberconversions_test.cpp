#include "core/app/error.h"
#include "core/text/baseconversion.h"
#include "core/text/charcodes.h"
#include "core/text/integertext.h"
#include "core/text/ipconversions.h"
#include "core/text/itemsplit.h"
#include "core/text/numberruns.h"
#include "core/text/statistics.h"
#include "core/text/timeconversions.h"

#include "texttestsupport.h"

#include <functional>
#include <optional>

namespace varnik::test {
namespace {

TEST(ParseInteger, acceptsDecimalAndDollarHexWithinTheSigned32BitRange)
{
    struct Row {
        const char* text;
        std::optional<qint32> value;
    } rows[] = {
        {"0", 0},
        {"  42", 42},
        {"+7", 7},
        {"-2147483648", -2147483647 - 1},
        {"2147483647", 2147483647},
        {"$ff", 255},
        {"-$10", -16},
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"1-2", std::nullopt},
        {"12 ", std::nullopt},
        {"\t1", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
        {"99999999999999999999999999999999999999", std::nullopt},
    };
    for (const Row& r : rows) {
        qint32 v = -99;
        const bool ok = tryParseInteger(u8(r.text), v);
        EXPECT_EQ(ok, r.value.has_value()) << r.text;
        if (ok && r.value) {
            EXPECT_EQ(v, *r.value) << r.text;
        }
    }
}

TEST(ParseInteger, errorQuotesTheTextShortenedWhenLong)
{
    try {
        parseInteger(u"1-2");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), u8("'1-2' is not a valid integer value"));
    }
    try {
        parseInteger(QString(5000, u'9'));
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_LT(e.message().size(), 100);
    }
}

struct RunRow {
    const char* name;
    std::function<QString(QStringView)> op;
    const char* input;
    const char* expected; // nullptr: the conversion throws
};

TEST(NumberRuns, convertEachRunAndKeepTheSeparators)
{
    const RunRow rows[] = {
        {"bin_spaced", binRunsToDecimal, "10 11 2", "2 3 2"},
        {"bin_loneMinus_isZero", binRunsToDecimal, "-", "0"},
        {"bin_negative", binRunsToDecimal, "-101", "-5"},
        {"bin_innerMinusCountsAsZero", binRunsToDecimal, "1-1", "5"},
        {"bin_32Ones_wrapToMinusOne", binRunsToDecimal, "11111111111111111111111111111111", "-1"},
        {"bin_33rdDigitWrapsAway", binRunsToDecimal, "100000000000000000000000000000001", "1"},
        {"bin_noDigits_unchanged", binRunsToDecimal, "abc", "abc"},
        {"dec2bin_255", decimalRunsToBinary, "255", "11111111"},
        {"dec2bin_256_pads16", decimalRunsToBinary, "256", "0000000100000000"},
        {"dec2bin_zero", decimalRunsToBinary, "0", "00000000"},
        {"dec2bin_5", decimalRunsToBinary, "5", "00000101"},
        {"dec2bin_300", decimalRunsToBinary, "300", "0000000100101100"},
        {"dec2bin_65536_pads32", decimalRunsToBinary, "65536", "00000000000000010000000000000000"},
        {"dec2bin_negative_signCountsInPadding", decimalRunsToBinary, "-5", "0000-101"},
        {"dec2bin_minInt", decimalRunsToBinary, "-2147483648", "-10000000000000000000000000000000"},
        {"dec2bin_list", decimalRunsToBinary, "1,2", "00000001,00000010"},
        {"dec2bin_date_isOneRun", decimalRunsToBinary, "2024-01-05", nullptr},
        {"dec2bin_loneMinus", decimalRunsToBinary, "a - b", nullptr},
        {"dec2bin_tooBig", decimalRunsToBinary, "4294967296", nullptr},
        {"hex_list", hexRunsToDecimal, "ff,10", "255,16"},
        {"hex_face", hexRunsToDecimal, "face", "64206"},
        {"hex_0x_splitsRuns", hexRunsToDecimal, "0x1F", "0x31"},
        {"hex_allF_isMinusOne", hexRunsToDecimal, "FFFFFFFF", "-1"},
        {"hex_minus_zeroesTheRun", hexRunsToDecimal, "-5", "0"},
        {"hex_minusAnywhere_givesZero", hexRunsToDecimal, "1-10", "0"},
        {"hex_nineDigits_wrap", hexRunsToDecimal, "123456789", "591751049"},
        {"dec2hex_5", decimalRunsToHex, "5", "05"},
        {"dec2hex_255", decimalRunsToHex, "255", "FF"},
        {"dec2hex_4096", decimalRunsToHex, "4096", "1000"},
        {"dec2hex_negative_twosComplement", decimalRunsToHex, "-1", "FFFFFFFF"},
        {"dec2hex_negativeSmall", decimalRunsToHex, "-255", "FFFFFF01"},
        {"dec2hex_date", decimalRunsToHex, "2024-01-05", nullptr},
        {"dec2hex_thousandsOfDigits", decimalRunsToHex, nullptr, nullptr},
    };
    for (const RunRow& r : rows) {
        const QString in = r.input ? u8(r.input) : QString(3000, u'7');
        if (r.expected)
            EXPECT_EQ(r.op(in), u8(r.expected)) << r.name;
        else
            EXPECT_THROW(r.op(in), Error) << r.name;
    }
}

TEST(BaseConversion, reportsErrorCodes)
{
    struct Row {
        const char* number;
        int from, to;
        int error;
        const char* result;
    } rows[] = {
        {"FF", 16, 10, 0, "255"},
        {"ff", 16, 2, 0, "11111111"},
        {"0", 16, 10, 0, "0"},
        {"000", 10, 10, 0, "0"},
        {"255", 10, 16, 0, "FF"},
        {"Z", 36, 10, 0, "35"},
        {"35", 10, 36, 0, "Z"},
        {"999999999999999999", 10, 10, 0, "999999999999999999"},
        {"1000000000000000000", 10, 10, -3, ""},
        {"DE0B6B3A7640000", 16, 10, -3, ""},
        {"12", 2, 10, -2, ""},
        {"", 10, 10, -2, ""},
        {"G", 16, 10, -2, ""},
        {"-1", 10, 2, -2, ""},
        {"1", 1, 10, -1, ""},
        {"1", 10, 37, -1, ""},
        {"1:", 16, 10, -3, ""},
        {"@", 16, 10, -3, ""},
        {"\xc4\x85", 36, 10, -2, ""},
    };
    for (const auto& r : rows) {
        const BaseConversion c = convertBase(u8(r.number), r.from, r.to);
        EXPECT_EQ(c.error, r.error) << r.number << " " << r.from << "->" << r.to;
        EXPECT_EQ(c.result, u8(r.result)) << r.number;
    }
    // Leading zeros by the thousand add nothing.
    EXPECT_EQ(convertBase(QString(5000, u'0') + u8("1F"), 16, 10).result, u8("31"));
    EXPECT_EQ(convertBase(u8("1") + QString(5000, u'0'), 16, 10).error, -3);
}

TEST(SplitItems, collectsItemsBetweenDelimiters)
{
    struct Row {
        const char* text;
        const char* delimiter;
        QStringList items;
    } rows[] = {
        {"a,b", ",", {"a", "b"}},
        {"a,", ",", {"a"}},
        {",a", ",", {"", "a"}},
        {"a,,b", ",", {"a", "", "b"}},
        {",", ",", {""}},
        {",,,", ",", {"", "", ""}},
        {"", ",", {}},
        {"abc", "", {"abc"}},
        {"1<>2<>", "<>", {"1", "2"}},
    };
    for (const auto& r : rows) {
        QStringList got;
        const QString text = u8(r.text); // the items are views into it
        for (QStringView v : splitItems(text, u8(r.delimiter)))
            got << v.toString();
        EXPECT_EQ(got, r.items) << r.text;
    }
}

TEST(CharCodes, codesBecomeCharactersOfTheDocumentEncoding)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    struct Row {
        const char* name;
        const TextEncoding* encoding;
        const char* input;
        const char* expected; // nullptr: throws
    } rows[] = {
        {"spaced", &cp1250, "65 66", "A B"},
        {"commas", &cp1250, "72,105", "H,i"},
        {"low8Bits", &cp1250, "321", "A"},
        {"legacyPolish", &cp1250, "185,234", "ą,ę"},
        {"legacyEuro", &cp1250, "128", "€"},
        {"legacyUndefinedByte", &cp1250, "129", "\xc2\x81"},
        {"tooLong_stays", &cp1250, "99999999999", "99999999999"},
        {"minusIsASeparator", &cp1250, "-65", "-A"},
        {"utf8Ascii", nullptr, "72,105", "H,i"},
        {"utf8HighCode_throws", nullptr, "196,133", nullptr},
    };
    for (const auto& r : rows) {
        const TextEncoding e = r.encoding ? *r.encoding : TextEncoding::utf8();
        if (r.expected)
            EXPECT_EQ(codesToChars(u8(r.input), e), u8(r.expected)) << r.name;
        else
            EXPECT_THROW(codesToChars(u8(r.input), e), Error) << r.name;
    }
}

TEST(CharCodes, charactersBecomeTheirByteCodes)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    struct Row {
        const char* name;
        const TextEncoding* encoding;
        const char* input;
        const char* expected;
    } rows[] = {
        {"ascii", &cp1250, "Hi", "72,105"},
        {"lineBreak", &cp1250, "a\r\n", "97,13,10"},
        {"legacyPolish", &cp1250, "ąę", "185,234"},
        {"utf8Polish_twoBytesEach", nullptr, "ą", "196,133"},
        {"empty", nullptr, "", ""},
        {"nul", nullptr, nullptr, "0"},
    };
    for (const auto& r : rows) {
        const TextEncoding e = r.encoding ? *r.encoding : TextEncoding::utf8();
        const QString in = r.input ? u8(r.input) : QString(QChar(0));
        EXPECT_EQ(charsToCodes(in, e), u8(r.expected)) << r.name;
    }
    try {
        charsToCodes(u8("a中"), cp1250);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), u8("Character '中' (U+4e2d) has no code in windows-1250"));
    }
}

TEST(CharCodes, legacyRoundTripOfEveryByte)
{
    const TextEncoding cp1250 = TextEncoding::codePage();
    QString codes;
    for (int b = 0; b < 256; ++b)
        codes += (b ? u8(",") : QString()) + QString::number(b);
    const QString chars = codesToChars(codes, cp1250);
    EXPECT_EQ(chars.size(), 256 + 255);
    QString joined;
    for (qsizetype i = 0; i < chars.size(); i += 2)
        joined += chars[i];
    EXPECT_EQ(charsToCodes(joined, cp1250), codes);
}

TEST(TimeConversions, secondsToHoursMinutesSeconds)
{
    struct Row {
        const char* input;
        const char* expected; // nullptr: throws
    } rows[] = {
        {"3725", "3725 = 1 h 2 m 5 s"},
        {"-61", "-61 = 0 h -1 m -1 s"},
        {"0", "0 = 0 h 0 m 0 s"},
        {"  86399", "  86399 = 23 h 59 m 59 s"},
        {"-2147483648", "-2147483648 = -596523 h -14 m -8 s"},
        {"3725\r\n", nullptr},
        {"1.5", nullptr},
    };
    for (const auto& r : rows) {
        if (r.expected)
            EXPECT_EQ(secondsToHms(u8(r.input)), u8(r.expected)) << r.input;
        else
            EXPECT_THROW(secondsToHms(u8(r.input)), Error) << r.input;
    }
}

TEST(TimeConversions, unixTimeInStandardTime)
{
    struct Row {
        const char* input;
        int bias;
        const char* expected;
    } rows[] = {
        {"0", 0, "1970-01-01 00:00:00"},          {"0", -60, "1970-01-01 01:00:00"},
        {"0", 300, "1969-12-31 19:00:00"},        {"1700000000", 0, "2023-11-14 22:13:20"},
        {"2147483647", 0, "2038-01-19 03:14:07"}, {"-2147483648", 0, "1901-12-13 20:45:52"},
        {"86399", 0, "1970-01-01 23:59:59"},
    };
    const DateTimeLocale locale;
    for (const auto& r : rows)
        EXPECT_EQ(unixTimeText(u8(r.input), r.bias, locale), u8(r.expected)) << r.input << " " << r.bias;
    EXPECT_THROW(unixTimeText(u"x", 0, locale), Error);
}

TEST(IpConversions, dottedToHexAndBack)
{
    struct Row {
        const char* input;
        const char* expected; // nullptr: throws
    } toHex[] = {
        {"192.168.0.1", "192.168.0.1 = C0A80001"},
        {"0.0.0.0", "0.0.0.0 = 00000000"},
        {"255.255.255.255", "255.255.255.255 = FFFFFFFF"},
        {"1.2.3.4.", "1.2.3.4. = 01020304"},
        {"1.2.3", nullptr},
        {"1.2.3.256", nullptr},
        {"1.2.3.-1", nullptr},
        {"1.2..3", nullptr},
        {"a.b.c.d", nullptr},
        {"1.2.3.4.5", nullptr},
    };
    for (const auto& r : toHex) {
        if (r.expected)
            EXPECT_EQ(ipToHex(u8(r.input)), u8(r.expected)) << r.input;
        else
            EXPECT_THROW(ipToHex(u8(r.input)), Error) << r.input;
    }
    const Row toIp[] = {
        {"C0A80001", "C0A80001 = 192.168.0.1"},
        {"ffffffff", "ffffffff = 255.255.255.255"},
        {"0", "0 = 0.0.0.0"},
        {"7F000001", "7F000001 = 127.0.0.1"},
        {"C0A8 0001", nullptr},
        {"xyz", nullptr},
        {"", nullptr},
    };
    for (const auto& r : toIp) {
        if (r.expected)
            EXPECT_EQ(hexToIp(u8(r.input), u'.'), u8(r.expected)) << r.input;
        else
            EXPECT_THROW(hexToIp(u8(r.input), u'.'), Error) << r.input;
    }
}

TEST(IpConversions, parsesOnlyFourDecimalParts)
{
    struct Row {
        const char* text;
        std::optional<quint32> address;
    } rows[] = {{"127.0.0.1", 0x7F000001u},  {"255.255.255.255", 0xFFFFFFFFu}, {"1.2.3", std::nullopt},
                {"1.2.3.256", std::nullopt}, {"1.2.3.4 ", std::nullopt},       {"example.com", std::nullopt},
                {"0001.2.3.4", std::nullopt}};
    for (const auto& r : rows) {
        quint32 a = 0;
        EXPECT_EQ(parseDottedIpv4(u8(r.text), a), r.address.has_value()) << r.text;
        if (r.address) {
            EXPECT_EQ(a, *r.address) << r.text;
        }
    }
}

TEST(Statistics, summarisesTheNumbersOfAList)
{
    struct Row {
        const char* input;
        QChar separator;
        const char* line;
    } rows[] = {
        {"1,2,3", u'.', "cnt=3 sum=6.00000000 avg=2.00000000 max=3.00000000 min=1.00000000"},
        {"a,2,4", u'.', "cnt=2 sum=6.00000000 avg=3.00000000 max=4.00000000 min=0.00000000"},
        {"-1,-5", u'.', "cnt=2 sum=-6.00000000 avg=-3.00000000 max=-1.00000000 min=-5.00000000"},
        {"", u'.', "cnt=0 sum=0.00000000 avg=0.00000000 max=0.00000000 min=0.00000000"},
        {"x,y", u'.', "cnt=0 sum=0.00000000 avg=0.00000000 max=0.00000000 min=0.00000000"},
        {" 1.5 ,2.5", u'.', "cnt=2 sum=4.00000000 avg=2.00000000 max=2.50000000 min=1.50000000"},
        {"1,5", u',', "cnt=2 sum=6,00000000 avg=3,00000000 max=5,00000000 min=1,00000000"},
        {"1e20,1", u'.', "cnt=2 sum=1E20 avg=5E19 max=1E20 min=1.00000000"},
        {"-0.000000001", u'.', "cnt=1 sum=0.00000000 avg=0.00000000 max=0.00000000 min=0.00000000"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(numberStatistics(u8(r.input), r.separator), u8(r.input) + u8("\r\n") + u8(r.line))
            << r.input;
    }
}

TEST(Statistics, overflowIsAnError)
{
    EXPECT_THROW(numberStatistics(u"1.1e4932,1.1e4932", u'.'), Error);
}

} // namespace
} // namespace varnik::test

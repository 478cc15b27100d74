#include "core/calc/converterpages.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(ConverterPages, exponentForm)
{
    struct Row {
        long double value;
        int significant, exponentDigits;
        const char* expected;
    };
    const Row rows[] = {
        {5000, 3, 4, "5.00E+0003"},
        {0.00123L, 2, 4, "1.2E-0003"},
        {-5e100L, 1, 4, "-5E+0100"},
        {0, 3, 4, "0.00E+0000"},
        {-0.0L, 2, 4, "0.0E+0000"},
        {1e18L, 1, 1, "1E+18"},
        {1, 1, 1, "1E+0"},
        {1e-18L, 1, 1, "1E-18"},
        {1e4000L, 2, 4, "1.0E+4000"},
        {123456789, 18, 4, "1.23456789000000000E+0008"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(exponentForm(r.value, r.significant, r.exponentDigits).toStdString(), r.expected)
            << r.expected;
    EXPECT_EQ(exponentForm(2.5L, 2, 4, u','), QStringLiteral("2,5E+0000"));
}

TEST(ConverterPages, resultFormats)
{
    struct Row {
        long double value;
        int precision;
        bool scientific;
        const char* expected;
    };
    const Row rows[] = {
        {5000000, 3, false, "5000000.000"},
        {5000000, 3, true, "5.00E+0006"},
        {2.0L / 3, 0, false, "0.666666666666667"},
        {2.0L / 3, 0, true, "0.666666666666667"},
        {-0.0004L, 2, false, "0.00"},
        {-1.5L, 1, false, "-1.5"},
        {0.125L, 18, false, "0.125000000000000000"},
        {3.08568378545e13L, 3, false, "30856837854500.000"},
        {1e20L, 3, false, "1.000E+0020"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(formatConverted(r.value, r.precision, r.scientific).toStdString(), r.expected)
            << r.expected;
    EXPECT_EQ(formatConverted(1.5L, 2, false, u','), QStringLiteral("1,50"));
}

TEST(ConverterPages, prefixLabels)
{
    const char* expected[] = {
        "E = Quntillion = x 1E+18 = 1000000000000000000",
        "P = Quadrillion = x 1E+15 = 1000000000000000",
        "T = Trillion = x 1E+12 = 1000000000000",
        "G = Billion = x 1E+9 = 1000000000",
        "M = Million = x 1E+6 = 1000000",
        "k = Thousand = x 1E+3 = 1000",
        "h = Hundred = x 1E+2 = 100",
        "da = Ten = x 1E+1 = 10",
        "1 = 1 = x 1E+0 = 1",
        "d = One-tenth = x 1E-1 = 0.1",
        "c = one-hundredth = x 1E-2 = 0.01",
        "m = one-thousandth = x 1E-3 = 0.001",
        "µ = one-millionth = x 1E-6 = 0.000001",
        "n = one-billionth = x 1E-9 = 0.000000001",
        "p = one-trillionth = x 1E-12 = 0.000000000001",
        "f = one-quadrillionth = x 1E-15 = 0.000000000000001",
        "a = one-quintillionth = x 1E-18 = 0.000000000000000001",
    };
    ASSERT_EQ(std::size(expected), metricPrefixes().size());
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i)
        EXPECT_EQ(prefixLabel(i), QString::fromUtf8(expected[i]));
    EXPECT_EQ(prefixLabel(-1), QStringLiteral("?"));
}

TEST(ConverterPages, standardPage)
{
    struct Row {
        const char* name;
        StandardPage page;
        const char* result;
        QString error;
    };
    auto page = [](int mode, int from, int to, const char* input, int prefix = kNoPrefix, int precision = 3) {
        StandardPage p;
        p.mode = mode;
        p.from = from;
        p.to = to;
        p.input = QString::fromUtf8(input);
        p.prefix = prefix;
        p.precision = precision;
        return p;
    };
    const int k = 5, E = 0;
    const Row rows[] = {
        {"kilometresWithPrefix", page(UniConvert::Length, 0, 1, "5", k), "5000000.000", {}},
        {"generalFormAtPrecisionZero",
         page(UniConvert::Length, 0, 16, "1", kNoPrefix, 0),
         "3.24077277366E-14",
         {}},
        {"temperatureIgnoresNothing", page(UniConvert::Temperature, 0, 1, "100"), "212.000", {}},
        {"empty", page(UniConvert::Length, 0, 1, ""), "", kInvalidInputMessage},
        {"minusAlone", page(UniConvert::Length, 0, 1, "-"), "", kInvalidInputMessage},
        {"beyondExtended", page(UniConvert::Length, 0, 1, "1e5000"), "", kInvalidInputMessage},
        {"notANumber", page(UniConvert::Length, 0, 1, "NaN"), "", kInvalidInputMessage},
        {"prefixOverflows", page(UniConvert::Length, 0, 1, "1e4920", E), "", kInvalidInputMessage},
        {"conversionOverflows", page(UniConvert::Length, 0, 7, "1e4920"), "", kConversionErrorMessage},
    };
    for (const Row& r : rows) {
        const PageResult got = computeStandard(r.page);
        EXPECT_EQ(got.result.toStdString(), r.result) << r.name;
        EXPECT_EQ(got.error, r.error) << r.name;
    }
    const PageResult huge = computeStandard(page(UniConvert::Length, 0, 1, std::string(10000, '9').c_str()));
    EXPECT_EQ(huge.error, kInvalidInputMessage);
}

TEST(ConverterPages, basesPage)
{
    EXPECT_EQ(computeBases(16, 10, QStringLiteral("ff"), true).result, QStringLiteral("255"));
    EXPECT_EQ(computeBases(16, 10, QStringLiteral("G"), true).error, kInvalidForSystemMessage);
    EXPECT_TRUE(computeBases(16, 10, QStringLiteral("G"), false).error.isEmpty());
    EXPECT_EQ(computeBases(36, 2, QString(500, u'Z'), true).error, kConversionErrorMessage);
    EXPECT_EQ(computeBases(2, 36, QStringLiteral("100011"), true).result, QStringLiteral("Z"));
}

TEST(ConverterPages, descriptionLines)
{
    StandardPage p;
    p.mode = UniConvert::Length;
    p.from = 0;
    p.to = 1;
    p.input = QStringLiteral("5");
    p.prefix = 5;
    EXPECT_EQ(standardDescription(p, QStringLiteral("5000000.000")),
              QStringLiteral("5 km * 1000 = 5000000.000 m"));
    p.prefix = kNoPrefix;
    EXPECT_EQ(standardDescription(p, QStringLiteral("5000.000")), QStringLiteral("5 km = 5000.000 m"));
    p.prefix = 11;
    EXPECT_EQ(standardDescription(p, QStringLiteral("5,000"), u','),
              QStringLiteral("5 km * 0,001 = 5,000 m"));
    EXPECT_TRUE(standardDescription(p, QString()).isEmpty());

    const int MB = findBitUnit(QStringLiteral("MB")), kB = findBitUnit(QStringLiteral("kB"));
    EXPECT_EQ(bitsDescription(MB, kB, QStringLiteral("1"), computeBits(MB, kB, QStringLiteral("1")).result),
              QStringLiteral("1 MB = 1024 kB"));
    EXPECT_TRUE(bitsDescription(MB, kB, QStringLiteral("x"), QString()).isEmpty());

    EXPECT_EQ(basesDescription(16, 10, QStringLiteral("FF"), QStringLiteral("255")),
              QStringLiteral("FF as X*16^N = 255 as X*10^N"));
    EXPECT_TRUE(basesDescription(16, 10, QStringLiteral("G"), QString()).isEmpty());
}

} // namespace
} // namespace varnik

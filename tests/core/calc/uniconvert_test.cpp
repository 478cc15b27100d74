#include "core/calc/uniconvert.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnik {
namespace {

long double convert(int mode, int from, int to, long double value)
{
    UniConvert c;
    c.setConvertMode(mode);
    c.setConvertFrom(from);
    c.setConvertTo(to);
    c.setInputValue(value);
    EXPECT_TRUE(c.convert());
    return c.outputValue();
}

TEST(UniConvert, everyPairRoundTripsWithinOnePartInABillion)
{
    for (int mode = 0; mode < UniConvert::kModeCount; ++mode) {
        const int count = static_cast<int>(UniConvert::units(mode).size());
        for (int a = 0; a < count; ++a) {
            for (int b = 0; b < count; ++b) {
                const long double value = 123.456L;
                const long double back = convert(mode, b, a, convert(mode, a, b, value));
                EXPECT_LT(std::fabs(back - value) / value, 1e-9L)
                    << "mode " << mode << ": " << a << " -> " << b;
            }
        }
    }
}

TEST(UniConvert, listedFactorsAreExact)
{
    struct Row {
        const char* name;
        int mode, from, to;
        long double factor;
    };
    const Row rows[] = {
        {"auToLy", UniConvert::Length, 14, 15, 1.58108187679e-5L},
        {"lyToAu", UniConvert::Length, 15, 14, 63247.8314172L},
        {"auToPar", UniConvert::Length, 14, 16, 4.84750578479e-6L},
        {"parToAu", UniConvert::Length, 16, 14, 206291.656864L},
        {"lyToPar", UniConvert::Length, 15, 16, 0.30659422867L},
        {"parToLy", UniConvert::Length, 16, 15, 3.26164L},
        {"parToKm", UniConvert::Length, 16, 0, 3.08568378545e13L},
        {"kmToPar_roundedToTwelveDigits", UniConvert::Length, 0, 16, 3.24077277366e-14L},
        {"mToIn_roundedToTwelveDigits", UniConvert::Length, 1, 13, 39.3700787402L},
        {"ftToIn", UniConvert::Length, 12, 13, 12},
        {"longTonToLb", UniConvert::Mass, 6, 8, 2240},
        {"lbToLongTon", UniConvert::Mass, 8, 6, 4.46428571429e-4L},
        {"longTonToOz", UniConvert::Mass, 6, 9, 35840},
        {"shortTonToLb", UniConvert::Mass, 7, 8, 2000},
        {"lbToShortTon", UniConvert::Mass, 8, 7, 0.0005L},
        {"lbToOz", UniConvert::Mass, 8, 9, 16},
        {"ozToLb", UniConvert::Mass, 9, 8, 0.0625L},
        {"cubicInchToMl", UniConvert::Volume, 4, 7, 16.3870640003L},
        {"cubicInchToL", UniConvert::Volume, 4, 9, 0.0163870640003L},
        {"cubicYardToCubicMetre", UniConvert::Volume, 6, 10, 0.764554857998L},
        {"mlToCubicInch", UniConvert::Volume, 7, 4, 0.0610237440936L},
        {"gallonToPint", UniConvert::Volume, 3, 1, 8},
    };
    for (const Row& r : rows)
        EXPECT_EQ(UniConvert::factor(r.mode, r.from, r.to), r.factor) << r.name;
}

TEST(UniConvert, temperatures)
{
    enum { C, F, K };
    struct Row {
        const char* name;
        int from, to;
        long double input, expected;
    };
    const Row rows[] = {
        {"boilingToFahrenheit", C, F, 100, 212},      {"boilingToKelvin", C, K, 100, 373.15L},
        {"absoluteZeroToCelsius", K, C, 0, -273.15L}, {"absoluteZeroToFahrenheit", K, F, 0, -459.67L},
        {"fahrenheitToCelsius", F, C, 212, 100},      {"fahrenheitToKelvin", F, K, 32, 273.15L},
        {"belowAbsoluteZeroToCelsius", K, C, -5, 0},  {"belowAbsoluteZeroToFahrenheit", K, F, -5, 0},
        {"belowAbsoluteZeroToKelvin", K, K, -5, 0},   {"celsiusBelowZeroIsFine", C, K, -5, 268.15L},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(static_cast<double>(convert(UniConvert::Temperature, r.from, r.to, r.input)),
                    static_cast<double>(r.expected), 1e-12)
            << r.name;
}

TEST(UniConvert, overflowReportsAndKeepsThePreviousOutput)
{
    UniConvert c;
    QString reported;
    c.onError = [&reported](const QString& message) { reported = message; };
    c.setConvertMode(UniConvert::Length);
    c.setConvertFrom(0);
    c.setConvertTo(1);
    c.setInputValue(5);
    ASSERT_TRUE(c.convert());
    c.setConvertTo(7); // km to pm multiplies by 1e18
    c.setInputValue(1e4930L);
    EXPECT_FALSE(c.convert());
    EXPECT_EQ(reported, QStringLiteral("Conversion error!"));
    EXPECT_EQ(c.outputValue(), 5000);
}

TEST(UniConvert, unitSettersNameTheAbbreviations)
{
    UniConvert c;
    c.setConvertMode(UniConvert::Mass);
    c.setConvertFrom(6);
    c.setConvertTo(8);
    EXPECT_EQ(c.fromName(), QStringLiteral("long ton"));
    EXPECT_EQ(c.toName(), QStringLiteral("lb"));
    EXPECT_EQ(c.unitNames().value(8), QStringLiteral("Pound [lb]"));
    c.setConvertTo(42);
    EXPECT_TRUE(c.toName().isEmpty());
    EXPECT_FALSE(c.convert());
}

TEST(UniConvert, bitsAndBytes)
{
    const int b = findBitUnit(QStringLiteral("b")), kB = findBitUnit(QStringLiteral("kB")),
              MB = findBitUnit(QStringLiteral("MB")), Eb = findBitUnit(QStringLiteral("Eb")),
              EB = findBitUnit(QStringLiteral("EB"));
    EXPECT_EQ(bitFactor(MB, b), 8388608);
    EXPECT_EQ(bitFactor(MB, kB), 1024);
    EXPECT_EQ(bitFactor(EB, Eb), 8);
    EXPECT_EQ(bitFactor(b, EB), 1.0L / (8 * 1152921504606846976.0L));
    EXPECT_EQ(bitFactor(14, 0), 0);
    EXPECT_EQ(bitFactor(0, -1), 0);
}

TEST(UniConvert, unitsAreFoundByAbbreviationOrName)
{
    EXPECT_EQ(findUnit(UniConvert::Length, QStringLiteral("km")), 0);
    EXPECT_EQ(findUnit(UniConvert::Length, QStringLiteral("m")), 1);
    EXPECT_EQ(findUnit(UniConvert::Length, QStringLiteral("nautical mile")), 8);
    EXPECT_EQ(findUnit(UniConvert::Mass, QStringLiteral("long ton")), 6);
    EXPECT_EQ(findUnit(UniConvert::Temperature, QStringLiteral("Kelvin")), 2);
    EXPECT_EQ(findUnit(UniConvert::Volume, QStringLiteral("furlong")), -1);
    EXPECT_EQ(findPrefix(QStringLiteral("da")), 7);
    EXPECT_EQ(findPrefix(QStringLiteral("1")), kNoPrefix);
    EXPECT_EQ(findPrefix(QStringLiteral("K")), -1);
    EXPECT_EQ(findMode(QStringLiteral("Volume")), UniConvert::Volume);
}

} // namespace
} // namespace varnik

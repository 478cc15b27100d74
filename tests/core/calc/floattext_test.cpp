#include "core/app/error.h"
#include "core/calc/floattext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnik {
namespace {

TEST(FormatFloat, generalForm)
{
    struct Row {
        long double value;
        const char* expected;
    };
    const Row rows[] = {
        {0, "0"},
        {1, "1"},
        {-2.5L, "-2.5"},
        {0.1L, "0.1"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {12.566370614359172954L, "12.5663706143592"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        {-1e15L, "-1E15"},
        {999999999999999.4L, "999999999999999"},
        {999999999999999.6L, "1E15"},
        {123456789012345.6L, "123456789012346"},
        {0.000099999999999999999L, "0.0001"},
        {0.0000999999999999L, "9.99999999999E-5"},
        {-0.0L, "0"},
        {0.1L + 0.2L, "0.3"},
        {1.0L / 0x1p16382L, "3.36210314311209E-4932"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {0.0001L, "0.0001"},
        {0.00012345L, "0.00012345"},
        {0.00001L, "1E-5"},
        {-0.000015L, "-1.5E-5"},
        {1e300L, "1E300"},
        {1e-300L, "1E-300"},
        {100, "100"},
        {123456.789L, "123456.789"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(formatFloat(r.value).toStdString(), r.expected) << static_cast<double>(r.value);
}

TEST(FormatFloat, usesTheGivenDecimalSeparator)
{
    EXPECT_EQ(formatFloat(-1.25L, u','), QStringLiteral("-1,25"));
    EXPECT_EQ(formatFloat(1.5e-7L, u','), QStringLiteral("1,5E-7"));
}

TEST(ParseFloat, acceptsTheUserForm)
{
    struct Row {
        const char* text;
        QChar sep;
        long double expected;
    };
    const Row rows[] = {
        {"1", u'.', 1},        {" -2.5 ", u'.', -2.5L}, {"+3", u'.', 3},
        {".5", u'.', 0.5L},    {"5.", u'.', 5},         {"1e3", u'.', 1000},
        {"1E-2", u'.', 0.01L}, {"2,5", u',', 2.5L},     {"1e-5000", u'.', 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(parseFloat(QString::fromLatin1(r.text), r.sep), r.expected) << r.text;
}

// Below the smallest normal number (about 3.4e-4932) the extended type still
// holds subnormal values; only what is below those becomes zero.
TEST(ParseFloat, belowTheNormalRange_givesTheSubnormalValue)
{
    const long double smallestSubnormal = std::numeric_limits<long double>::denorm_min();
    struct Row {
        const char* name;
        const char* text;
        long double expected;
    };
    const Row rows[] = {
        {"just_below_normal", "3e-4932", 3e-4932L},
        {"deep_subnormal", "1e-4940", 1e-4940L},
        {"negative_subnormal", "-2.5e-4935", -2.5e-4935L},
        {"smallest_subnormal", "3.6451995318824746e-4951", smallestSubnormal},
        {"below_every_subnormal", "1e-4960", 0},
    };
    for (const Row& r : rows) {
        const long double v = parseFloat(QString::fromLatin1(r.text), u'.');
        EXPECT_EQ(v, r.expected) << r.name;
        EXPECT_EQ(std::signbit(v), std::signbit(r.expected)) << r.name;
    }
}

TEST(ParseFloat, rejectsWithTheUserMessage)
{
    struct Row {
        const char* text;
        QChar sep;
    };
    const Row rows[] = {{"", u'.'},    {"-", u'.'},   {".", u'.'},   {"1e", u'.'},
                        {"2.5", u','}, {"1 2", u'.'}, {"abc", u'.'}, {"1e99999", u'.'},
                        {"nan", u'.'}, {"inf", u'.'}, {"0x10", u'.'}};
    for (const Row& r : rows) {
        try {
            parseFloat(QString::fromLatin1(r.text), r.sep);
            ADD_FAILURE() << "accepted " << r.text;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(r.text));
        }
    }
}

TEST(ParseFloat, beyondTheRangeTooSmallIsZeroTooLargeIsRejected)
{
    const QString zeros = QString(5000, u'0');
    struct Row {
        const char* name;
        QString text;
        bool accepted;
    };
    const Row rows[] = {
        {"negative_exponent", QStringLiteral("1e-5000"), true},
        {"long_fraction", QStringLiteral("0.") + zeros + u'1', true},
        {"long_fraction_with_exponent", QStringLiteral("0.") + zeros + QStringLiteral("1e-10"), true},
        {"big_mantissa_small_exponent", QStringLiteral("123e-4960"), true},
        {"long_integer", u'1' + zeros, false},
        {"mantissa_lifts_exponent", QStringLiteral("1000e4930"), false},
        {"fraction_with_huge_exponent", QStringLiteral("0.001e4936"), false},
        {"huge_negative", QStringLiteral("-1e5000"), false},
    };
    for (const Row& r : rows) {
        long double v = -1;
        EXPECT_EQ(tryParseFloat(r.text, v), r.accepted) << r.name;
        if (r.accepted) {
            EXPECT_EQ(v, 0) << r.name;
        }
    }
}

} // namespace
} // namespace varnik

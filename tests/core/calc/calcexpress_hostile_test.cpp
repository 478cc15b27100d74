#include "core/app/error.h"
#include "core/calc/calcexpress.h"

#include <gtest/gtest.h>

#include <random>

namespace varnik {
namespace {

constexpr int kMillion = 1000000;

QString repeated(const char* piece, int times)
{
    return QString::fromLatin1(piece).repeated(times);
}

// The value, or the error message prefixed with where it arose.
QString outcome(const QString& formula)
{
    CalcExpress c;
    try {
        c.setFormula(formula);
    } catch (const Error& e) {
        return QStringLiteral("syntax: ") + e.message();
    }
    try {
        return QString::number(double(c.calc({})), 'g', 17);
    } catch (const Error& e) {
        return QStringLiteral("calc: ") + e.message();
    }
}

TEST(CalcExpressHostile, deepAndLongFormulasNeedNoCallStack)
{
    struct Row {
        const char* name;
        QString formula;
        const char* expected;
    };
    const Row rows[] = {
        {"million_nested_parentheses", repeated("(", kMillion) + u'1' + repeated(")", kMillion), "1"},
        {"million_nested_functions",
         repeated("abs(", kMillion) + QStringLiteral("-2") + repeated(")", kMillion), "2"},
        {"million_nested_negations", repeated("-(", kMillion) + u'3' + repeated(")", kMillion), "3"},
        {"million_unclosed_parentheses", repeated("(", kMillion) + u'1', "calc: Unbalanced parentheses"},
        {"million_surplus_parentheses", u'1' + repeated(")", kMillion), "calc: Unbalanced parentheses"},
        {"million_terms", u'1' + repeated("+1", kMillion - 1), "1000000"},
        {"million_factors", u'1' + repeated("*1", kMillion - 1), "1"},
        {"right_nested_sums_need_a_deep_value_stack", repeated("1+(", 200000) + u'1' + repeated(")", 200000),
         "200001"},
        {"long_power_chain", u'1' + repeated("^2", 100000), "1"},
        {"million_open_then_error", repeated("(", kMillion) + u'@', "syntax: "},
        {"ten_thousand_digit_integer", u'1' + repeated("0", 10000),
         "calc: '1\x01' is not a valid floating point value"},
        {"ten_thousand_digit_fraction", QStringLiteral("1.") + repeated("0", 10000) + u'1', "1"},
        {"ten_thousand_zeros_before_a_digit", QStringLiteral("0.") + repeated("0", 10000) + u'1', "0"},
        {"million_unknown_variables", QStringLiteral("a0") + repeated("+a1", kMillion - 1),
         "calc: Unknown variable 'a0'"},
    };
    for (const Row& r : rows) {
        QString expected = QString::fromLatin1(r.expected);
        expected.replace(QChar(1), repeated("0", 10000)); // too long to write out
        EXPECT_EQ(outcome(r.formula), expected) << r.name;
    }
}

TEST(CalcExpressHostile, everyCharacterOutsideTheAlphabetIsASyntaxError)
{
    const QString allowed =
        QStringLiteral("0123456789 ()+-*/^_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    CalcExpress c;
    int checked = 0;
    for (int u = 0; u <= 0xFFFF; ++u) {
        const QChar ch(static_cast<char16_t>(u));
        if (allowed.contains(ch))
            continue;
        ++checked;
        try {
            c.setFormula(QStringLiteral("1+") + ch);
            ADD_FAILURE() << "accepted U+" << std::hex << u;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QString()) << std::hex << u;
        }
    }
    EXPECT_EQ(checked, 0x10000 - allowed.size());
}

TEST(CalcExpressHostile, randomBytesGiveAValueOrAnError)
{
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> byte(0, 255), len(0, 64);
    CalcExpress c;
    c.setVariables({QStringLiteral("x")});
    const long double x[] = {1.5L};
    int errors = 0;
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes;
        for (int n = len(rng); n > 0; --n)
            bytes += char(byte(rng));
        try {
            c.setFormula(QString::fromLatin1(bytes));
            c.calc(x);
        } catch (const Error&) {
            ++errors;
        }
    }
    EXPECT_GT(errors, 19000) << "random bytes are almost never a formula";
}

} // namespace
} // namespace varnik

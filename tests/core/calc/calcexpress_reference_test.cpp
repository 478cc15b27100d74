#include "core/app/error.h"
#include "core/calc/calcexpress.h"
#include "referenceformula.h"

#include <gtest/gtest.h>

#include <QMap>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace varnik {
namespace {

const QStringList kNames{"pi", "e", "x", "y"};
const std::vector<long double> kValues{std::numbers::pi_v<long double>, 2.718281828L, 0.5L, -2};

QString describe(long double v)
{
    return std::isnan(v) ? QStringLiteral("nan") : QString::number(double(v), 'g', 17);
}

// Parse and evaluate with both implementations; they must agree on the tree,
// the error message and the exact value. Returns what happened.
QString compare(const QString& formula, QChar sep)
{
    QString expected, actual;
    long double ev = 0, av = 0;
    try {
        test::ReferenceFormula ref(formula, kNames, sep);
        try {
            ev = ref.calc(kValues);
            expected = QStringLiteral("value");
        } catch (const Error& e) {
            expected = QStringLiteral("calc: ") + e.message();
        }
    } catch (const Error& e) {
        expected = QStringLiteral("syntax: ") + e.message();
    }
    CalcExpress c(sep);
    c.setVariables(kNames);
    try {
        c.setFormula(formula);
        try {
            av = c.calc(kValues);
            actual = QStringLiteral("value");
        } catch (const Error& e) {
            actual = QStringLiteral("calc: ") + e.message();
        }
    } catch (const Error& e) {
        actual = QStringLiteral("syntax: ") + e.message();
    }
    EXPECT_EQ(actual, expected) << formula.toStdString();
    if (actual == u"value") {
        EXPECT_TRUE(av == ev || (std::isnan(av) && std::isnan(ev)))
            << formula.toStdString() << " gives " << describe(av).toStdString() << ", expected "
            << describe(ev).toStdString();
    }
    return actual.section(u':', 0, 0);
}

const char* const kTokens[] = {
    "(",   ")",      "+",      "-",     "*",      "/",         "^",      " ",    "1",  "2",
    "0",   "3.5",    "2e3",    "1e",    "1.",     "x",         "y",      "pi",   "e",  "q",
    "-1",  "0,5",    "@",      "\t",    "X",      "SIN",       "sin",    "cos",  "tg", "ctg",
    "ln",  "log",    "sqrt",   "abs",   "sgn",    "sign",      "exp",    "sh",   "ch", "th",
    "cth", "arcsin", "arccos", "arctg", "arcctg", "heaviside", "silnia", "1e-2", "7"};

TEST(CalcExpressReference, randomTokenSequencesAgree)
{
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pick(0, int(std::size(kTokens)) - 1), len(1, 10);
    QMap<QString, int> seen;
    for (int i = 0; i < 20000 && !HasFailure(); ++i) {
        QString f;
        for (int n = len(rng); n > 0; --n)
            f += QString::fromLatin1(kTokens[pick(rng)]);
        ++seen[compare(f, i % 4 == 0 ? u',' : u'.')];
    }
    // Every outcome must be well represented for the comparison to mean much.
    EXPECT_GT(seen.value(QStringLiteral("value")), 500);
    EXPECT_GT(seen.value(QStringLiteral("calc")), 1000);
    EXPECT_GT(seen.value(QStringLiteral("syntax")), 1000);
}

// Well-formed formulas, so that evaluation order and values get exercised too.
class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}
    QString expression(int depth)
    {
        QString s = term(depth, true);
        for (int n = below(2); n > 0; --n)
            s += pickOf({"+", "-", " + ", " - "}) + term(depth, false);
        return s;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QString pickOf(std::initializer_list<const char*> items)
    {
        auto it = items.begin();
        std::advance(it, below(int(items.size())));
        return QString::fromLatin1(*it);
    }
    QString leaf()
    {
        return pickOf({"1", "2", "0", "0.5", "3", "2e1", "1e-3", "x", "y", "pi", "e", "-1", "-2.5"});
    }
    // Unary signs are allowed at the start of an expression only.
    QString term(int depth, bool first)
    {
        QString s = first && below(3) == 0 ? pickOf({"-", "- ", "+", "-+"}) : QString();
        s += factor(depth);
        for (int n = below(2); n > 0; --n)
            s += pickOf({"*", "/"}) + factor(depth);
        return s;
    }
    QString factor(int depth)
    {
        QString s;
        const int choice = depth <= 0 ? 0 : below(6) / 2;
        if (choice == 0) {
            s = leaf();
            if (s.startsWith(u'-'))
                s = u'(' + s + u')';
        } else if (choice == 1) {
            s = u'(' + expression(depth - 1) + u')';
        } else {
            s = pickOf({"sin", "cos", "tg",  "ctg",    "abs",       "sgn",    "sqrt",
                        "ln",  "log", "exp", "arcsin", "arccos",    "arctg",  "arcctg",
                        "sh",  "ch",  "th",  "cth",    "heaviside", "silnia", "sign"}) +
                u'(' + expression(depth - 1) + u')';
        }
        for (int n = below(4) == 0 ? 1 + below(2) : 0; n > 0; --n)
            s += below(2) ? u'^' + pickOf({"2", "x", "0.5", "3"}) : u'^' + pickOf({"(-1)", "(y)", "(2)"});
        return s;
    }

    std::mt19937 rng_;
};

TEST(CalcExpressReference, wellFormedFormulasAgree)
{
    Generator g(777);
    QMap<QString, int> seen;
    for (int i = 0; i < 8000 && !HasFailure(); ++i)
        ++seen[compare(g.expression(3), u'.')];
    EXPECT_EQ(seen.value(QStringLiteral("syntax")), 0);
    EXPECT_GT(seen.value(QStringLiteral("value")), 1500);
    EXPECT_GT(seen.value(QStringLiteral("calc")), 1500);
}

} // namespace
} // namespace varnik

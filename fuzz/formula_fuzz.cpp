// Formulas and selections from arbitrary bytes. The first byte chooses the
// decimal separator and the entry point; the rest is the text, one character
// per byte. Short formulas are also checked against the recursive reference
// parser used by the tests: any disagreement is a crash.

#include "../tests/core/calc/referenceformula.h"
#include "core/app/error.h"
#include "core/calc/calcexpress.h"
#include "core/calc/evaluationcommands.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

using namespace varnik;

namespace {

const QStringList kNames{"pi", "e", "x", "y"};
const long double kValues[] = {std::numbers::pi_v<long double>, 2.718281828L, 0.5L, -2};

// "syntax: msg", "calc: msg" or "value", with the value in `v`.
template <typename Parse, typename Calc> QString outcome(Parse parse, Calc calc, long double& v)
{
    try {
        parse();
    } catch (const Error& e) {
        return QStringLiteral("syntax: ") + e.message();
    }
    try {
        v = calc();
        return QStringLiteral("value");
    } catch (const Error& e) {
        return QStringLiteral("calc: ") + e.message();
    }
}

void checkFormula(const QString& text, QChar sep)
{
    CalcExpress c(sep);
    c.setVariables(kNames);
    long double actual = 0;
    const QString got = outcome([&] { c.setFormula(text); }, [&] { return c.calc(kValues); }, actual);
    if (text.size() > 400) // the reference recurses
        return;
    std::unique_ptr<test::ReferenceFormula> ref;
    long double expected = 0;
    const QString want = outcome([&] { ref = std::make_unique<test::ReferenceFormula>(text, kNames, sep); },
                                 [&] { return ref->calc(kValues); }, expected);
    if (got != want)
        std::abort();
    if (got == u"value" && !(actual == expected || (std::isnan(actual) && std::isnan(expected))))
        std::abort();
}

void run(QString (*command)(const QString&, QChar), const QString& text, QChar sep)
{
    try {
        const QString out = command(text, sep);
        if (!out.isEmpty() && !out.endsWith(QLatin1String("\r\n")))
            std::abort();
    } catch (const Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const QChar sep = (mode & 1) ? u',' : u'.';
    const auto* chars = reinterpret_cast<const char*>(data + 1);
    const auto n = static_cast<qsizetype>(size - 1);
    // Latin-1 keeps every byte one character; UTF-8 reaches the rest of Unicode.
    const QString text = (mode & 2) ? QString::fromUtf8(chars, n) : QString::fromLatin1(chars, n);
    switch ((mode >> 2) % 4) {
    case 0:
        checkFormula(text, sep);
        break;
    case 1:
        run(evaluateExpressions, text, sep);
        break;
    case 2:
        run(evaluateEquations, text, sep);
        break;
    default:
        run(evaluateQuadraticEquation, text, sep);
        break;
    }
    return 0;
}

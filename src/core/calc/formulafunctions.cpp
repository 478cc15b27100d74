#include "core/calc/formulafunctions.h"

#include "core/calc/floatfault.h"

#include <cmath>
#include <numbers>

namespace varnik::formula {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kLn10 = std::numbers::ln10_v<long double>;
// The coprocessor gives up reducing larger arguments; such angles count as 0.
constexpr long double kTrigLimit = 0x1p63L;

long double sine(long double x)
{
    if (std::fabs(x) >= kTrigLimit) {
        if (std::isinf(x))
            raiseInvalidOperation();
        return 0;
    }
    return std::sin(x);
}

long double cosine(long double x)
{
    if (std::fabs(x) >= kTrigLimit) {
        if (std::isinf(x))
            raiseInvalidOperation();
        return 0;
    }
    return std::cos(x);
}

long double lnChecked(long double x)
{
    if (x == 0)
        raiseDivisionByZero();
    if (x < 0)
        raiseInvalidOperation();
    return std::log(x);
}

long double expChecked(long double x)
{
    return fp::checked(std::exp(x), x);
}

long double sqrtChecked(long double x)
{
    if (x < 0)
        raiseInvalidOperation();
    return std::sqrt(x);
}

} // namespace

Kind functionKind(QStringView name)
{
    struct Entry {
        const char16_t* name;
        Kind kind;
    };
    static constexpr Entry kFunctions[] = {
        {u"cos", Cos},
        {u"sin", Sin},
        {u"tg", Tg},
        {u"ctg", Ctg},
        {u"abs", Abs},
        {u"sgn", Sgn},
        {u"sign", Sgn},
        {u"sqrt", Sqrt},
        {u"ln", Ln},
        {u"exp", Exp},
        {u"arcsin", Arcsin},
        {u"arccos", Arccos},
        {u"arctg", Arctg},
        {u"arcctg", Arcctg},
        {u"sh", Sh},
        {u"ch", Ch},
        {u"th", Th},
        {u"cth", Cth},
        {u"heaviside", Heaviside},
        {u"log", Log},
        {u"silnia", Silnia},
    };
    if (name.size() > 9)
        return End;
    for (const Entry& e : kFunctions)
        if (name == QStringView(e.name))
            return e.kind;
    return End;
}

long double silnia(long double x)
{
    if (x < 0)
        return 0;
    if (x == 0 || x == 1)
        return 1;
    if (std::isnan(x))
        return x;
    // A non-integer steps down to a negative argument whose factorial is 0.
    if (x != std::floor(x))
        return 0;
    // Small end upwards; the loop ends at the overflow by 1755 at the latest.
    long double r = 1;
    for (long double k = 2; k <= x; k += 1)
        r = fp::mul(r, k);
    return r;
}

long double power(long double base, long double exponent)
{
    return expChecked(fp::mul(exponent, lnChecked(base)));
}

long double applyFunction(Kind function, long double x)
{
    switch (function) {
    case Cos:
        return cosine(x);
    case Sin:
        return sine(x);
    case Tg:
        return fp::div(sine(x), cosine(x));
    case Ctg:
        return fp::div(1, fp::div(sine(x), cosine(x)));
    case Abs:
        return std::fabs(x);
    case Sgn:
        return x < 0 ? -1 : (x > 0 ? 1 : 0);
    case Sqrt:
        return sqrtChecked(x);
    case Ln:
        return lnChecked(x);
    case Log:
        return fp::div(lnChecked(x), kLn10);
    case Exp:
        return expChecked(x);
    case Arcsin:
        return std::atan(fp::div(x, sqrtChecked(fp::sub(1, fp::mul(x, x)))));
    case Arccos:
        return std::atan(fp::div(sqrtChecked(fp::sub(1, fp::mul(x, x))), x));
    case Arctg:
        return std::atan(x);
    case Arcctg:
        return fp::sub(kPi / 2, std::atan(x));
    case Sh:
    case Ch:
    case Th:
    case Cth: {
        const long double ep = expChecked(x);
        const long double en = expChecked(-x);
        if (function == Sh)
            return fp::mul(fp::sub(ep, en), 0.5L);
        if (function == Ch)
            return fp::mul(fp::add(ep, en), 0.5L);
        if (function == Th)
            return fp::div(fp::sub(ep, en), fp::add(ep, en));
        return fp::div(fp::add(ep, en), fp::sub(ep, en));
    }
    case Heaviside:
        return x < 0 ? 0 : 1;
    case Silnia:
        return silnia(x);
    default:
        break;
    }
    return x;
}

} // namespace varnik::formula

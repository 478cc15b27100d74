#include "core/calc/formulafunctions.h"

#include "core/calc/floatfault.h"
#include "core/calc/formulamath.h"

#include <cmath>

namespace varnik::formula {

Kind functionKind(QStringView name)
{
    struct Entry {
        QStringView name;
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
        if (name == e.name)
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
    return math::power(base, exponent);
}

long double applyFunction(Kind function, long double x)
{
    switch (function) {
    case Cos:
        return math::cosine(x);
    case Sin:
        return math::sine(x);
    case Tg:
        return math::tg(x);
    case Ctg:
        return math::ctg(x);
    case Abs:
        return std::fabs(x);
    case Sgn:
        return math::sgn(x);
    case Sqrt:
        return math::sqrt(x);
    case Ln:
        return math::ln(x);
    case Log:
        return fp::div(math::ln(x), math::kLn10);
    case Exp:
        return math::exp(x);
    case Arcsin:
        return math::arcsin(x);
    case Arccos:
        return math::arccos(x);
    case Arctg:
        return std::atan(x);
    case Arcctg:
        return math::arcctg(x);
    case Sh:
        return math::sh(x);
    case Ch:
        return math::ch(x);
    case Th:
        return math::th(x);
    case Cth:
        return math::cth(x);
    case Heaviside:
        return math::heaviside(x);
    case Silnia:
        return silnia(x);
    default:
        break;
    }
    return x;
}

} // namespace varnik::formula

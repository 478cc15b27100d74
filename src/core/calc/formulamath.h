#pragma once

// The arithmetic of formula functions, inline so that the evaluator's
// interpreter loop handles each operation without a second dispatch.

#include "core/calc/floatfault.h"

#include <cmath>
#include <numbers>

namespace varnik::formula::math {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kLn10 = std::numbers::ln10_v<long double>;
// The coprocessor gives up reducing larger arguments; such angles count as 0.
constexpr long double kTrigLimit = 0x1p63L;

inline bool hugeAngle(long double x)
{
    if (std::fabs(x) >= kTrigLimit) [[unlikely]] {
        if (std::isinf(x))
            raiseInvalidOperation();
        return true;
    }
    return false;
}

inline long double sine(long double x)
{
    return hugeAngle(x) ? 0 : std::sin(x);
}
inline long double cosine(long double x)
{
    return hugeAngle(x) ? 0 : std::cos(x);
}

// Both at once (one argument reduction); the same values as sine() and cosine().
inline void sineCosine(long double x, long double& s, long double& c)
{
    if (hugeAngle(x)) {
        s = c = 0;
        return;
    }
    ::sincosl(x, &s, &c);
}

inline long double ln(long double x)
{
    if (x <= 0) [[unlikely]] {
        if (x == 0)
            raiseDivisionByZero();
        raiseInvalidOperation();
    }
    return std::log(x);
}

inline long double exp(long double x)
{
    return fp::checked(std::exp(x), x);
}

inline long double sqrt(long double x)
{
    if (x < 0) [[unlikely]]
        raiseInvalidOperation();
    return std::sqrt(x);
}

inline long double power(long double base, long double exponent)
{
    return exp(fp::mul(exponent, ln(base)));
}

inline long double tg(long double x)
{
    long double s, c;
    sineCosine(x, s, c);
    return fp::div(s, c);
}

inline long double ctg(long double x)
{
    return fp::div(1, tg(x));
}
inline long double sgn(long double x)
{
    return x < 0 ? -1 : (x > 0 ? 1 : 0);
}
inline long double arcsin(long double x)
{
    return std::atan(fp::div(x, sqrt(fp::sub(1, fp::mul(x, x)))));
}
inline long double arccos(long double x)
{
    return std::atan(fp::div(sqrt(fp::sub(1, fp::mul(x, x))), x));
}
inline long double arcctg(long double x)
{
    return fp::sub(kPi / 2, std::atan(x));
}
inline long double sh(long double x)
{
    return fp::mul(fp::sub(exp(x), exp(-x)), 0.5L);
}
inline long double ch(long double x)
{
    return fp::mul(fp::add(exp(x), exp(-x)), 0.5L);
}

inline long double th(long double x)
{
    const long double ep = exp(x), en = exp(-x);
    return fp::div(fp::sub(ep, en), fp::add(ep, en));
}

inline long double cth(long double x)
{
    const long double ep = exp(x), en = exp(-x);
    return fp::div(fp::add(ep, en), fp::sub(ep, en));
}

inline long double heaviside(long double x)
{
    return x < 0 ? 0 : 1;
}

} // namespace varnik::formula::math

#pragma once

#include <cmath>

namespace varnik {

// Calculations run in 80-bit extended precision and treat invalid operations,
// division by zero and overflow as faults that abort the calculation with an
// Error; underflow and inexact results pass silently. The faults are detected
// from operands and results (a NaN made from non-NaN operands, an infinity
// made from finite ones, a finite number divided by zero), so nothing depends
// on the hardware's trap settings.
[[noreturn]] void raiseInvalidOperation();
[[noreturn]] void raiseDivisionByZero();
[[noreturn]] void raiseOverflow();

namespace fp {

// Raises the fault that made `r` out of `a` and `b`, if any.
void classify(long double r, long double a, long double b);
long double divideByZero(long double a, long double b);

inline long double checked(long double r, long double a, long double b)
{
    if (!std::isfinite(r)) [[unlikely]]
        classify(r, a, b);
    return r;
}
inline long double checked(long double r, long double a)
{
    return checked(r, a, a);
}

inline long double add(long double a, long double b)
{
    return checked(a + b, a, b);
}
inline long double sub(long double a, long double b)
{
    return checked(a - b, a, b);
}
inline long double mul(long double a, long double b)
{
    return checked(a * b, a, b);
}
inline long double div(long double a, long double b)
{
    if (b == 0) [[unlikely]]
        return divideByZero(a, b);
    return checked(a / b, a, b);
}

} // namespace fp
} // namespace varnik

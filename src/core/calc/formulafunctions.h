#pragma once

#include <QStringView>

#include <cstdint>

namespace varnik {

namespace formula {

// Token and node kinds of a formula. The numbering is part of the grammar: a
// kind below Close means "the start of the formula or an opening parenthesis".
enum Kind : std::uint8_t {
    End = 0,
    Open = 1,
    Close = 2,
    Plus = 3,
    Minus = 4,
    Times = 5,
    Divide = 6,
    Number = 7,
    Variable = 8,
    Negation = 9,
    Cos = 10,
    Sin,
    Tg,
    Ctg,
    Abs,
    Sgn,
    Sqrt,
    Ln,
    Exp,
    Arcsin,
    Arccos,
    Arctg,
    Arcctg,
    Sh,
    Ch,
    Th,
    Cth,
    Heaviside = 27,
    Power = 31,
    Log = 32,
    Silnia = 33,
};

inline bool isFunction(Kind k)
{
    return (k >= Cos && k <= Heaviside) || k == Log || k == Silnia;
}

// The function named `name` (lower case, exact), or End when no function has that name.
Kind functionKind(QStringView name);

// Single-argument functions and the power operator with the fault rules of
// floatfault.h. Each computes exactly its defining formula in extended
// precision (tg is sin/cos, arcsin is arctan(x/sqrt(1-x*x)), a power is
// exp(exponent*ln(base)), ...), so that faults arise where that formula has them.
long double applyFunction(Kind function, long double x);
long double power(long double base, long double exponent);
// Factorial of an integer n >= 0 (1*2*...*n, overflowing from 1755 on); 0 for
// negative and non-integer arguments.
long double silnia(long double x);

} // namespace formula
} // namespace varnik

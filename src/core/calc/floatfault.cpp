#include "core/calc/floatfault.h"

#include "core/app/error.h"

namespace varnik {

void raiseInvalidOperation()
{
    throw Error(QStringLiteral("Invalid floating point operation"));
}

void raiseDivisionByZero()
{
    throw Error(QStringLiteral("Floating point division by zero"));
}

void raiseOverflow()
{
    throw Error(QStringLiteral("Floating point overflow"));
}

namespace fp {

void classify(long double r, long double a, long double b)
{
    // A NaN or infinity that came in as an operand travels on quietly.
    if (std::isnan(r)) {
        if (!std::isnan(a) && !std::isnan(b))
            raiseInvalidOperation();
    } else if (std::isinf(r)) {
        if (std::isfinite(a) && std::isfinite(b))
            raiseOverflow();
    }
}

long double divideByZero(long double a, long double b)
{
    if (std::isnan(a))
        return a;
    if (a == 0)
        raiseInvalidOperation();
    if (std::isinf(a))
        return a / b; // an infinity keeps its sign rules and raises nothing
    raiseDivisionByZero();
}

} // namespace fp
} // namespace varnik

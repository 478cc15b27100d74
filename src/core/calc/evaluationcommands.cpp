#include "core/calc/evaluationcommands.h"

#include "core/app/error.h"
#include "core/calc/calcexpress.h"
#include "core/calc/floatfault.h"
#include "core/calc/floattext.h"

#include <QStringList>

#include <array>
#include <numbers>

namespace varnik {

namespace {

constexpr qsizetype kMaxVariables = 255;

// Blanks and control characters, as the classic string trim removes them.
bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QString trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b).toString();
}

// CR LF, a lone CR and a lone LF each end a line; a final line break adds no empty line.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

QString joinLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    QString out;
    out.reserve(size);
    for (const QString& l : lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

// Pieces between commas, untrimmed; a trailing comma adds no empty piece.
QStringList splitCommas(const QString& text)
{
    QStringList pieces = text.split(u',');
    if (!pieces.isEmpty() && pieces.back().isEmpty())
        pieces.removeLast();
    return pieces;
}

bool parseCoefficients(const QString& text, QChar sep, qsizetype count, long double* out)
{
    const QStringList pieces = splitCommas(text);
    if (pieces.size() != count)
        return false;
    for (qsizetype i = 0; i < count; ++i)
        if (!tryParseFloat(pieces[i], out[i], sep))
            return false;
    return true;
}

// A coefficient written after another one: "+" for v >= 0, its own "-" otherwise.
QString signed_(long double v, QChar sep)
{
    return v >= 0 ? u'+' + formatFloat(v, sep) : formatFloat(v, sep);
}

struct Assignment {
    QString name;
    long double value = 0;
};

// "name = number"; the number is what follows the first "=".
bool parseAssignment(const QString& line, QChar sep, Assignment& a)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    if (!tryParseFloat(trimBlanks(QStringView(line).sliced(eq + 1)), a.value, sep))
        return false;
    a.name = trimBlanks(QStringView(line).first(eq));
    return true;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

namespace {

// The evaluator's syntax errors carry no text: say what failed and where.
void setFormulaOrStop(CalcExpress& calc, const QString& formula)
{
    try {
        calc.setFormula(formula);
    } catch (const Error& e) {
        if (!e.message().isEmpty())
            throw;
        constexpr qsizetype kShown = 60;
        const QString shown =
            formula.size() <= kShown ? formula : formula.left(kShown - 3) + QStringLiteral("...");
        throw Error(QStringLiteral("Syntax error in formula\r\n") + shown);
    }
}

} // namespace

QString evaluateExpressions(const QString& selectedText, QChar decimalSeparator)
{
    CalcExpress calc(decimalSeparator);
    QStringList names{QStringLiteral("pi"), QStringLiteral("e")};
    std::array<long double, kMaxVariables> values{};
    values[0] = std::numbers::pi_v<long double>;
    values[1] = 2.718281828L;
    qsizetype count = 2;
    calc.setVariables(names);

    const QStringList lines = splitLines(selectedText);
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines) {
        Assignment a;
        if (parseAssignment(line, decimalSeparator, a)) {
            // Later definitions of a known name are shadowed by the first one.
            if (!a.name.isEmpty() && isAsciiLetter(a.name[0]) && count < kMaxVariables) {
                names.append(a.name);
                values[size_t(count++)] = a.value;
                calc.setVariables(names);
            }
            out.append(line);
            continue;
        }
        if (trimBlanks(line).isEmpty())
            continue;
        QString formula = line;
        if (const qsizetype eq = formula.indexOf(u'='); eq >= 0)
            formula.remove(eq, 1);
        setFormulaOrStop(calc, trimBlanks(formula)); // a syntax error ends the command
        try {
            const long double v = calc.calc(std::span(values.data(), size_t(count)));
            out.append(formula + QLatin1String(" = ") + formatFloat(v, decimalSeparator));
        } catch (const Error&) {
            out.append(line + QLatin1String(" = [ERROR IN FORMULA]"));
        }
    }
    return joinLines(out);
}

QString evaluateEquations(const QString& selectedText, QChar decimalSeparator)
{
    const QChar sep = decimalSeparator;
    const QStringList lines = splitLines(trimBlanks(selectedText));
    QStringList out = lines;
    if (lines.size() != 2)
        return joinLines(out);
    long double k[6];
    if (!parseCoefficients(trimBlanks(lines[0]), sep, 3, k) ||
        !parseCoefficients(trimBlanks(lines[1]), sep, 3, k + 3)) {
        out.append(QStringLiteral("Coefficients not valid."));
        return joinLines(out);
    }
    const long double a1 = k[0], b1 = k[1], c1 = k[2], a2 = k[3], b2 = k[4], c2 = k[5];
    const long double w = fp::sub(fp::mul(a1, b2), fp::mul(b1, a2));
    if (w == 0) {
        out.append(QStringLiteral("No solution exists."));
        return joinLines(out);
    }
    const long double x = fp::div(fp::sub(fp::mul(c1, b2), fp::mul(b1, c2)), w);
    const long double y = fp::div(fp::sub(fp::mul(a1, c2), fp::mul(c1, a2)), w);
    out.append(QString());
    out.append(formatFloat(a1, sep) + QLatin1String("*x") + signed_(b1, sep) + QLatin1String("*y=") +
               formatFloat(c1, sep));
    out.append(formatFloat(a2, sep) + QLatin1String("*x") + signed_(b2, sep) + QLatin1String("*y=") +
               formatFloat(c2, sep));
    out.append(QLatin1String("\r\nSolution: x=") + formatFloat(x, sep) + QLatin1String(" y=") +
               formatFloat(y, sep));
    return joinLines(out);
}

QString evaluateQuadraticEquation(const QString& selectedText, QChar decimalSeparator)
{
    const QChar sep = decimalSeparator;
    long double k[3];
    if (!parseCoefficients(trimBlanks(selectedText), sep, 3, k))
        return joinLines({QStringLiteral("Coefficients not valid.")});
    const long double a = k[0], b = k[1], c = k[2];
    const long double delta = fp::sub(fp::mul(b, b), fp::mul(fp::mul(4, a), c));
    QStringList out;
    out.append(formatFloat(a, sep) + QLatin1String("*x^2") + signed_(b, sep) + QLatin1String("*x") +
               signed_(c, sep) + QLatin1String("=0"));
    out.append(QString());
    out.append(QLatin1String("delta=") + formatFloat(delta, sep));
    if (delta < 0) {
        out.append(QStringLiteral("No (real) solution exists."));
    } else if (delta > 0) {
        const long double root = std::sqrt(delta);
        const long double twoA = fp::mul(2, a);
        const long double x1 = fp::div(fp::add(-b, root), twoA);
        const long double x2 = fp::div(fp::sub(-b, root), twoA);
        out.append(QLatin1String("\r\nSolution: x1=") + formatFloat(x1, sep) + QLatin1String(", x2=") +
                   formatFloat(x2, sep));
    } else {
        const long double x = fp::div(-b, fp::mul(2, a));
        out.append(QLatin1String("\r\nSolution: x=") + formatFloat(x, sep));
    }
    return joinLines(out);
}

QString evaluate(EvaluationCommand command, const QString& selected, QChar decimalSeparator)
{
    switch (command) {
    case EvaluationCommand::Expressions:
        return evaluateExpressions(selected, decimalSeparator);
    case EvaluationCommand::Equations:
        return evaluateEquations(selected, decimalSeparator);
    case EvaluationCommand::QuadraticEquation:
        return evaluateQuadraticEquation(selected, decimalSeparator);
    }
    return selected;
}

} // namespace varnik

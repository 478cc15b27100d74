#pragma once

#include <QChar>
#include <QString>

namespace varnik {

// The "evaluate selection" commands as functions of the selected text. Each
// returns the text that replaces the selection: lines, each followed by CR LF.
// Callers do nothing at all when the selection is empty (these functions are
// not meant for an empty text). An Error thrown from them means: show the
// message in the error box and leave the document unchanged.

// Evaluates each line as a formula. A line "name = number" defines a variable
// for later lines (pi and e are predefined) and is copied unchanged; blank
// lines are dropped; any other line becomes "line = result" (its first "="
// removed first) or "line = [ERROR IN FORMULA]" when evaluation fails. A syntax
// error stops the whole command with the evaluator's Error.
QString evaluateExpressions(const QString& selectedText, QChar decimalSeparator);

// Solves a1*x + b1*y = c1, a2*x + b2*y = c2 given as two lines "a,b,c".
// Throws Error on a floating-point fault in the solution.
QString evaluateEquations(const QString& selectedText, QChar decimalSeparator);

// Solves a*x^2 + b*x + c = 0 given as "a,b,c". Throws Error on a
// floating-point fault in the solution (a = 0 always gives one).
QString evaluateQuadraticEquation(const QString& selectedText, QChar decimalSeparator);

enum class EvaluationCommand { Expressions, Equations, QuadraticEquation };

// The text `command` puts in place of the selected text.
QString evaluate(EvaluationCommand command, const QString& selectedText, QChar decimalSeparator);

} // namespace varnik

#pragma once

#include "core/calc/formulafunctions.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace varnik {

// A one-line arithmetic formula, parsed once and then evaluated as often as
// wanted against an array of variable values (all in 80-bit extended precision).
//
// Grammar: + - (left-associative) over terms of * / (left-associative) over
// factors; a factor is a number, a variable, a function applied to a
// parenthesised expression, or a parenthesised expression, optionally followed
// by any number of "^ exponent" where the exponent is a number or a variable,
// bare or in one pair of parentheses (2^3^2 is (2^3)^2). A "-" right after the
// start or "(" negates the whole term that follows (-x^2 is -(x^2)); a "-"
// directly before a digit there is part of the number instead (-2^2 is (-2)^2).
//
// Parsing and evaluation use explicit stacks: formula depth is limited by
// memory only, never by the call stack.
class CalcExpress {
public:
    // `decimalSeparator` is the user's locale separator used in numbers.
    // A new evaluator has no variables and holds the formula "0".
    explicit CalcExpress(QChar decimalSeparator = u'.');

    // The formula as last assigned, with A to Z lowered to a to z.
    const QString& formula() const { return formula_; }
    // Parses `formula` at once. Throws Error("Wrong number.") for a malformed
    // number and Error with an empty message for any other syntax error; the
    // evaluator then holds no formula. Unbalanced parentheses do not throw but
    // leave no formula either, so the next calc() fails.
    void setFormula(const QString& formula);

    const QStringList& variables() const { return variables_; }
    // Names of the values given to calc(): the value at index i belongs to the
    // i-th name. Names are matched case-insensitively, the first match wins.
    // Re-resolves the formula's names; throws what setFormula() would throw
    // for the stored formula.
    void setVariables(const QStringList& names);

    // Evaluates the formula. Throws Error for a floating-point fault ("Invalid
    // floating point operation", "Floating point division by zero", "Floating
    // point overflow"), a number that does not convert, a name that is not a
    // variable or has no value in `values`, and when no formula is held.
    long double calc(std::span<const long double> values) const;

    // True after a syntax error, until the next formula is set.
    bool hasError() const { return error_; }
    // True when a formula is held that calc() can evaluate.
    bool hasTree() const { return hasTree_; }
    QChar decimalSeparator() const { return separator_; }

private:
    // One step of the postfix program; `op` is a formula::Kind, or BadNumber.
    struct Instr {
        std::uint8_t op;
        std::uint32_t arg;
    };
    static constexpr std::uint8_t BadNumber = 35;
    // A binary operator whose right operand is a constant or a variable takes it
    // directly: <op> + WithConstant / WithVariable.
    static constexpr std::uint8_t WithConstant = 40;
    static constexpr std::uint8_t WithVariable = 70;

    void parse();
    void addOp(std::uint8_t op, std::uint32_t arg, int stackEffect);
    void addBinary(std::uint8_t op);
    void emitLeaf(int kind, qsizetype start, qsizetype end);
    void resolveVariables();
    long double run(const long double* values, long double* stack) const;
    void clearProgram();

    QChar separator_;
    QString formula_;
    QStringList variables_;
    QHash<QString, qsizetype> variableIndex_; // lower-case name -> first index
    bool error_ = false;
    bool hasTree_ = false;
    bool unbalanced_ = false;

    std::vector<Instr> code_;
    std::vector<long double> constants_;
    std::vector<QString> badNumbers_;
    std::vector<QString> slotNames_;   // distinct variable names in order of first use
    std::vector<qsizetype> slotIndex_; // index in variables_, or -1
    // Instructions that read a variable: (position in code_, slot). Their argument
    // is the resolved index into the values, so evaluation reads it directly.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> variableReads_;
    qsizetype firstUnresolved_ = -1;
    qsizetype maxSlotIndex_ = -1;
    bool sharedTrig_ = false;
    qsizetype depth_ = 0;
    qsizetype maxDepth_ = 0;
};

} // namespace varnik

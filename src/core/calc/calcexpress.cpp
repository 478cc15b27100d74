#include "core/calc/calcexpress.h"

#include "core/app/error.h"
#include "core/calc/floatfault.h"
#include "core/calc/floattext.h"
#include "core/calc/formulamath.h"
#include "core/calc/formulascanner.h"

#include <limits>
#include <memory>

namespace varnik {

namespace {

// Only A to Z change case: identifiers and function names are ASCII.
QString lowerAscii(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

// Integers of up to 19 digits are exact in extended precision: no text conversion needed.
bool smallInteger(QStringView text, long double& value)
{
    const bool negative = !text.isEmpty() && text[0] == u'-';
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 19)
        return false;
    std::uint64_t n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        n = n * 10 + (c.unicode() - u'0');
    }
    value = negative ? -static_cast<long double>(n) : static_cast<long double>(n);
    return true;
}

[[noreturn]] void syntaxError()
{
    throw Error(QString());
}

} // namespace

CalcExpress::CalcExpress(QChar decimalSeparator) : separator_(decimalSeparator)
{
    setFormula(QStringLiteral("0"));
}

void CalcExpress::setFormula(const QString& formula)
{
    formula_ = lowerAscii(formula);
    error_ = false;
    clearProgram();
    try {
        parse();
    } catch (...) {
        clearProgram();
        error_ = true;
        throw;
    }
    resolveVariables();
}

void CalcExpress::setVariables(const QStringList& names)
{
    variables_ = names;
    variableIndex_.clear();
    for (qsizetype i = 0; i < variables_.size(); ++i)
        if (QString name = lowerAscii(variables_[i]); !variableIndex_.contains(name))
            variableIndex_.insert(name, i);
    // Parsing does not depend on the names, so only a formula that failed to
    // parse needs parsing again (to fail the same way).
    if (error_)
        setFormula(formula_);
    else
        resolveVariables();
}

void CalcExpress::clearProgram()
{
    hasTree_ = false;
    unbalanced_ = false;
    code_.clear();
    constants_.clear();
    badNumbers_.clear();
    slotNames_.clear();
    slotIndex_.clear();
    variableReads_.clear();
    firstUnresolved_ = -1;
    maxSlotIndex_ = -1;
    depth_ = 0;
    maxDepth_ = 0;
    sharedTrig_ = false;
}

void CalcExpress::resolveVariables()
{
    firstUnresolved_ = -1;
    maxSlotIndex_ = -1;
    slotIndex_.resize(slotNames_.size());
    for (size_t i = 0; i < slotNames_.size(); ++i) {
        const auto it = variableIndex_.constFind(slotNames_[i]);
        slotIndex_[i] = it == variableIndex_.cend() ? -1 : *it;
        if (slotIndex_[i] < 0 && firstUnresolved_ < 0)
            firstUnresolved_ = static_cast<qsizetype>(i);
        maxSlotIndex_ = std::max(maxSlotIndex_, slotIndex_[i]);
    }
    for (const auto& [at, slot] : variableReads_)
        code_[at].arg = static_cast<std::uint32_t>(std::max<qsizetype>(slotIndex_[slot], 0));
}

void CalcExpress::addOp(std::uint8_t op, std::uint32_t arg, int stackEffect)
{
    // Instruction arguments are 32-bit indices (constants and variables never outnumber instructions).
    if (code_.size() >= std::numeric_limits<std::uint32_t>::max()) [[unlikely]]
        throw Error(QStringLiteral("Formula too long"));
    code_.push_back({op, arg});
    depth_ += stackEffect;
    maxDepth_ = std::max(maxDepth_, depth_);
}

void CalcExpress::addBinary(std::uint8_t op)
{
    // In postfix a leaf just before an operator is that operator's whole right operand.
    if (!code_.empty() && (code_.back().op == formula::Number || code_.back().op == formula::Variable)) {
        Instr& leaf = code_.back();
        leaf.op = static_cast<std::uint8_t>(op + (leaf.op == formula::Number ? WithConstant : WithVariable));
        --depth_;
        return;
    }
    addOp(op, 0, -1);
}

void CalcExpress::parse()
{
    using namespace formula;
    // What to do when the construct on top of the frame stack has been parsed.
    enum Continuation : std::uint8_t { ExprLoop, TermLoop, TermEnd, FactorClose };
    struct Frame {
        Continuation cont;
        std::uint8_t arg; // pending operator, negation flag or function
    };
    enum State { ExprStart, TermStart, FactorStart, PowerSuffix, Return };

    FormulaScanner sc(formula_, separator_);
    // The parse stack; a plain array keeps deep formulas cheap in unoptimised builds too.
    std::vector<Frame> frameStore(64);
    Frame* frames = frameStore.data();
    size_t top = 0;
    const auto push = [&](Continuation cont, std::uint8_t arg) {
        if (top == frameStore.size()) {
            frameStore.resize(top * 2);
            frames = frameStore.data();
        }
        frames[top++] = {cont, arg};
    };
    QHash<QStringView, std::uint32_t> slotOfName;
    qsizetype parens = 0;

    const auto leaf = [&] {
        const QStringView text = sc.tokenText();
        if (sc.kind() == Number) {
            long double v = 0;
            if (smallInteger(text, v) || tryParseFloat(text.toString(), v, separator_)) {
                constants_.push_back(v);
                addOp(Number, static_cast<std::uint32_t>(constants_.size() - 1), 1);
            } else {
                badNumbers_.push_back(text.toString());
                addOp(BadNumber, static_cast<std::uint32_t>(badNumbers_.size() - 1), 1);
            }
            return;
        }
        auto it = slotOfName.constFind(text);
        if (it == slotOfName.cend()) {
            it = slotOfName.insert(text, static_cast<std::uint32_t>(slotNames_.size()));
            slotNames_.push_back(text.toString());
        }
        variableReads_.emplace_back(static_cast<std::uint32_t>(code_.size()), *it);
        addOp(Variable, 0, 1);
    };
    const auto isLeaf = [&] { return sc.kind() == Number || sc.kind() == Variable; };

    State state = ExprStart;
    for (;;) {
        switch (state) {
        case ExprStart:
            push(ExprLoop, End);
            state = TermStart;
            break;
        case TermStart: {
            sc.next();
            std::uint8_t negate = 0;
            // Unary signs only right after the start or "(".
            if (sc.kindBeforePrevious() < Close) {
                if (sc.kind() == Minus) {
                    negate = 1;
                    sc.next();
                }
                if (sc.kind() == Plus)
                    sc.next();
            }
            push(TermEnd, negate);
            push(TermLoop, End);
            state = FactorStart;
            break;
        }
        case FactorStart: {
            const Kind k = sc.kind();
            if (k == Open) {
                ++parens;
                push(FactorClose, End);
                state = ExprStart;
            } else if (isLeaf()) {
                leaf();
                state = PowerSuffix;
            } else if (isFunction(k)) {
                sc.next();
                if (sc.kind() != Open)
                    syntaxError();
                ++parens;
                push(FactorClose, k);
                state = ExprStart;
            } else {
                syntaxError();
            }
            break;
        }
        case PowerSuffix:
            sc.next();
            while (sc.kind() == Power) {
                sc.next();
                if (isLeaf()) {
                    leaf();
                } else if (sc.kind() == Open) {
                    // These parentheses hold one leaf and do not count in the depth.
                    sc.next();
                    if (!isLeaf())
                        syntaxError();
                    leaf();
                    sc.next();
                    if (sc.kind() != Close)
                        syntaxError();
                } else {
                    syntaxError();
                }
                addBinary(Power);
                sc.next();
            }
            state = Return;
            break;
        case Return: {
            if (top == 0) {
                // A missing or surplus ")" leaves nothing to evaluate, without an error.
                hasTree_ = parens == 0;
                unbalanced_ = !hasTree_;
                if (!hasTree_) {
                    code_.clear();
                    variableReads_.clear();
                }
                bool sin = false, cos = false;
                for (const Instr& in : code_) {
                    sin = sin || in.op == Sin;
                    cos = cos || in.op == Cos;
                }
                sharedTrig_ = sin && cos;
                return;
            }
            const Frame f = frames[--top];
            switch (f.cont) {
            case ExprLoop:
                if (f.arg != End)
                    addBinary(f.arg);
                if (sc.kind() == Plus || sc.kind() == Minus) {
                    push(ExprLoop, sc.kind());
                    state = TermStart;
                } else if (sc.kind() == Close) {
                    --parens;
                } else if (sc.kind() != End) {
                    syntaxError();
                }
                break;
            case TermLoop:
                if (f.arg != End)
                    addBinary(f.arg);
                if (sc.kind() == Times || sc.kind() == Divide) {
                    push(TermLoop, sc.kind());
                    sc.next();
                    state = FactorStart;
                }
                break;
            case TermEnd:
                if (f.arg)
                    addOp(Negation, 0, 0);
                break;
            case FactorClose:
                if (f.arg != End)
                    addOp(f.arg, 0, 0);
                state = PowerSuffix;
                break;
            }
            break;
        }
        }
    }
}

long double CalcExpress::calc(std::span<const long double> values) const
{
    if (!hasTree_)
        throw Error(unbalanced_ ? QStringLiteral("Unbalanced parentheses")
                                : QStringLiteral("Invalid formula"));
    if (firstUnresolved_ >= 0)
        throw Error(QStringLiteral("Unknown variable '%1'").arg(slotNames_[size_t(firstUnresolved_)]));
    if (maxSlotIndex_ >= static_cast<qsizetype>(values.size())) {
        for (size_t i = 0; i < slotIndex_.size(); ++i)
            if (slotIndex_[i] >= static_cast<qsizetype>(values.size()))
                throw Error(QStringLiteral("No value for variable '%1'").arg(slotNames_[i]));
    }
    constexpr qsizetype kSmallStack = 32;
    if (maxDepth_ <= kSmallStack) {
        long double stack[kSmallStack];
        return run(values.data(), stack);
    }
    const std::unique_ptr<long double[]> stack(new long double[size_t(maxDepth_)]);
    return run(values.data(), stack.get());
}

long double CalcExpress::run(const long double* values, long double* stack) const
{
    using namespace formula;
    const long double* const consts = constants_.data();
    // The top of the stack lives in `acc`; `sp` is the next free slot below it.
    long double acc = 0;
    long double* sp = stack;
    // sin and cos of one argument share a single reduction when the formula has both.
    const bool shareTrig = sharedTrig_;
    long double trigArg = std::numeric_limits<long double>::quiet_NaN(), trigSin = 0, trigCos = 0;
    const auto trig = [&](long double x, bool wantSin) {
        // Zeros of opposite sign are different arguments (sin keeps the sign).
        if (!(x == trigArg && (x != 0 || std::signbit(x) == std::signbit(trigArg)))) {
            math::sineCosine(x, trigSin, trigCos);
            trigArg = x;
        }
        return wantSin ? trigSin : trigCos;
    };

    for (const Instr *ip = code_.data(), *end = ip + code_.size(); ip != end; ++ip) {
        switch (ip->op) {
        case Number:
            *sp++ = acc;
            acc = consts[ip->arg];
            break;
        case Variable:
            *sp++ = acc;
            acc = values[ip->arg];
            break;
        case Plus:
            acc = fp::add(*--sp, acc);
            break;
        case Minus:
            acc = fp::sub(*--sp, acc);
            break;
        case Times:
            acc = fp::mul(*--sp, acc);
            break;
        case Divide:
            acc = fp::div(*--sp, acc);
            break;
        case Power:
            acc = math::power(*--sp, acc);
            break;
        case Plus + WithConstant:
            acc = fp::add(acc, consts[ip->arg]);
            break;
        case Minus + WithConstant:
            acc = fp::sub(acc, consts[ip->arg]);
            break;
        case Times + WithConstant:
            acc = fp::mul(acc, consts[ip->arg]);
            break;
        case Divide + WithConstant:
            acc = fp::div(acc, consts[ip->arg]);
            break;
        case Power + WithConstant:
            acc = math::power(acc, consts[ip->arg]);
            break;
        case Plus + WithVariable:
            acc = fp::add(acc, values[ip->arg]);
            break;
        case Minus + WithVariable:
            acc = fp::sub(acc, values[ip->arg]);
            break;
        case Times + WithVariable:
            acc = fp::mul(acc, values[ip->arg]);
            break;
        case Divide + WithVariable:
            acc = fp::div(acc, values[ip->arg]);
            break;
        case Power + WithVariable:
            acc = math::power(acc, values[ip->arg]);
            break;
        case Negation:
            acc = -acc;
            break;
        case Cos:
            acc = shareTrig ? trig(acc, false) : math::cosine(acc);
            break;
        case Sin:
            acc = shareTrig ? trig(acc, true) : math::sine(acc);
            break;
        case Tg:
            acc = math::tg(acc);
            break;
        case Ctg:
            acc = math::ctg(acc);
            break;
        case Abs:
            acc = std::fabs(acc);
            break;
        case Sgn:
            acc = math::sgn(acc);
            break;
        case Sqrt:
            acc = math::sqrt(acc);
            break;
        case Ln:
            acc = math::ln(acc);
            break;
        case Log:
            acc = fp::div(math::ln(acc), math::kLn10);
            break;
        case Exp:
            acc = math::exp(acc);
            break;
        case Heaviside:
            acc = math::heaviside(acc);
            break;
        case BadNumber:
            parseFloat(badNumbers_[ip->arg], separator_); // throws the conversion error
            raiseInvalidOperation();
        default:
            acc = applyFunction(static_cast<Kind>(ip->op), acc);
            break;
        }
    }
    return acc;
}

} // namespace varnik

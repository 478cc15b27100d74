#include "core/calc/calcexpress.h"

#include "core/app/error.h"
#include "core/calc/floatfault.h"
#include "core/calc/floattext.h"
#include "core/calc/formulascanner.h"

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
    firstUnresolved_ = -1;
    maxSlotIndex_ = -1;
    depth_ = 0;
    maxDepth_ = 0;
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
}

void CalcExpress::addOp(std::uint8_t op, std::uint32_t arg, int stackEffect)
{
    code_.push_back({op, arg});
    depth_ += stackEffect;
    maxDepth_ = std::max(maxDepth_, depth_);
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
    std::vector<Frame> frames;
    QHash<QStringView, std::uint32_t> slotOfName;
    qsizetype parens = 0;

    const auto leaf = [&] {
        const QStringView text = sc.tokenText();
        if (sc.kind() == Number) {
            long double v = 0;
            if (tryParseFloat(text.toString(), v, separator_)) {
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
        addOp(Variable, *it, 1);
    };
    const auto isLeaf = [&] { return sc.kind() == Number || sc.kind() == Variable; };

    State state = ExprStart;
    for (;;) {
        switch (state) {
        case ExprStart:
            frames.push_back({ExprLoop, End});
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
            frames.push_back({TermEnd, negate});
            frames.push_back({TermLoop, End});
            state = FactorStart;
            break;
        }
        case FactorStart: {
            const Kind k = sc.kind();
            if (k == Open) {
                ++parens;
                frames.push_back({FactorClose, End});
                state = ExprStart;
            } else if (isLeaf()) {
                leaf();
                state = PowerSuffix;
            } else if (isFunction(k)) {
                sc.next();
                if (sc.kind() != Open)
                    syntaxError();
                ++parens;
                frames.push_back({FactorClose, k});
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
                addOp(Power, 0, -1);
                sc.next();
            }
            state = Return;
            break;
        case Return: {
            if (frames.empty()) {
                // A missing or surplus ")" leaves nothing to evaluate, without an error.
                hasTree_ = parens == 0;
                unbalanced_ = !hasTree_;
                if (!hasTree_)
                    code_.clear();
                return;
            }
            const Frame f = frames.back();
            frames.pop_back();
            switch (f.cont) {
            case ExprLoop:
                if (f.arg != End)
                    addOp(f.arg, 0, -1);
                if (sc.kind() == Plus || sc.kind() == Minus) {
                    frames.push_back({ExprLoop, sc.kind()});
                    state = TermStart;
                } else if (sc.kind() == Close) {
                    --parens;
                } else if (sc.kind() != End) {
                    syntaxError();
                }
                break;
            case TermLoop:
                if (f.arg != End)
                    addOp(f.arg, 0, -1);
                if (sc.kind() == Times || sc.kind() == Divide) {
                    frames.push_back({TermLoop, sc.kind()});
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
    using namespace formula;
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
    long double small[kSmallStack];
    std::unique_ptr<long double[]> large;
    long double* const base =
        maxDepth_ <= kSmallStack ? small : (large.reset(new long double[size_t(maxDepth_)]), large.get());
    long double* sp = base; // next free slot
    const long double* const vals = values.data();
    const qsizetype* const slot = slotIndex_.data();

    for (const Instr& in : code_) {
        switch (in.op) {
        case Number:
            *sp++ = constants_[in.arg];
            break;
        case Variable:
            *sp++ = vals[slot[in.arg]];
            break;
        case Plus:
            --sp;
            sp[-1] = fp::add(sp[-1], *sp);
            break;
        case Minus:
            --sp;
            sp[-1] = fp::sub(sp[-1], *sp);
            break;
        case Times:
            --sp;
            sp[-1] = fp::mul(sp[-1], *sp);
            break;
        case Divide:
            --sp;
            sp[-1] = fp::div(sp[-1], *sp);
            break;
        case Power:
            --sp;
            sp[-1] = power(sp[-1], *sp);
            break;
        case Negation:
            sp[-1] = -sp[-1];
            break;
        case BadNumber:
            parseFloat(badNumbers_[in.arg], separator_); // throws the conversion error
            raiseInvalidOperation();
        default:
            sp[-1] = applyFunction(static_cast<Kind>(in.op), sp[-1]);
            break;
        }
    }
    return base[0];
}

} // namespace varnik

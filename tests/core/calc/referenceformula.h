#pragma once

// A direct recursive transcription of the formula grammar, used only to check
// the production evaluator (which uses explicit stacks) on formulas of modest
// depth. It shares the arithmetic of each function with the production code,
// so a disagreement points at parsing or evaluation order.

#include "core/app/error.h"
#include "core/calc/floatfault.h"
#include "core/calc/floattext.h"
#include "core/calc/formulafunctions.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace varnik::test {

class ReferenceFormula {
public:
    struct Node {
        int kind = 0;
        long double value = 0;
        QString text;
        qsizetype var = -1;
        std::unique_ptr<Node> left, right;
    };

    ReferenceFormula(const QString& formula, const QStringList& variables, QChar sep)
        : variables_(variables), sep_(sep)
    {
        for (QChar c : formula)
            f_ += (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
        root_ = expression();
        if (depth_ != 0)
            root_.reset();
    }

    bool hasTree() const { return root_ != nullptr; }

    long double calc(std::span<const long double> values) const
    {
        if (!root_)
            throw Error(QStringLiteral("Unbalanced parentheses"));
        if (!unknown_.isEmpty())
            throw Error(QStringLiteral("Unknown variable '%1'").arg(unknown_));
        for (const auto& [name, index] : used_)
            if (index >= qsizetype(values.size()))
                throw Error(QStringLiteral("No value for variable '%1'").arg(name));
        return eval(*root_, values);
    }

private:
    using NodeP = std::unique_ptr<Node>;
    static NodeP make(int kind, NodeP l = {}, NodeP r = {})
    {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }
    [[noreturn]] static void fail(const char* msg = "") { throw Error(QString::fromLatin1(msg)); }

    bool digit(qsizetype i) const { return i < f_.size() && f_[i] >= u'0' && f_[i] <= u'9'; }

    void number()
    {
        while (digit(pos_))
            ++pos_;
        if (pos_ < f_.size() && f_[pos_] == sep_) {
            if (!digit(++pos_))
                fail("Wrong number.");
            while (digit(pos_))
                ++pos_;
        }
        if (pos_ < f_.size() && f_[pos_] == u'e') {
            ++pos_;
            if (pos_ >= f_.size())
                fail("Wrong number.");
            if (f_[pos_] == u'+' || f_[pos_] == u'-')
                ++pos_;
            if (!digit(pos_))
                fail("Wrong number.");
            while (digit(pos_))
                ++pos_;
        }
    }

    void scan()
    {
        text_.clear();
        while (pos_ < f_.size() && f_[pos_] == u' ')
            ++pos_;
        if (pos_ >= f_.size()) {
            kind_ = 0;
            return;
        }
        const qsizetype start = pos_;
        const QChar c = f_[pos_];
        const QString ops = QStringLiteral("()+-*/");
        if (c == u'-' && digit(pos_ + 1) && prev_ < 2) {
            ++pos_;
            number();
            kind_ = 7;
        } else if (ops.contains(c)) {
            kind_ = int(ops.indexOf(c)) + 1;
            ++pos_;
        } else if (c == u'^') {
            kind_ = 31;
            ++pos_;
        } else if (digit(pos_)) {
            number();
            kind_ = 7;
        } else if ((c >= u'a' && c <= u'z') || c == u'_') {
            while (pos_ < f_.size() &&
                   ((f_[pos_] >= u'a' && f_[pos_] <= u'z') || f_[pos_] == u'_' || digit(pos_)))
                ++pos_;
            kind_ = formula::functionKind(QStringView(f_).sliced(start, pos_ - start));
            if (kind_ == 0)
                kind_ = 8;
        } else {
            fail();
        }
        text_ = f_.mid(start, pos_ - start);
        prev2_ = prev_;
        prev_ = kind_;
    }

    NodeP leaf()
    {
        auto n = make(kind_);
        n->text = text_;
        if (kind_ == 8) {
            n->var = -1;
            for (qsizetype i = 0; i < variables_.size() && n->var < 0; ++i)
                if (variables_[i].toLower() == text_) // names in tests are ASCII
                    n->var = i;
            if (n->var < 0 && unknown_.isEmpty())
                unknown_ = text_;
            bool seen = false;
            for (const auto& u : used_)
                seen = seen || u.first == text_;
            if (!seen)
                used_.emplace_back(text_, n->var);
        }
        return n;
    }

    NodeP expression()
    {
        NodeP node = term();
        for (;;) {
            if (kind_ == 3 || kind_ == 4) {
                const int op = kind_;
                NodeP r = term();
                node = make(op, std::move(node), std::move(r));
            } else if (kind_ == 0) {
                return node;
            } else if (kind_ == 2) {
                --depth_;
                return node;
            } else {
                fail();
            }
        }
    }

    NodeP term()
    {
        scan();
        bool neg = false;
        if (prev2_ < 2) {
            if (kind_ == 4) {
                neg = true;
                scan();
            }
            if (kind_ == 3)
                scan();
        }
        NodeP node = factor();
        while (kind_ == 5 || kind_ == 6) {
            const int op = kind_;
            scan();
            NodeP r = factor();
            node = make(op, std::move(node), std::move(r));
        }
        return neg ? make(9, std::move(node)) : std::move(node);
    }

    NodeP factor()
    {
        NodeP node;
        if (kind_ == 1) {
            ++depth_;
            node = expression();
        } else if (kind_ == 7 || kind_ == 8) {
            node = leaf();
        } else if (formula::isFunction(formula::Kind(kind_))) {
            const int f = kind_;
            scan();
            if (kind_ != 1)
                fail();
            ++depth_;
            node = make(f, expression());
        } else {
            fail();
        }
        scan();
        while (kind_ == 31) {
            scan();
            NodeP e;
            if (kind_ == 7 || kind_ == 8) {
                e = leaf();
            } else if (kind_ == 1) {
                scan();
                if (kind_ != 7 && kind_ != 8)
                    fail();
                e = leaf();
                scan();
                if (kind_ != 2)
                    fail();
            } else {
                fail();
            }
            node = make(31, std::move(node), std::move(e));
            scan();
        }
        return node;
    }

    long double eval(const Node& n, std::span<const long double> v) const
    {
        switch (n.kind) {
        case 7:
            return parseFloat(n.text, sep_);
        case 8:
            return v[size_t(n.var)];
        case 9:
            return -eval(*n.left, v);
        case 31: {
            const long double b = eval(*n.left, v);
            return formula::power(b, eval(*n.right, v));
        }
        case 3:
        case 4:
        case 5:
        case 6: {
            const long double a = eval(*n.left, v);
            const long double b = eval(*n.right, v);
            return n.kind == 3   ? fp::add(a, b)
                   : n.kind == 4 ? fp::sub(a, b)
                   : n.kind == 5 ? fp::mul(a, b)
                                 : fp::div(a, b);
        }
        default:
            return formula::applyFunction(formula::Kind(n.kind), eval(*n.left, v));
        }
    }

    QString f_;
    QStringList variables_;
    QChar sep_;
    qsizetype pos_ = 0;
    int depth_ = 0, kind_ = 0, prev_ = 0, prev2_ = 0;
    QString text_;
    NodeP root_;
    QString unknown_;
    std::vector<std::pair<QString, qsizetype>> used_; // in order of first use
};

} // namespace varnik::test

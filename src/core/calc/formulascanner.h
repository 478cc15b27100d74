#pragma once

#include "core/calc/formulafunctions.h"

#include <QChar>
#include <QStringView>

namespace varnik {

// Splits a lower-case formula into tokens, one per next() call, remembering the
// kinds of the two tokens before (the end of the formula is not remembered).
class FormulaScanner {
public:
    FormulaScanner(QStringView text, QChar decimalSeparator)
        : text_(text), s_(text.utf16()), n_(text.size()), separator_(decimalSeparator.unicode())
    {
    }

    // Reads the next token. Throws Error("Wrong number.") for a malformed
    // number and Error with an empty message for a character that starts no token.
    void next();

    formula::Kind kind() const { return kind_; }
    formula::Kind previousKind() const { return prev_; }
    formula::Kind kindBeforePrevious() const { return prev2_; }
    // The token's characters: a number exactly as written (perhaps with a
    // leading "-"), an identifier, a function name.
    QStringView tokenText() const { return text_.sliced(start_, pos_ - start_); }

private:
    void scanNumber();
    bool digitAt(qsizetype i) const { return i < n_ && s_[i] >= u'0' && s_[i] <= u'9'; }

    QStringView text_;
    const char16_t* s_;
    qsizetype n_;
    char16_t separator_;
    qsizetype pos_ = 0;
    qsizetype start_ = 0;
    formula::Kind kind_ = formula::End;
    formula::Kind prev_ = formula::End;
    formula::Kind prev2_ = formula::End;
};

} // namespace varnik

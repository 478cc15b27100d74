#include "core/calc/formulascanner.h"

#include "core/app/error.h"

namespace varnik {

namespace {

[[noreturn]] void wrongNumber()
{
    throw Error(QStringLiteral("Wrong number."));
}

bool isIdentifierStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool isIdentifierChar(char16_t c)
{
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9');
}

} // namespace

void FormulaScanner::scanNumber()
{
    while (digitAt(pos_))
        ++pos_;
    if (pos_ < n_ && s_[pos_] == separator_) {
        ++pos_;
        if (!digitAt(pos_))
            wrongNumber();
        while (digitAt(pos_))
            ++pos_;
    }
    if (pos_ < n_ && (s_[pos_] == u'e' || s_[pos_] == u'E')) {
        ++pos_;
        if (pos_ < n_ && (s_[pos_] == u'+' || s_[pos_] == u'-'))
            ++pos_;
        if (!digitAt(pos_))
            wrongNumber();
        while (digitAt(pos_))
            ++pos_;
    }
}

void FormulaScanner::next()
{
    using namespace formula;
    const qsizetype n = n_;
    while (pos_ < n && s_[pos_] == u' ')
        ++pos_;
    start_ = pos_;
    if (pos_ >= n) {
        kind_ = End;
        return;
    }
    const char16_t c = s_[pos_];
    Kind k = End;
    switch (c) {
    case u'(':
        k = Open;
        ++pos_;
        break;
    case u')':
        k = Close;
        ++pos_;
        break;
    case u'+':
        k = Plus;
        ++pos_;
        break;
    case u'*':
        k = Times;
        ++pos_;
        break;
    case u'/':
        k = Divide;
        ++pos_;
        break;
    case u'^':
        k = Power;
        ++pos_;
        break;
    case u'-':
        ++pos_;
        // After the start or "(", a minus directly before a digit signs the number.
        if (digitAt(pos_) && prev_ <= Open) {
            scanNumber();
            k = Number;
        } else {
            k = Minus;
        }
        break;
    default:
        if (c >= u'0' && c <= u'9') {
            scanNumber();
            k = Number;
        } else if (isIdentifierStart(c)) {
            while (pos_ < n && isIdentifierChar(s_[pos_]))
                ++pos_;
            k = functionKind(text_.sliced(start_, pos_ - start_));
            if (k == End)
                k = Variable;
        } else {
            throw Error(QString());
        }
    }
    kind_ = k;
    prev2_ = prev_;
    prev_ = k;
}

} // namespace varnik

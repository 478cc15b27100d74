#include "core/calc/floattext.h"

#include "core/app/error.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace varnik {

QString formatFloat(long double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±x (locale-independent).
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exp10 = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (value < 0)
        out += u'-';
    // The decimal point stands after `point` digits.
    const int point = exp10 + 1;
    if (point > 15 || point < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            out += decimalSeparator;
            out += QString::fromLatin1(digits.data() + 1, static_cast<qsizetype>(digits.size() - 1));
        }
        out += u'E';
        out += QString::number(exp10);
        return out;
    }
    if (point <= 0) {
        out += u'0';
        out += decimalSeparator;
        out += QString(-point, u'0');
        out += QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
        return out;
    }
    const auto intDigits = static_cast<size_t>(point);
    if (digits.size() <= intDigits) {
        out += QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
        out += QString(static_cast<qsizetype>(intDigits - digits.size()), u'0');
        return out;
    }
    out += QString::fromLatin1(digits.data(), static_cast<qsizetype>(intDigits));
    out += decimalSeparator;
    out += QString::fromLatin1(digits.data() + intDigits, static_cast<qsizetype>(digits.size() - intDigits));
    return out;
}

namespace {

// Power of ten of the leading nonzero digit of "[-]digits[.digits][e[+-]digits]",
// saturating far beyond the extended range.
long long decimalMagnitude(const std::string& s)
{
    const size_t e = s.find('e');
    const std::string m = s.substr(0, e);
    const size_t point = std::min(m.find('.'), m.size());
    long long mag = 0;
    for (size_t i = 0; i < m.size(); ++i) {
        if (m[i] >= '1' && m[i] <= '9') {
            mag = i < point ? static_cast<long long>(point - i) - 1 : -static_cast<long long>(i - point);
            break;
        }
    }
    if (e != std::string::npos) {
        long long exp = 0;
        size_t i = e + 1;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ++i;
        for (; i < s.size(); ++i)
            exp = std::min(exp * 10 + (s[i] - '0'), 1000000000LL);
        mag += negative ? -exp : exp;
    }
    return mag;
}

// from_chars reports a subnormal result as out of range without its value;
// the C library's conversion gives it, read in the "C" locale.
long double underflowedValue(const std::string& s)
{
#ifdef __GLIBC__
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (c)
        return strtold_l(s.c_str(), nullptr, c);
#endif
    return s.starts_with('-') ? -0.0L : 0.0L;
}

} // namespace

bool tryParseFloat(const QString& text, long double& value, QChar decimalSeparator)
{
    // Validate the user's form and rewrite it with '.' for the locale-free parser.
    std::string s;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            s += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        s += static_cast<char>(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == decimalSeparator) {
        s += '.';
        ++i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            s += static_cast<char>(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        s += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            s += static_cast<char>(text[i++].unicode());
        bool expDigit = false;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            s += static_cast<char>(text[i++].unicode());
            expDigit = true;
        }
        if (!expDigit)
            return false;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return false;
    long double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows silently (to a subnormal value, or zero); too
        // large is not a value we can hold.
        if (decimalMagnitude(s) >= 0)
            return false;
        value = underflowedValue(s);
        return true;
    } else if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        return false;
    }
    value = v;
    return true;
}

long double parseFloat(const QString& text, QChar decimalSeparator)
{
    long double v = 0;
    if (!tryParseFloat(text, v, decimalSeparator))
        throw Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

} // namespace varnik

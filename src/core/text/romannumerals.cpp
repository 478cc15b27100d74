#include "core/text/romannumerals.h"

#include <array>

namespace varnik {

QString numberToRoman(qint32 number)
{
    if (number < 0)
        return QStringLiteral("Negative");
    const QString digits = QString::number(number);
    if (digits.size() >= 8)
        return QStringLiteral("Too Big");
    if (number == 0)
        return {};
    static constexpr std::array<const char*, 10> patterns{"",  "x",  "xx",  "xxx",  "xy",
                                                          "y", "yx", "yxx", "yxxx", "xz"};
    static constexpr std::array<std::array<char16_t, 3>, 7> letters{{{u'I', u'V', u'X'},
                                                                     {u'X', u'L', u'C'},
                                                                     {u'C', u'D', u'M'},
                                                                     {u'M', u'v', u'x'},
                                                                     {u'x', u'l', u'c'},
                                                                     {u'c', u'd', u'm'},
                                                                     {u'm', u'?', u'!'}}};
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const auto place = static_cast<size_t>(digits.size() - 1 - i);
        for (const char* p = patterns[static_cast<size_t>(digits[i].unicode() - u'0')]; *p; ++p)
            out += QChar(letters[place][static_cast<size_t>(*p - 'x')]);
    }
    return out;
}

namespace {

qint64 letterValue(QChar c)
{
    switch (c.unicode()) {
    case u'I':
        return 1;
    case u'V':
        return 5;
    case u'X':
        return 10;
    case u'L':
        return 50;
    case u'C':
        return 100;
    case u'D':
        return 500;
    case u'M':
        return 1000;
    case u'v':
        return 5000;
    case u'x':
        return 10000;
    case u'l':
        return 50000;
    case u'c':
        return 100000;
    case u'd':
        return 500000;
    case u'm':
        return 1000000;
    case u'?':
        return 5000000;
    case u'!':
        return 10000000;
    default:
        return 0;
    }
}

} // namespace

qint64 romanToNumber(QStringView text)
{
    qint64 sum = 0, prev = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        qint64 v = letterValue(text[i]);
        if (v == 0)
            return -1;
        if (prev > v)
            v = -v;
        sum += v;
        prev = v;
    }
    return sum;
}

} // namespace varnik

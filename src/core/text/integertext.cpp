#include "core/text/integertext.h"

#include "core/app/error.h"
#include "core/app/hexdigit.h"

namespace varnik {

namespace {

// Keeps error messages readable when the text is a whole document.
QString quotedForMessage(QStringView text)
{
    constexpr qsizetype limit = 60;
    if (text.size() <= limit)
        return text.toString();
    return text.first(limit).toString() + QStringLiteral("...");
}

} // namespace

bool tryParseInteger(QStringView text, qint32& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    }
    if (i == n)
        return false;
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const int d = hexDigitValue(text[i].unicode());
        if (d < 0 || d >= base)
            return false;
        magnitude = magnitude * base + d;
        if (magnitude > limit)
            return false;
    }
    value = static_cast<qint32>(negative ? -magnitude : magnitude);
    return true;
}

qint32 parseInteger(QStringView text)
{
    qint32 v = 0;
    if (!tryParseInteger(text, v))
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(quotedForMessage(text)));
    return v;
}

bool isDecimalValid(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c != u'-' && (c < u'0' || c > u'9'))
            return false;
    return true;
}

} // namespace varnik

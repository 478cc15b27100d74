#include "core/text/numberruns.h"

#include "core/app/hexdigit.h"
#include "core/text/integertext.h"

namespace varnik {

qint32 binaryValue(QStringView run)
{
    quint32 sum = 0, weight = 1;
    const bool negative = !run.isEmpty() && run[0] == u'-';
    for (qsizetype i = run.size() - 1; i >= (negative ? 1 : 0); --i) {
        if (run[i] == u'1')
            sum += weight;
        weight <<= 1;
    }
    return static_cast<qint32>(negative ? 0u - sum : sum);
}

qint32 hexValue(QStringView run)
{
    quint32 sum = 0, weight = 1;
    for (qsizetype i = run.size() - 1; i >= 0; --i) {
        const int d = hexDigitValue(run[i].unicode());
        if (d < 0) {
            sum = 0;
            weight = 0;
            continue;
        }
        sum += static_cast<quint32>(d) * weight;
        weight *= 16;
    }
    return static_cast<qint32>(sum);
}

QString binaryDigits(qint32 value)
{
    quint32 magnitude = value < 0 ? 0u - static_cast<quint32>(value) : static_cast<quint32>(value);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + (magnitude & 1)));
        magnitude >>= 1;
    } while (magnitude != 0);
    if (value < 0)
        digits.prepend(u'-');
    qsizetype width = 8;
    if (digits.size() > 8)
        width = 16;
    if (digits.size() > 16)
        width = 32;
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), u'0'));
    return digits;
}

QString hexDigits(qint32 value)
{
    if (value < 0)
        return QString::number(static_cast<quint32>(value), 16).toUpper();
    return QStringLiteral("%1").arg(value, 2, 16, QChar(u'0')).toUpper();
}

namespace {

bool isBinaryRunChar(QChar c)
{
    return c == u'-' || c == u'0' || c == u'1';
}
bool isDecimalRunChar(QChar c)
{
    return c == u'-' || (c >= u'0' && c <= u'9');
}
bool isHexRunChar(QChar c)
{
    return c == u'-' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

} // namespace

QString binRunsToDecimal(QStringView text)
{
    return convertRuns(text, isBinaryRunChar,
                       [](QStringView run) { return QString::number(binaryValue(run)); });
}

QString decimalRunsToBinary(QStringView text)
{
    return convertRuns(text, isDecimalRunChar,
                       [](QStringView run) { return binaryDigits(parseInteger(run)); });
}

QString hexRunsToDecimal(QStringView text)
{
    return convertRuns(text, isHexRunChar, [](QStringView run) { return QString::number(hexValue(run)); });
}

QString decimalRunsToHex(QStringView text)
{
    return convertRuns(text, isDecimalRunChar, [](QStringView run) { return hexDigits(parseInteger(run)); });
}

} // namespace varnik

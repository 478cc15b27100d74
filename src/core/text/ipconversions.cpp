#include "core/text/ipconversions.h"

#include "core/app/error.h"
#include "core/calc/floattext.h"
#include "core/text/integertext.h"
#include "core/text/itemsplit.h"
#include "core/text/numberruns.h"

#include <cmath>

namespace varnik {

QString ipToHex(QStringView text)
{
    const QList<QStringView> items = splitItems(text, u".");
    if (items.size() != 4)
        throw Error(QStringLiteral("Not an IP address"));
    QString hex;
    for (QStringView item : items) {
        const qint32 v = parseInteger(item);
        if (v < 0 || v > 255)
            throw Error(QStringLiteral("Not an IP address"));
        hex += QStringLiteral("%1").arg(v, 2, 16, QChar(u'0')).toUpper();
    }
    return text.toString() + QStringLiteral(" = ") + hex;
}

QString hexToIp(QStringView text, QChar decimalSeparator)
{
    const long double value = parseFloat(hexRunsToDecimal(text), decimalSeparator);
    const long double whole = std::trunc(value);
    if (!(std::fabs(whole) < 9.2233720368547758e18L))
        throw Error(QStringLiteral("Invalid floating point operation"));
    const auto v = static_cast<quint32>(static_cast<qint64>(whole));
    return text.toString() + QStringLiteral(" = %1.%2.%3.%4")
                                 .arg(v >> 24)
                                 .arg((v >> 16) & 0xFF)
                                 .arg((v >> 8) & 0xFF)
                                 .arg(v & 0xFF);
}

bool parseDottedIpv4(QStringView text, quint32& address)
{
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    quint32 a = 0;
    for (QStringView p : parts) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        int v = 0;
        for (QChar c : p) {
            if (c < u'0' || c > u'9')
                return false;
            v = v * 10 + (c.unicode() - u'0');
        }
        if (v > 255)
            return false;
        a = (a << 8) | static_cast<quint32>(v);
    }
    address = a;
    return true;
}

} // namespace varnik

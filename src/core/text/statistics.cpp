#include "core/text/statistics.h"

#include "core/app/error.h"
#include "core/calc/floattext.h"
#include "core/text/itemsplit.h"

#include <cmath>
#include <cstdio>

namespace varnik {

namespace {

// Eight decimal places; the general form past 18 integer digits.
QString fixed8(long double v, QChar separator)
{
    if (!std::isfinite(v))
        throw Error(QStringLiteral("Floating point overflow"));
    if (std::fabs(v) >= 1e18L)
        return formatFloat(v, separator);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.8Lf", v);
    QString s = QString::fromLatin1(buf);
    if (s.startsWith(u'-') && s.count(u'0') == s.size() - 2)
        s.remove(0, 1); // no "-0.00000000"
    s.replace(u'.', separator);
    return s;
}

} // namespace

QString numberStatistics(QStringView text, QChar decimalSeparator)
{
    long double sum = 0, max = 0, min = 0, avg = 0;
    qint64 cnt = 0;
    const QList<QStringView> items = splitItems(text, u",");
    QString item;
    for (qsizetype i = 0; i < items.size(); ++i) {
        item = items[i].toString();
        long double v = 0;
        if (!tryParseFloat(item, v, decimalSeparator))
            continue;
        if (i == 0) {
            max = min = v;
        } else {
            if (v > max)
                max = v;
            if (v < min)
                min = v;
        }
        ++cnt;
        sum += v;
    }
    if (cnt > 0)
        avg = sum / static_cast<long double>(cnt);
    return text.toString() + QStringLiteral("\r\ncnt=%1 sum=%2 avg=%3 max=%4 min=%5")
                                 .arg(cnt)
                                 .arg(fixed8(sum, decimalSeparator), fixed8(avg, decimalSeparator),
                                      fixed8(max, decimalSeparator), fixed8(min, decimalSeparator));
}

} // namespace varnik

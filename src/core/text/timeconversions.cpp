#include "core/text/timeconversions.h"

#include "core/text/integertext.h"

namespace varnik {

QString secondsToHms(QStringView text)
{
    const qint32 s = parseInteger(text);
    return text.toString() + QStringLiteral(" = %1 h %2 m %3 s").arg(s / 3600).arg(s % 3600 / 60).arg(s % 60);
}

QString unixTimeText(QStringView text, int biasMinutes, const DateTimeLocale& locale)
{
    const qint64 local = static_cast<qint64>(parseInteger(text)) - static_cast<qint64>(biasMinutes) * 60;
    qint64 days = local / 86400;
    qint64 seconds = local % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    const QDate date = QDate(1970, 1, 1).addDays(days);
    const QTime time(static_cast<int>(seconds / 3600), static_cast<int>(seconds % 3600 / 60),
                     static_cast<int>(seconds % 60));
    return formatDateTime(u"yyyy-mm-dd hh:nn:ss", date, time, locale);
}

} // namespace varnik

#pragma once

#include "core/text/datetimeformat.h"

#include <QString>
#include <QStringView>

namespace varnik {

// "3725" gives "3725 = 1 h 2 m 5 s"; a negative count gives negative parts.
// Throws Error when the text is not an integer (a trailing line break included).
QString secondsToHms(QStringView text);

// The moment `text` seconds after 1970-01-01 00:00 UTC, in local standard time
// (`biasMinutes`: UTC = local time + bias; no daylight saving), as
// "yyyy-mm-dd hh:nn:ss". Throws Error when the text is not an integer.
QString unixTimeText(QStringView text, int biasMinutes, const DateTimeLocale& locale);

} // namespace varnik

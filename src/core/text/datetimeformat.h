#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

class QLocale;

namespace varnik {

// The regional values the date-time patterns refer to. The defaults are the
// neutral English ones, so formatting is deterministic unless a locale is given.
struct DateTimeLocale {
    QStringList shortMonthNames; // 12, January first
    QStringList longMonthNames;
    // Month names as they stand after a day number ("1 stycznia"); empty when
    // the language does not inflect them.
    QStringList longMonthNamesAfterDay;
    QStringList shortDayNames; // 7, Sunday first
    QStringList longDayNames;
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    // In the pattern language of formatDateTime.
    QString shortDateFormat = QStringLiteral("m/d/yyyy");
    QString longDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    QString shortTimeFormat = QStringLiteral("h:nn AMPM");
    QString longTimeFormat = QStringLiteral("h:nn:ss AMPM");
    QString amText = QStringLiteral("AM");
    QString pmText = QStringLiteral("PM");

    DateTimeLocale();
    // Names, separators and formats of a Qt locale, its formats translated
    // into the pattern language.
    static DateTimeLocale fromLocale(const QLocale& locale);
};

// `pattern` applied to a date and time. Letters are case-insensitive:
//   d dd ddd dddd ddddd dddddd   day, 01, short name, long name, short date, long date
//   m mm mmm mmmm                month (minutes right after an hour), 01, names
//   yy yyyy                      year in 2 or 4 digits
//   h hh n nn s ss z zzz         hour, minute, second, millisecond
//   t tt                         short and long time
//   c                            short date, then long time unless it is midnight
//   am/pm a/p ampm               12-hour clock with the marker (ampm: the locale's)
//   aaa aaaa                     short and long day name
//   / :                          the date and time separators
//   "text" 'text'                literal text
// Anything else is copied. An empty pattern means "c".
QString formatDateTime(QStringView pattern, QDate date, QTime time, const DateTimeLocale& locale);

} // namespace varnik

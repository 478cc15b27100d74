#include "core/text/datetimeformat.h"

#include <QLocale>

namespace varnik {

namespace {

QStringList nameList(std::initializer_list<const char16_t*> names)
{
    QStringList list;
    for (const char16_t* n : names)
        list.append(QString::fromUtf16(n));
    return list;
}

} // namespace

DateTimeLocale::DateTimeLocale()
    : shortMonthNames(nameList(
          {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"})),
      longMonthNames(nameList({u"January", u"February", u"March", u"April", u"May", u"June", u"July",
                               u"August", u"September", u"October", u"November", u"December"})),
      shortDayNames(nameList({u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"})),
      longDayNames(
          nameList({u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"}))
{
}

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool startsWithNoCase(QStringView s, qsizetype at, QStringView what)
{
    return s.size() - at >= what.size() && s.sliced(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// A literal character in the pattern language.
void appendLiteral(QString& out, QChar c)
{
    if (c == u'"')
        out += u"'\"'";
    else if (isAsciiLetter(c) || c == u'/' || c == u':' || c == u'\'')
        out += u'"' + QString(c) + u'"';
    else
        out += c;
}

QChar firstSeparator(const QString& qtFormat, QChar fallback)
{
    bool quoted = false;
    for (QChar c : qtFormat) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !isAsciiLetter(c) && c != u' ')
            return c;
    }
    return fallback;
}

// Qt's date and time formats in the pattern language of formatDateTime.
QString translateQtFormat(const QString& f, bool timeFormat, QChar separator, QChar separatorToken)
{
    QString out;
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == u'\'') {
            if (i + 1 < f.size() && f[i + 1] == u'\'') {
                appendLiteral(out, c);
                ++i;
                continue;
            }
            for (++i; i < f.size(); ++i) {
                if (f[i] == u'\'') {
                    if (i + 1 < f.size() && f[i + 1] == u'\'') {
                        appendLiteral(out, f[i]);
                        ++i;
                        continue;
                    }
                    break;
                }
                appendLiteral(out, f[i]);
            }
            continue;
        }
        if (c == separator) {
            out += separatorToken;
            continue;
        }
        if (!isAsciiLetter(c)) {
            appendLiteral(out, c);
            continue;
        }
        if (!timeFormat && (c == u'd' || c == u'y')) {
            out += c;
        } else if (!timeFormat && c == u'M') {
            out += u'm';
        } else if (timeFormat && (c == u'h' || c == u'H')) {
            out += u'h';
        } else if (timeFormat && c == u'm') {
            out += u'n';
        } else if (timeFormat && (c == u's' || c == u'z')) {
            out += c;
        } else if (timeFormat && (c == u'A' || c == u'a')) {
            if (i + 1 < f.size() && (f[i + 1] == u'P' || f[i + 1] == u'p'))
                ++i;
            out += u"AMPM";
        } else if (timeFormat && c == u't') {
            // Time-zone names have no counterpart.
        } else {
            appendLiteral(out, c);
        }
    }
    return out.trimmed();
}

class Formatter {
public:
    Formatter(QDate date, QTime time, const DateTimeLocale& locale) : date_(date), time_(time), loc_(locale)
    {
    }

    void append(QStringView f)
    {
        // Formats name other formats; two levels are enough and stop loops.
        if (level_ >= 2)
            return;
        ++level_;
        run(f);
        --level_;
    }

    QString result() const { return out_; }

private:
    void number(int value, int digits) { out_ += QStringLiteral("%1").arg(value, digits, 10, QChar(u'0')); }

    void name(const QStringList& names, int index)
    {
        if (index >= 0 && index < names.size())
            out_ += names[index];
    }

    int dayOfWeekIndex() const { return date_.dayOfWeek() % 7; } // Sunday first

    // Whether an hour is followed by a 12-hour marker before the next hour.
    static bool markerFollows(QStringView f, qsizetype from)
    {
        bool quoted = false;
        for (qsizetype p = from; p < f.size(); ++p) {
            const QChar c = f[p];
            if (c == u'\'' || c == u'"') {
                quoted = !quoted;
            } else if (!quoted && (c == u'a' || c == u'A')) {
                return startsWithNoCase(f, p, u"AM/PM") || startsWithNoCase(f, p, u"A/P") ||
                       startsWithNoCase(f, p, u"AMPM");
            } else if (c == u'h' || c == u'H') {
                return false;
            }
        }
        return false;
    }

    static bool hasDayNumber(QStringView f)
    {
        QChar quote;
        for (qsizetype p = 0; p < f.size(); ++p) {
            const QChar c = f[p];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                continue;
            }
            if (c == u'\'' || c == u'"') {
                quote = c;
                continue;
            }
            if (c == u'd' || c == u'D') {
                qsizetype e = p;
                while (e < f.size() && f[e] == c)
                    ++e;
                if (e - p <= 2)
                    return true;
                p = e - 1;
            }
        }
        return false;
    }

    void run(QStringView f)
    {
        const qsizetype n = f.size();
        char16_t lastToken = u' ';
        // Whether month names take their after-day form; looked up once per pattern.
        int dayNumber = -1;
        const auto afterDay = [&] {
            if (dayNumber < 0)
                dayNumber = hasDayNumber(f) ? 1 : 0;
            return dayNumber == 1;
        };
        qsizetype i = 0;
        while (i < n) {
            const QChar starter = f[i++];
            const auto count = [&] {
                qsizetype c = 1;
                while (i < n && f[i] == starter) {
                    ++i;
                    ++c;
                }
                return c;
            };
            char16_t token = starter.unicode();
            if (token >= u'a' && token <= u'z')
                token -= 32;
            if (token >= u'A' && token <= u'Z') {
                if (token == u'M' && lastToken == u'H')
                    token = u'N';
                lastToken = token;
            }
            switch (token) {
            case u'Y':
                if (count() <= 2)
                    number(date_.year() % 100, 2);
                else
                    number(date_.year(), 4);
                break;
            case u'M': {
                const qsizetype c = count();
                if (c <= 2)
                    number(date_.month(), static_cast<int>(c));
                else if (c == 3)
                    name(loc_.shortMonthNames, date_.month() - 1);
                else if (!loc_.longMonthNamesAfterDay.isEmpty() && afterDay())
                    name(loc_.longMonthNamesAfterDay, date_.month() - 1);
                else
                    name(loc_.longMonthNames, date_.month() - 1);
                break;
            }
            case u'D': {
                const qsizetype c = count();
                if (c <= 2)
                    number(date_.day(), static_cast<int>(c));
                else if (c == 3)
                    name(loc_.shortDayNames, dayOfWeekIndex());
                else if (c == 4)
                    name(loc_.longDayNames, dayOfWeekIndex());
                else if (c == 5)
                    append(loc_.shortDateFormat);
                else
                    append(loc_.longDateFormat);
                break;
            }
            case u'H': {
                const qsizetype c = count();
                if (markerFollows(f, i))
                    twelveHour_ = true;
                int h = time_.hour();
                if (twelveHour_)
                    h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
                number(h, c >= 2 ? 2 : 1);
                break;
            }
            case u'N':
                number(time_.minute(), count() >= 2 ? 2 : 1);
                break;
            case u'S':
                number(time_.second(), count() >= 2 ? 2 : 1);
                break;
            case u'Z':
                number(time_.msec(), static_cast<int>(std::min<qsizetype>(count(), 3)));
                break;
            case u'T':
                append(count() == 1 ? loc_.shortTimeFormat : loc_.longTimeFormat);
                break;
            case u'C':
                count();
                append(loc_.shortDateFormat);
                if (time_.hour() != 0 || time_.minute() != 0 || time_.second() != 0) {
                    out_ += u' ';
                    append(loc_.longTimeFormat);
                }
                break;
            case u'A':
                marker(f, i);
                break;
            case u'/':
                if (!loc_.dateSeparator.isNull())
                    out_ += loc_.dateSeparator;
                break;
            case u':':
                if (!loc_.timeSeparator.isNull())
                    out_ += loc_.timeSeparator;
                break;
            case u'\'':
            case u'"': {
                const qsizetype start = i;
                while (i < n && f[i] != starter)
                    ++i;
                out_ += f.sliced(start, i - start);
                if (i < n)
                    ++i;
                break;
            }
            default:
                out_ += starter;
            }
        }
    }

    // At `i` just after an "a": the 12-hour markers and the day-name forms.
    void marker(QStringView f, qsizetype& i)
    {
        const qsizetype p = i - 1;
        const bool pm = time_.hour() >= 12;
        if (startsWithNoCase(f, p, u"AM/PM")) {
            out_ += f.sliced(pm ? p + 3 : p, 2);
            i = p + 5;
            twelveHour_ = true;
        } else if (startsWithNoCase(f, p, u"A/P")) {
            out_ += f.sliced(pm ? p + 2 : p, 1);
            i = p + 3;
            twelveHour_ = true;
        } else if (startsWithNoCase(f, p, u"AMPM")) {
            out_ += pm ? loc_.pmText : loc_.amText;
            i = p + 4;
            twelveHour_ = true;
        } else if (startsWithNoCase(f, p, u"AAAA")) {
            name(loc_.longDayNames, dayOfWeekIndex());
            i = p + 4;
        } else if (startsWithNoCase(f, p, u"AAA")) {
            name(loc_.shortDayNames, dayOfWeekIndex());
            i = p + 3;
        } else {
            out_ += f[p];
        }
    }

    QDate date_;
    QTime time_;
    const DateTimeLocale& loc_;
    QString out_;
    int level_ = 0;
    bool twelveHour_ = false;
};

} // namespace

DateTimeLocale DateTimeLocale::fromLocale(const QLocale& locale)
{
    DateTimeLocale l;
    bool inflected = false;
    for (int m = 1; m <= 12; ++m) {
        l.shortMonthNames[m - 1] = locale.standaloneMonthName(m, QLocale::ShortFormat);
        l.longMonthNames[m - 1] = locale.standaloneMonthName(m, QLocale::LongFormat);
        const QString afterDay = locale.monthName(m, QLocale::LongFormat);
        l.longMonthNamesAfterDay.append(afterDay);
        inflected = inflected || afterDay != l.longMonthNames[m - 1];
    }
    if (!inflected)
        l.longMonthNamesAfterDay.clear();
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt counts from Monday
        l.shortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
        l.longDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    l.dateSeparator = firstSeparator(shortDate, u'/');
    l.timeSeparator = firstSeparator(longTime, u':');
    l.shortDateFormat = translateQtFormat(shortDate, false, l.dateSeparator, u'/');
    l.longDateFormat =
        translateQtFormat(locale.dateFormat(QLocale::LongFormat), false, l.dateSeparator, u'/');
    l.shortTimeFormat =
        translateQtFormat(locale.timeFormat(QLocale::ShortFormat), true, l.timeSeparator, u':');
    l.longTimeFormat = translateQtFormat(longTime, true, l.timeSeparator, u':');
    l.amText = locale.amText();
    l.pmText = locale.pmText();
    return l;
}

QString formatDateTime(QStringView pattern, QDate date, QTime time, const DateTimeLocale& locale)
{
    Formatter f(date, time, locale);
    f.append(pattern.isEmpty() ? QStringView(u"c") : pattern);
    return f.result();
}

} // namespace varnik

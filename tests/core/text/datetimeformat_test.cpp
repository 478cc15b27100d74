#include "core/text/datetimeformat.h"

#include "texttestsupport.h"

#include <QLocale>

namespace varnik::test {
namespace {

struct PatternRow {
    const char* pattern;
    const char* expected;
};

// Tuesday 5 March 2024, 14:07:09.123.
const QDate day(2024, 3, 5);
const QTime afternoon(14, 7, 9, 123);

TEST(DateTimeFormat, patternElements)
{
    const PatternRow rows[] = {
        {"yyyy-mm-dd hh:nn:ss", "2024-03-05 14:07:09"},
        {"d/m/yy", "5/3/24"},
        {"dd.mm.yyyy", "05.03.2024"},
        {"YYYY-MM-DD", "2024-03-05"},
        {"y", "24"},
        {"yyy", "2024"},
        {"ddd dddd", "Tue Tuesday"},
        {"mmm mmmm", "Mar March"},
        {"hh:mm", "14:07"},
        {"h m", "14 7"},
        {"m", "3"},
        {"Mm", "33"},
        {"n nn s ss", "7 07 9 09"},
        {"hhh", "14"},
        {"z zz zzz zzzz", "123 123 123 123"},
        {"h:nn am/pm", "2:07 pm"},
        {"h:nn AM/PM", "2:07 PM"},
        {"h a/p", "2 p"},
        {"hh ampm", "02 PM"},
        {"aaa aaaa", "Tue Tuesday"},
        {"a", "a"},
        {"c", "3/5/2024 2:07:09 PM"},
        {"ddddd", "3/5/2024"},
        {"dddddd", "Tuesday, March 5, 2024"},
        {"t", "2:07 PM"},
        {"tt", "2:07:09 PM"},
        {"'yyyy' \"mm\"", "yyyy mm"},
        {"'unterminated", "unterminated"},
        {"x#%", "x#%"},
        {"", "3/5/2024 2:07:09 PM"},
        {"hh 'am/pm'", "14 am/pm"},
    };
    const DateTimeLocale locale;
    for (const PatternRow& r : rows)
        EXPECT_EQ(formatDateTime(u8(r.pattern), day, afternoon, locale), u8(r.expected)) << r.pattern;
}

TEST(DateTimeFormat, twelveHourClockAroundMidnightAndNoon)
{
    const DateTimeLocale locale;
    struct Row {
        QTime time;
        const char* expected;
    } rows[] = {{QTime(0, 30), "12:30 AM"},
                {QTime(12, 0), "12:00 PM"},
                {QTime(23, 59), "11:59 PM"},
                {QTime(1, 5), "1:05 AM"}};
    for (const auto& r : rows)
        EXPECT_EQ(formatDateTime(u"h:nn AM/PM", day, r.time, locale), u8(r.expected)) << r.expected;
}

TEST(DateTimeFormat, shortDateAloneAtMidnight)
{
    EXPECT_EQ(formatDateTime(u"c", day, QTime(0, 0), DateTimeLocale()), u8("3/5/2024"));
}

TEST(DateTimeFormat, separatorsComeFromTheLocale)
{
    DateTimeLocale locale;
    locale.dateSeparator = u'.';
    locale.timeSeparator = u'-';
    EXPECT_EQ(formatDateTime(u"dd/mm/yyyy hh:nn", day, afternoon, locale), u8("05.03.2024 14-07"));
}

TEST(DateTimeFormat, formatsThatNameThemselvesStop)
{
    DateTimeLocale locale;
    locale.shortDateFormat = QStringLiteral("ddddd c");
    locale.longTimeFormat = QStringLiteral("tt");
    const QString out = formatDateTime(u"c ddddd tt", day, afternoon, locale);
    EXPECT_LT(out.size(), 20);
}

TEST(DateTimeFormat, polishLocale)
{
    const DateTimeLocale pl = DateTimeLocale::fromLocale(QLocale(QStringLiteral("pl_PL")));
    const PatternRow rows[] = {
        {"c", "5.03.2024 14:07:09"}, {"dd/mm/yyyy", "05.03.2024"}, {"dddddd", "wtorek, 5 marca 2024"},
        {"mmmm", "marzec"},          {"dddd", "wtorek"},           {"t", "14:07"},
    };
    for (const PatternRow& r : rows)
        EXPECT_EQ(formatDateTime(u8(r.pattern), day, afternoon, pl), u8(r.expected)) << r.pattern;
}

TEST(DateTimeFormat, englishLocale)
{
    const DateTimeLocale en = DateTimeLocale::fromLocale(QLocale(QStringLiteral("en_US")));
    const PatternRow rows[] = {
        {"c", "3/5/24 2:07:09 PM"},
        {"dddddd", "Tuesday, March 5, 2024"},
        {"t", "2:07 PM"},
    };
    for (const PatternRow& r : rows)
        EXPECT_EQ(formatDateTime(u8(r.pattern), day, afternoon, en), u8(r.expected)) << r.pattern;
}

} // namespace
} // namespace varnik::test

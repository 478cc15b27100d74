#include "core/calc/listgenerator.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnik {
namespace {

constexpr qint32 kMin = std::numeric_limits<qint32>::min();
constexpr qint32 kMax = std::numeric_limits<qint32>::max();

QString generateAll(const ListGenOptions& o)
{
    ListGenerator g(o);
    QString out;
    while (g.generate(out, 1000)) {
    }
    return out;
}

ListGenOptions ranges(qint32 first1, qint32 last1, qint32 first2 = 0, qint32 last2 = 0)
{
    ListGenOptions o;
    o.first1 = first1;
    o.last1 = last1;
    o.first2 = first2;
    o.last2 = last2;
    return o;
}

TEST(ListGenerator, expandsThePattern)
{
    struct Row {
        const char* name;
        ListGenOptions options;
        const char* expected;
    };
    auto with = [](ListGenOptions o, auto change) {
        change(o);
        return o;
    };
    const Row rows[] = {
        {"defaultPatternSecondFastest", ranges(1, 2, 1, 3),
         "c:\\images\\1\\pic1.jpg\r\nc:\\images\\1\\pic2.jpg\r\nc:\\images\\1\\pic3.jpg\r\n"
         "c:\\images\\2\\pic1.jpg\r\nc:\\images\\2\\pic2.jpg\r\nc:\\images\\2\\pic3.jpg\r\n"},
        {"widths", with(ranges(1, 1, 1, 1), [](auto& o) { o.width1 = o.width2 = 3; }),
         "c:\\images\\001\\pic001.jpg\r\n"},
        {"hexWidensPastTheWidth",
         with(ranges(250, 260),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1");
                  o.hex = true;
                  o.width1 = 2;
              }),
         "FA\r\nFB\r\nFC\r\nFD\r\nFE\r\nFF\r\n100\r\n101\r\n102\r\n103\r\n104\r\n"},
        {"hexNegativeIsTwosComplement",
         with(ranges(-5, -5),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1");
                  o.hex = true;
                  o.width1 = 10;
              }),
         "00FFFFFFFB\r\n"},
        {"decimalZerosGoBeforeTheMinus",
         with(ranges(-5, -5),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1|%2");
                  o.width1 = 4;
              }),
         "00-5|0\r\n"},
        {"asciiRepeatsTheCharacter",
         with(ranges(65, 67),
              [](auto& o) {
                  o.pattern = QStringLiteral("<%1>");
                  o.ascii = true;
                  o.width1 = 2;
              }),
         "<AA>\r\n<BB>\r\n<CC>\r\n"},
        {"asciiTakesTheLowByteAndWinsOverHex",
         with(ranges(321, 321),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1");
                  o.ascii = o.hex = true;
                  o.width1 = 1;
              }),
         "A\r\n"},
        {"asciiWidthZeroVanishes",
         with(ranges(65, 66),
              [](auto& o) {
                  o.pattern = QStringLiteral("a%1b");
                  o.ascii = true;
              }),
         "ab\r\nab\r\n"},
        {"lastBelowFirstGivesNothing", ranges(5, 1), ""},
        {"noPlaceholdersRepeatsThePattern",
         with(ranges(1, 3), [](auto& o) { o.pattern = QStringLiteral("x"); }), "x\r\nx\r\nx\r\n"},
        {"wrapMakesOneLine",
         with(ranges(1, 3),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1,");
                  o.wrap = true;
              }),
         "1,2,3,"},
        {"otherMarker",
         with(ranges(7, 7, 8, 8),
              [](auto& o) {
                  o.pattern = QStringLiteral("#1%1#2");
                  o.marker = u'#';
              }),
         "7%18\r\n"},
        {"placeholderRepeated",
         with(ranges(1, 1, 2, 2), [](auto& o) { o.pattern = QStringLiteral("%1%1%2%2"); }), "1122\r\n"},
        {"stepsSkip",
         with(ranges(1, 10),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1");
                  o.step1 = 3;
              }),
         "1\r\n4\r\n7\r\n10\r\n"},
        {"rangeEndingAtTheLargestValueStops",
         with(ranges(kMax - 1, kMax), [](auto& o) { o.pattern = QStringLiteral("%1"); }),
         "2147483646\r\n2147483647\r\n"},
        {"stepPastTheLargestValueStops",
         with(ranges(kMax - 2, kMax),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1");
                  o.step1 = 9999;
              }),
         "2147483645\r\n"},
        {"smallestValue",
         with(ranges(kMin, kMin),
              [](auto& o) {
                  o.pattern = QStringLiteral("%1 %2");
                  o.hex = true;
              }),
         "80000000 0\r\n"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(generateAll(r.options).toStdString(), r.expected) << r.name;
}

// A replacement that itself contains the placeholder must not make the
// replacement run forever, and what it leaves must be what a plain
// left-to-right search and replace leaves.
TEST(ListGenerator, replacementsHoldingThePlaceholderEnd)
{
    struct Row {
        const char* name;
        QString pattern;
        qint32 code1, code2;
        int width1;
        const char* expected;
    };
    const Row rows[] = {
        {"markerThenOne", QStringLiteral("%11"), '%', 'x', 1, "%1"},
        {"markerTwiceThenOne", QStringLiteral("%1%1"), '%', 'x', 2, "%%%%"},
        {"emptyFirstJoinsItsNeighbours", QStringLiteral("%%12"), 'q', 'x', 0, "x"},
        {"firstMakesASecondPlaceholder", QStringLiteral("%12"), '%', 'x', 1, "x"},
        {"secondHoldingTheMarker", QStringLiteral("%2%2"), 'a', '%', 1, "%%"},
    };
    for (const Row& r : rows) {
        ListGenOptions o = ranges(r.code1, r.code1, r.code2, r.code2);
        o.pattern = r.pattern;
        o.ascii = true;
        o.width1 = r.width1;
        o.width2 = 1;
        EXPECT_EQ(generateAll(o).toStdString(), std::string(r.expected) + "\r\n") << r.name;
    }
    EXPECT_EQ(replaceEach(QStringLiteral("aXbX"), QStringLiteral("X"), QStringLiteral("XX")),
              QStringLiteral("aXXbXX"));
}

// The precompiled pieces must give what searching gives for every marker,
// including markers that are digits the numbers themselves contain.
TEST(ListGenerator, precompiledPatternAgreesWithSearching)
{
    const QString patterns[] = {QStringLiteral("m1-m2"), QStringLiteral("m1m2m1"), QStringLiteral("mm12m21"),
                                QStringLiteral("1m1222m2m"), QStringLiteral("no placeholder")};
    for (QChar marker : {QChar(u'%'), QChar(u'1'), QChar(u'2'), QChar(u'0'), QChar(u'F')}) {
        for (const QString& shape : patterns) {
            for (bool hex : {false, true}) {
                ListGenOptions o = ranges(-3, 130, 8, 22);
                o.step1 = 7;
                o.step2 = 5;
                o.width1 = 2;
                o.pattern = QString(shape).replace(u'm', marker);
                o.marker = marker;
                o.hex = hex;
                ListGenerator g(o);
                QString expected;
                for (qint64 i = o.first1; i <= o.last1; i += o.step1) {
                    for (qint64 j = o.first2; j <= o.last2; j += o.step2)
                        expected +=
                            g.entryBySearch(g.numberText(i, o.width1), g.numberText(j, o.width2)) + "\r\n";
                }
                EXPECT_EQ(generateAll(o), expected) << o.pattern.toStdString() << " hex " << hex;
            }
        }
    }
}

TEST(ListGenerator, piecesJoinToTheWholeList)
{
    ListGenOptions o = ranges(1, 37, 1, 3);
    ListGenerator whole(o), pieces(o);
    QString all, joined;
    whole.generate(all, std::numeric_limits<qint64>::max());
    double last = 0;
    while (pieces.generate(joined, 4)) {
        EXPECT_GT(pieces.progress(), last);
        last = pieces.progress();
    }
    EXPECT_EQ(joined, all);
    EXPECT_EQ(pieces.progress(), 1.0);
    EXPECT_EQ(all.count(QStringLiteral("\r\n")), 111);
}

TEST(ListGenerator, countLabelEstimatesTheEntries)
{
    struct Row {
        const char* name;
        ListGenOptions options;
        const char* label;
        long double entries;
    };
    auto stepped = [](ListGenOptions o, qint32 step1, qint32 step2) {
        o.step1 = step1;
        o.step2 = step2;
        return o;
    };
    const Row rows[] = {
        {"single", ranges(0, 0), "This will generate 1 entries", 1},
        {"estimateMissesARemainder", stepped(ranges(1, 10), 3, 1), "This will generate 3 entries", 4},
        {"bothStepsDivideTheProduct", stepped(ranges(1, 10, 1, 10), 3, 3), "This will generate 11 entries",
         16},
        {"truncatesToNothing", stepped(ranges(1, 2), 3, 1), "This will generate nothing...", 1},
        {"lastBelowFirst", ranges(5, 1), "This will generate nothing...", 0},
        {"bothRangesBackwards", ranges(5, 1, 5, 1), "This will generate nothing...", 0},
        {"stepNotPositive", stepped(ranges(1, 10), 0, 1), "This will generate nothing...", 0},
        {"whole32BitRange", ranges(kMin, kMax), "This will generate 4294967296 entries", 4294967296.0L},
        {"whole32BitRangeTwice", ranges(kMin, kMax, kMin, kMax),
         "This will generate 18446744073709551616 entries", 18446744073709551616.0L},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(countLabel(r.options).toStdString(), r.label) << r.name;
        EXPECT_EQ(ListGenerator(r.options).entryCount(), r.entries) << r.name;
    }
}

TEST(ListGenerator, hugeRangeStartsAtOnce)
{
    ListGenerator g(ranges(kMin, kMax, kMin, kMax));
    QString out;
    EXPECT_TRUE(g.generate(out, 2));
    EXPECT_EQ(out, QStringLiteral("c:\\images\\-2147483648\\pic-2147483648.jpg\r\n"
                                  "c:\\images\\-2147483648\\pic-2147483647.jpg\r\n"));
    EXPECT_GT(g.progress(), 0.0);
    EXPECT_LT(g.progress(), 1e-18);
}

} // namespace
} // namespace varnik

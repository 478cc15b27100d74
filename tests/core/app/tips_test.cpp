#include "core/app/tips.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(Tips, parseTips_oneTipPerLine)
{
    struct Case {
        const char* name;
        QByteArray data;
        QStringList tips;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"oneLineNoBreak", "Press F1", {u"Press F1"_qs}},
        {"finalBreakEndsTheTip", "a\nb\n", {u"a"_qs, u"b"_qs}},
        {"emptyLinesAreTips", "a\n\nb", {u"a"_qs, QString(), u"b"_qs}},
        {"crlf", "a\r\nb\r\n", {u"a"_qs, u"b"_qs}},
        {"utf8", "\xc5\xbc\xc3\xb3\xc5\x82w", {u"\u017c\u00f3\u0142w"_qs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseTips(c.data), c.tips);
    }
}

TEST(Tips, parseTips_hugeOrBinaryInputStaysBounded)
{
    const QStringList longLine = parseTips(QByteArray(3 * 1024 * 1024, 'x'));
    ASSERT_EQ(longLine.size(), 1);
    EXPECT_EQ(longLine[0].size(), 2000);
    const QStringList manyLines = parseTips(QByteArray(3 * 1024 * 1024, '\n'));
    EXPECT_EQ(manyLines.size(), 1024 * 1024) << "only the first megabyte counts";
    EXPECT_EQ(parseTips(QByteArray("\x00\xff\x80\n", 4)).size(), 1);
}

TEST(Tips, readTipsFile_reportsAFileThatCannotBeRead)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(readTipsFile(dir.filePath(u"none.txt"_qs), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace varnik

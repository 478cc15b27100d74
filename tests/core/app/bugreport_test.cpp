#include "core/app/bugreport.h"
#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"

#include <QUuid>

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(BugReport, totalMemoryFromMeminfo)
{
    const std::pair<const char*, qint64> rows[] = {
        {"MemTotal:       24576000 kB\nMemFree:         1000 kB\n", 24576000},
        {"MemFree:         1000 kB\nMemTotal:   2048 kB", 2048},
        {"MemFree:         1000 kB\n", 0},
        {"", 0},
    };
    for (const auto& [text, kb] : rows)
        EXPECT_EQ(memTotalKb(QByteArrayView(text)), kb) << text;
}

TEST(BugReport, reportId_isRandom_andKeptInTheSettings)
{
    MemorySettingsStore first, second;
    const QString id = bugReportId(first);
    EXPECT_FALSE(QUuid::fromString(id).isNull());
    EXPECT_EQ(readSetting(first, u"ReportID"_qs).value_or(QString()), id);
    EXPECT_EQ(bugReportId(first), id);
    EXPECT_NE(bugReportId(second), id);
    writeSetting(second, u"ReportID"_qs, u"not an id"_qs);
    EXPECT_FALSE(QUuid::fromString(bugReportId(second)).isNull());
}

TEST(BugReport, groupsThousands)
{
    const std::pair<qint64, const char*> rows[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {16384256, "16,384,256"}, {-1234, "-1,234"}};
    for (const auto& [v, s] : rows)
        EXPECT_EQ(groupThousands(v).toStdString(), s);
}

TEST(BugReport, formHasItsFixedPiecesInOrder)
{
    SystemInformation info;
    info.systemName = QStringLiteral("Debian GNU/Linux 12");
    info.totalMemoryKb = 24576000;
    const QString text = bugReportText(info, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), QStringLiteral("0.1.0"),
                                       QStringLiteral("2026-12-06 08:00:00"));
    const QStringList pieces = {
        QStringLiteral("Varnik bug report feedback form\r\n"),
        QStringLiteral("Generated: 2026-01-02 03:04:05\r\n"),
        QString(60, u'-') + QStringLiteral("\r\n"),
        QStringLiteral("SYSTEM INFORMATION:\r\n"),
        QStringLiteral("System: Debian GNU/Linux 12 "),
        QStringLiteral("User Name: \r\nCompany Name: \r\nDefault Language: "),
        QStringLiteral("Total memory: 24,576,000 KB\r\n\r\n"),
        QStringLiteral("PROGRAM INFORMATION:\r\nVersion v0.1, Build 0.1.0.0\r\n\r\n"),
        QStringLiteral("Build date: 2026-12-06 08:00:00\r\n\r\n"),
        QStringLiteral("PROBLEM(S)/BUG(S) DESCRIPTION:\r\n"),
    };
    qsizetype at = 0;
    for (const QString& p : pieces) {
        const qsizetype found = text.indexOf(p, at);
        ASSERT_GE(found, 0) << p.toStdString() << "\n---\n" << text.toStdString();
        at = found + p.size();
    }
    EXPECT_TRUE(text.startsWith(pieces[0]));
}

} // namespace
} // namespace varnik

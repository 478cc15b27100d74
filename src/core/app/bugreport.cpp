#include "core/app/bugreport.h"

#include "core/app/settingvalues.h"

#include <QStringList>
#include <QUuid>

namespace varnik {

qint64 memTotalKb(QByteArrayView meminfo)
{
    for (QByteArrayView line : QByteArray::fromRawData(meminfo.data(), meminfo.size()).split('\n'))
        if (line.startsWith("MemTotal:"))
            return line.sliced(9).trimmed().toByteArray().split(' ').value(0).toLongLong();
    return 0;
}

QString bugReportId(SettingsStore& store)
{
    const QString name = QStringLiteral("ReportID");
    const QString kept = readSetting(store, name).value_or(QString()).trimmed();
    if (!QUuid::fromString(kept).isNull())
        return kept;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    writeSetting(store, name, id);
    return id;
}

QString groupThousands(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return value < 0 ? u'-' + digits : digits;
}

QString bugReportText(const SystemInformation& info, const QDateTime& now, const QString& programVersion,
                      const QString& buildDate)
{
    const QString crlf = QStringLiteral("\r\n");
    QStringList lines;
    lines << QStringLiteral("Varnik bug report feedback form");
    lines << QStringLiteral("Generated: ") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    lines << QString(60, u'-');

    QString sys = QStringLiteral("SYSTEM INFORMATION:") + crlf;
    sys += QStringLiteral("Version: ") + info.osVersion + crlf;
    sys += QStringLiteral("Platform: ") + info.platform + crlf;
    sys += QStringLiteral("Floating point processor: ") + (info.floatingPointUnit ? u"Yes"_qs : u"No"_qs) + crlf;
    sys += QStringLiteral("Registered owner: ") + info.registeredOwner + crlf;
    sys += QStringLiteral("Registered organization: ") + info.organisation + crlf;
    sys += QStringLiteral("Product ID: ") + info.productId + crlf;
    sys += QStringLiteral("System: %1 %2").arg(info.systemName, info.platform) + crlf;
    sys += QStringLiteral("User Name: ") + crlf;
    sys += QStringLiteral("Company Name: ") + crlf;
    sys += QStringLiteral("Default Language: ") + info.defaultLanguage + crlf;
    sys += QStringLiteral("Total memory: ") + groupThousands(info.totalMemoryKb) + QStringLiteral(" KB") + crlf;
    lines << sys;

    QStringList parts = programVersion.split(u'.');
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    lines << QStringLiteral("PROGRAM INFORMATION:") + crlf + QStringLiteral("Version v") + parts[0] + u'.' +
                 parts[1] + QStringLiteral(", Build ") + parts.mid(0, 4).join(u'.') + crlf;
    lines << QStringLiteral("Build date: ") + buildDate + crlf;
    lines << QStringLiteral("PROBLEM(S)/BUG(S) DESCRIPTION:");
    return lines.join(crlf) + crlf;
}

} // namespace varnik

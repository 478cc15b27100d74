#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace varnik {

class SettingsStore;

// What the bug report form says about the machine, gathered by the platform layer.
struct SystemInformation {
    QString osVersion;      // "6.1 (12.5 Debian GNU/Linux 12 (bookworm))"-like version text
    QString platform;       // kernel and architecture
    bool floatingPointUnit = true;
    QString registeredOwner;
    QString organisation;
    QString productId;      // the report identifier (bugReportId), never a machine id
    QString systemName;     // pretty product name
    QString userName;
    QString defaultLanguage;
    qint64 totalMemoryKb = 0;
};

// The text of the bug report form: title line, generation time, a rule, the
// system information, the program information and the heading for the
// problem description, with CR LF line breaks.
QString bugReportText(const SystemInformation& info, const QDateTime& now, const QString& programVersion,
                      const QString& buildDate);

// The MemTotal line of /proc/meminfo's text, in KB; 0 when it is missing.
qint64 memTotalKb(QByteArrayView meminfo);

// A random identifier for bug reports, made once and kept in the settings
// (value "ReportID"), so reports from one installation can be told apart
// without sending anything that identifies the machine.
QString bugReportId(SettingsStore& store);

// "1,234,567" style grouping of a memory size, as the form writes it.
QString groupThousands(qint64 value);

} // namespace varnik

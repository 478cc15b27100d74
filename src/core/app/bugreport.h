#pragma once

#include <QDateTime>
#include <QString>

namespace varnik {

// What the bug report form says about the machine, gathered by the platform layer.
struct SystemInformation {
    QString osVersion;      // "6.1 (12.5 Debian GNU/Linux 12 (bookworm))"-like version text
    QString platform;       // kernel and architecture
    bool floatingPointUnit = true;
    QString registeredOwner;
    QString organisation;
    QString productId;      // machine id
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

// "1,234,567" style grouping of a memory size, as the form writes it.
QString groupThousands(qint64 value);

} // namespace varnik

#include "core/app/filefacts.h"

#include "core/app/textedit.h"

#include <QFileInfo>

namespace varnik {

namespace {

const QString kUnknown = QStringLiteral("???");

QString utcTime(const QDateTime& t)
{
    if (!t.isValid())
        return kUnknown;
    const QDateTime u = t.toUTC();
    const QDate d = u.date();
    const QTime h = u.time();
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(d.year())
        .arg(d.month(), 2, 10, QChar(u'0'))
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(h.hour(), 2, 10, QChar(u'0'))
        .arg(h.minute(), 2, 10, QChar(u'0'))
        .arg(h.second(), 2, 10, QChar(u'0'));
}

} // namespace

FileFacts readFileFacts(const QString& fileName)
{
    FileFacts facts;
    if (fileName.isEmpty())
        return facts;
    const QFileInfo info(fileName);
    if (!info.exists())
        return facts;
    facts.found = true;
    facts.size = info.size();
    facts.created = info.birthTime();
    facts.modified = info.lastModified();
    facts.accessed = info.lastRead();
    return facts;
}

QString fileInfoText(const QString& fileName, const FileFacts& facts, qsizetype lines, qsizetype characters)
{
    QString text;
    if (fileName.isEmpty()) {
        text = QStringLiteral("New unsaved file - file info unavailable\r\n\r\n");
    } else {
        const auto time = [&](const QDateTime& t) { return facts.found ? utcTime(t) : kUnknown; };
        text = QStringLiteral("Current file info:\r\n\r\n") + QStringLiteral("File name:\t") + fileName +
               QStringLiteral("\r\n") + QStringLiteral("File size:\t") +
               (facts.found ? QString::number(facts.size) : kUnknown) + QStringLiteral(" bytes\r\n") +
               QStringLiteral("\r\n") + QStringLiteral("Created:\t") + time(facts.created) +
               QStringLiteral("\r\n") + QStringLiteral("Modified:\t") + time(facts.modified) +
               QStringLiteral("\r\n") + QStringLiteral("Accessed:\t") + time(facts.accessed) +
               QStringLiteral("\r\n") + QStringLiteral("\r\n");
    }
    return text + QStringLiteral("Lines:\t") + QString::number(lines) + QStringLiteral("\r\n") +
           QStringLiteral("Characters:\t") + QString::number(characters) + QStringLiteral("\r\n");
}

qsizetype fileInfoCharacterCount(const TextEdit& edit)
{
    return edit.length() + std::max<qsizetype>(edit.lineCount() - 1, 0);
}

} // namespace varnik

#include "ui/platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace varnik {

QString normalisedWebAddress(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString candidate = trimmed;
    // Addresses the edit control detects without a scheme.
    if (candidate.startsWith(u"www.", Qt::CaseInsensitive))
        candidate.prepend(u"http://");
    else if (candidate.startsWith(u"ftp.", Qt::CaseInsensitive))
        candidate.prepend(u"ftp://");
    const QUrl url(candidate, QUrl::TolerantMode);
    if (!url.isValid())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https" && scheme != u"ftp" && scheme != u"mailto")
        return {};
    if (scheme != u"mailto" && url.host().isEmpty())
        return {};
    return url.toString(QUrl::FullyEncoded);
}

bool openUrl(const QString& address)
{
    const QString url = normalisedWebAddress(address);
    if (url.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

bool runCommand(const QString& program, const QStringList& arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace varnik

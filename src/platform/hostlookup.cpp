#include "platform/hostlookup.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace varnik {

namespace {

// QHostInfo::fromName has no time limit; the asynchronous form with a timer does.
QHostInfo lookup(const QString& nameOrAddress, std::chrono::milliseconds timeout)
{
    QHostInfo result;
    result.setError(QHostInfo::HostNotFound);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    const int id = QHostInfo::lookupHost(nameOrAddress, &loop, [&](const QHostInfo& info) {
        result = info;
        loop.quit();
    });
    timer.start(timeout);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (timer.isActive())
        timer.stop();
    else
        QHostInfo::abortHostLookup(id);
    return result;
}

QStringList ipv4Of(const QHostInfo& info)
{
    QStringList out;
    if (info.error() != QHostInfo::NoError)
        return out;
    for (const QHostAddress& a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            out << a.toString();
    return out;
}

} // namespace

QStringList lookupHostAddresses(const QString& name, std::chrono::milliseconds timeout)
{
    if (name.trimmed().isEmpty())
        return {};
    return ipv4Of(lookup(name.trimmed(), timeout));
}

QString lookupHostName(quint32 address, std::chrono::milliseconds timeout)
{
    const QHostInfo info = lookup(QHostAddress(address).toString(), timeout);
    if (info.error() != QHostInfo::NoError || info.hostName() == QHostAddress(address).toString())
        return {};
    return info.hostName();
}

QString computerName() { return QHostInfo::localHostName(); }

QString localIpAddress()
{
    const QStringList byName = lookupHostAddresses(computerName(), std::chrono::seconds(3));
    for (auto it = byName.crbegin(); it != byName.crend(); ++it)
        if (!QHostAddress(*it).isLoopback())
            return *it;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    return byName.isEmpty() ? QString() : byName.last();
}

QString loginName()
{
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    QString name = qEnvironmentVariable("USER");
    return name.isEmpty() ? qEnvironmentVariable("USERNAME") : name;
}

} // namespace varnik

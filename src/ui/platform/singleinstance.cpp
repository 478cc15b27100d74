#include "ui/platform/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnik {

namespace {

QString& nameOverride()
{
    static QString name;
    return name;
}

constexpr qint64 kMaxMessage = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
    if (!nameOverride().isEmpty())
        return nameOverride();
#ifdef Q_OS_UNIX
    // The runtime directory is private to the user; the temporary directory is
    // the fallback, with the user id in the name and owner-only permissions.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/varnik.sock");
    return QDir::tempPath() + QStringLiteral("/varnik-%1.sock").arg(getuid());
#else
    return QStringLiteral("Varnik-") + qEnvironmentVariable("USERNAME");
#endif
}

void SingleInstance::setServerNameForTesting(const QString& name) { nameOverride() = name; }

bool SingleInstance::handOver(const QString& filePath, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(filePath.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The receiver answers once it has the whole name.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine().trimmed() == "OK";
}

bool SingleInstance::listen()
{
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    }
    // Someone answers: a live instance owns the name (listening anyway would
    // take it over). Nobody: any socket file there is stale.
    QLocalSocket probe;
    probe.connectToServer(serverName());
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(serverName());
    return server_->listen(serverName());
}

bool SingleInstance::isListening() const { return server_ && server_->isListening(); }

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMaxMessage && !socket->canReadLine()) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine())
                return;
            const QString path = QString::fromUtf8(socket->readLine(kMaxMessage)).chopped(1);
            socket->write("OK\n");
            socket->flush();
            socket->disconnectFromServer();
            if (!path.isEmpty())
                Q_EMIT fileReceived(path);
        });
    }
}

} // namespace varnik

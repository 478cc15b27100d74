#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace varnik {

// Hands a file from a second start to the window already running, through a
// local socket that only the same user can reach.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name for this user; `override` replaces it (tests).
    static QString serverName();
    static void setServerNameForTesting(const QString& name);

    // Sends `filePath` to a running instance; true when one took it.
    static bool handOver(const QString& filePath, int timeoutMs = 3000);

    // Starts listening; a socket left behind by a crashed instance is removed.
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    void fileReceived(const QString& filePath);

private:
    void onNewConnection();

    QLocalServer* server_ = nullptr;
};

} // namespace varnik

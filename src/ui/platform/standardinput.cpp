#include "ui/platform/standardinput.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <thread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnik {

bool readStandardInput(QObject* context, std::function<void(const QByteArray&)> done)
{
#ifdef Q_OS_UNIX
    if (isatty(STDIN_FILENO))
        return false;
    QPointer<QObject> receiver(context);
    std::thread([receiver, done = std::move(done)] {
        QByteArray data;
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0)
                break;
            data.append(buf, n);
        }
        // The receiver is looked at on its own thread only.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [receiver, done, data] {
            if (receiver)
                done(data);
        });
    }).detach();
    return true;
#else
    Q_UNUSED(context);
    Q_UNUSED(done);
    return false;
#endif
}

} // namespace varnik

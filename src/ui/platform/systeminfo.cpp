#include "ui/platform/systeminfo.h"

#include "platform/hostlookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace varnik {

namespace {

// Files under /proc report no size, so they are read to their end, not by atEnd().
qint64 totalMemoryKb()
{
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return memTotalKb(f.readAll());
}

} // namespace

SystemInformation readSystemInformation()
{
    SystemInformation info;
    info.osVersion = QSysInfo::productVersion() + QStringLiteral(" (") + QSysInfo::kernelVersion() + u')';
    info.platform = QSysInfo::kernelType() + u' ' + QSysInfo::currentCpuArchitecture();
    info.floatingPointUnit = true;
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_gecos)
        info.registeredOwner = QString::fromLocal8Bit(pw->pw_gecos).section(u',', 0, 0);
#endif
    info.systemName = QSysInfo::prettyProductName();
    info.userName = loginName();
    info.defaultLanguage = QLocale::system().name();
    info.totalMemoryKb = totalMemoryKb();
    return info;
}

QString dataFilePath(const QString& name)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList roots = {appDir, appDir + QStringLiteral("/../share/varnik"),
#ifdef VARNIK_SOURCE_DATA_DIR
                               QStringLiteral(VARNIK_SOURCE_DATA_DIR)
#endif
    };
    for (const QString& root : roots) {
        const QString path = QDir::cleanPath(root + u'/' + name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace varnik

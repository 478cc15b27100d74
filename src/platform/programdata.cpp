#include "platform/programdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varnik {

QStringList programDataDirectories()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    return {appDir, QDir::cleanPath(appDir + QStringLiteral("/../share/varnik"))};
}

QString findProgramDataFile(const QString& name)
{
    for (const QString& dir : programDataDirectories()) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace varnik

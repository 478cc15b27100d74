// Writes the shipped character-table files into the directory given.
#include "core/app/error.h"
#include "core/text/cnvtablegenerator.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    try {
        for (const varnik::CnvTableCommand& command : varnik::cnvTableCommands()) {
            QFile file(dir.filePath(command.fileName.toString()));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(varnik::generateCnvTable(command)) < 0) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
                return 1;
            }
            std::printf("%s\n", qPrintable(file.fileName()));
        }
    } catch (const varnik::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}

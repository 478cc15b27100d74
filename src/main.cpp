#include "cli/cli.h"
#include "ui/app/mainwindow.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (varnik::cli::wantsHeadless(args)) {
        QCoreApplication app(argc, argv);
        return varnik::cli::run(args);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnik"));
    QApplication::setOrganizationName(QStringLiteral("Varnik"));
    varnik::MainWindow window;
    window.show();
    return app.exec();
}

#include "cli/cli.h"
#include "core/app/settings.h"
#include "ui/platform/qsettingsstore.h"
#include "ui/platform/singleinstance.h"
#include "ui/shell/sdiappform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

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
    QApplication::setQuitOnLastWindowClosed(true);

    varnik::QSettingsStore store;
    // A second start with a file may hand it to the window already running.
    varnik::SingleInstance instance;
    const bool handOver = varnik::SDIAppForm::wantsHandOver(varnik::loadSettings(store), args);
    if (handOver) {
        if (varnik::SingleInstance::handOver(QFileInfo(args.value(1)).absoluteFilePath()))
            return 0;
    }
    varnik::SDIAppForm window(args, store);
    if (handOver && instance.listen())
        window.becomeFirstInstance(&instance);
    window.show();
    return app.exec();
}

#include "ui/app/helpviewer.h"

#include "core/app/messagesink.h"
#include "ui/app/mydlg.h"
#include "ui/platform/systeminfo.h"

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace varnik {

void showHelp(QWidget* parent)
{
    const QString index = dataFilePath(QStringLiteral("help/index.html"));
    if (index.isEmpty()) {
        myMessageDlg(QStringLiteral("Cannot find the help file \"help/index.html\"."), 1, Buttons::OK, parent);
        return;
    }
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Varnik Help"));
    dialog.resize(720, 560);
    auto* browser = new QTextBrowser(&dialog);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(index));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    dialog.exec();
}

} // namespace varnik

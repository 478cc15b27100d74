#include "ui/app/filedialogs.h"

#include "core/app/filetexts.h"

#include <QFileDialog>

namespace varnik {

namespace {

QString filterString()
{
    return FileTexts::nameFilters().join(QStringLiteral(";;"));
}

} // namespace

QString askOpenFileName(QWidget* parent, const QString& title, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, title, directory, filterString());
}

QString askSaveFileName(QWidget* parent, const QString& title, const QString& directory,
                        bool confirmOverwrite)
{
    QFileDialog dialog(parent, title, directory, filterString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FileTexts::kDefaultExtension.toString());
    if (!confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace varnik

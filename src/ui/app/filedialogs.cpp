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

QString askImportFileName(QWidget* parent, const QString& title, const QString& directory)
{
    QFileDialog dialog(parent, title, directory);
    const QStringList filters = FileTexts::nameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filters.size() - 1));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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

#pragma once

#include <QString>

class QWidget;

namespace varnik {

// The open dialog of the file commands, with the program's file types; empty when cancelled.
QString askOpenFileName(QWidget* parent, const QString& title, const QString& directory);
// The same for a file to import, which is rarely a text file: all files are
// listed at first.
QString askImportFileName(QWidget* parent, const QString& title, const QString& directory);
// The save dialog of the file commands: the program's file types, the default
// extension added to a bare name, and the overwrite question unless
// `confirmOverwrite` is off. Empty when cancelled.
QString askSaveFileName(QWidget* parent, const QString& title, const QString& directory,
                        bool confirmOverwrite = true);

} // namespace varnik

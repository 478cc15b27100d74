#pragma once

#include <QString>
#include <QStringList>

namespace varnik {

// Where the program's data files (the character tables) are looked for:
// beside the executable, then in the installation's share/varnik.
QStringList programDataDirectories();

// The path of a program data file in the first of those directories that
// holds it; empty when none does.
QString findProgramDataFile(const QString& name);

} // namespace varnik

#pragma once

#include "core/app/bugreport.h"

#include <QString>

namespace varnik {

// What the running system tells about itself, for the bug report form (the
// report identifier comes from the settings: bugReportId).
SystemInformation readSystemInformation();

// A program data file ("tips.txt", "help/index.html"): beside the program,
// then in the installation's share/varnik, then in the source tree's data/.
QString dataFilePath(const QString& name);

} // namespace varnik

#pragma once

#include "core/text/cnvtablecommand.h"

#include <QByteArray>

namespace varnik {

// The shipped table file of a character-table command, derived from the
// platform's converters: every letter of the source code page that sits at
// another byte in the target code page (or, for a plain-letter table, every
// letter with diacritics that has a plain letter). Throws Error when a code
// page is unknown or a Polish letter would be missing from the table.
QByteArray generateCnvTable(const CnvTableCommand& command);

} // namespace varnik

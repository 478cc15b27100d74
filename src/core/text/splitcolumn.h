#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// For each line of `text`, the item number `column` (0 is the first) between
// occurrences of `separator`, or nothing when the line has fewer items; each
// followed by CR LF. The text of the new document "Split column..." opens.
QString splitColumn(QStringView text, int column, QStringView separator);

} // namespace varnik

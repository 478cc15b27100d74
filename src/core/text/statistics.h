#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// The text, CR LF, and "cnt=n sum=s avg=a max=x min=y" over the numbers of a
// comma-separated list (8 decimal places). Items that are not numbers are
// skipped; max and min start from the first item, or from 0 when it is not a
// number.
QString numberStatistics(QStringView text, QChar decimalSeparator);

} // namespace varnik

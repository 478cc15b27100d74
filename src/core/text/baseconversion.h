#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

struct BaseConversion {
    // 0 converted, -1 a base outside 2 to 36, -2 a character that is not a
    // digit of the source base, -3 a digit or value that cannot be converted.
    int error = 0;
    QString result; // empty unless error is 0
};

// `number` (digits "0"-"9", "A"-"Z", either case) read in `fromBase` and
// written in `toBase`. Values of 10^18 or more cannot be converted.
BaseConversion convertBase(QStringView number, int fromBase, int toBase);

} // namespace varnik

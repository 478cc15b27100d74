#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// 1994 gives "MCMXCIV"; places above the thousands use "v", "x", "l", "c",
// "d", "m", "?", "!". A negative number gives "Negative", one of 8 or more
// digits "Too Big", 0 the empty text.
QString numberToRoman(qint32 number);
// The value of a Roman numeral, read from the right (a letter smaller than the
// one after it subtracts); -1 when a character is not a Roman letter.
qint64 romanToNumber(QStringView text);

} // namespace varnik

#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Integer as a user types it: optional leading spaces, an optional sign, then
// decimal digits or "$" and hexadecimal digits, nothing after; the value must
// fit a signed 32-bit integer.
bool tryParseInteger(QStringView text, qint32& value);
// The same; throws Error("'<text>' is not a valid integer value") otherwise.
qint32 parseInteger(QStringView text);

// Only "-" and "0" to "9", and not empty.
bool isDecimalValid(QStringView text);

} // namespace varnik

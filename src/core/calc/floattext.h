#pragma once

#include <QChar>
#include <QString>

namespace varnik {

// The general number-to-text form used wherever a number is written into a
// document: at most 15 significant digits, no trailing zeros, the given
// decimal separator, and "E" notation ("1E15", "1.5E-7") when the integer part
// would need more than 15 digits or the magnitude is below 0.0001.
QString formatFloat(long double value, QChar decimalSeparator = u'.');

// Text to number, as a user types it: optional blanks, sign, digits, the given
// decimal separator, optional exponent. Throws Error("'<text>' is not a valid
// floating point value") when the text is not such a number.
long double parseFloat(const QString& text, QChar decimalSeparator = u'.');
bool tryParseFloat(const QString& text, long double& value, QChar decimalSeparator = u'.');

} // namespace varnik

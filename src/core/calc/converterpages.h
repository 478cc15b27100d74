#pragma once

#include "core/calc/uniconvert.h"

#include <QChar>
#include <QString>

namespace varnik {

// The computations behind the pages of the universal converter window, so the
// window and the headless mode give the same results and messages.

// What a page shows after a computation: the result field and the message
// to show (empty when there is none).
struct PageResult {
    QString result;
    QString error;
};

inline const QString kInvalidInputMessage = QStringLiteral("Invalid input vaule! Possibly not a number...");
inline const QString kConversionErrorMessage = QStringLiteral("Conversion error!");
inline const QString kInvalidForSystemMessage = QStringLiteral("Invalid value for given system!");

struct StandardPage {
    int mode = UniConvert::Temperature;
    int from = 0;
    int to = 0;
    int prefix = kNoPrefix;
    int precision = 3; // 0 to 18; 0 means the general number form
    bool scientific = false;
    QString input = QStringLiteral("0");
};

// The value with `significant` digits and at least `exponentDigits` exponent
// digits, the exponent always signed: 5.00E+0003.
QString exponentForm(long double value, int significant, int exponentDigits, QChar decimalSeparator = u'.');
// The result field's text for a precision and the "Scientific" box.
QString formatConverted(long double value, int precision, bool scientific, QChar decimalSeparator = u'.');
// "k = Thousand = x 1E+3 = 1000", the label under the prefix list.
QString prefixLabel(int prefix, QChar decimalSeparator = u'.');

// The input times the prefix, converted; an input that is no number (or
// overflows with its prefix) gives kInvalidInputMessage, a failed conversion
// kConversionErrorMessage, both with an empty result.
PageResult computeStandard(const StandardPage& page, QChar decimalSeparator = u'.');
PageResult computeBits(int from, int to, const QString& input, QChar decimalSeparator = u'.');
// `fromBase` and `toBase` are 2 to 36. Only a computation caused by editing
// the input reports its errors.
PageResult computeBases(int fromBase, int toBase, const QString& input, bool reportErrors);

// The number-system list entry of a base: "16^N".
QString baseEntry(int base);

// The lines "Copy below" adds, empty when the page has no result to describe.
QString standardDescription(const StandardPage& page, const QString& result, QChar decimalSeparator = u'.');
QString bitsDescription(int from, int to, const QString& input, const QString& result);
QString basesDescription(int fromBase, int toBase, const QString& input, const QString& result);

} // namespace varnik

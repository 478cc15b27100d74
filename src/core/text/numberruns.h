#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Every maximal run of characters for which `inRun` holds is replaced by
// `convert(run)`; everything else is copied. An exception from `convert`
// ends the whole conversion.
template <typename InRun, typename Convert>
QString convertRuns(QStringView text, InRun&& inRun, Convert&& convert)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        const bool run = inRun(text[i]);
        while (i < n && inRun(text[i]) == run)
            ++i;
        if (run)
            out.append(convert(text.sliced(start, i - start)));
        else
            out.append(text.sliced(start, i - start));
    }
    return out;
}

// Binary value of a run of "-", "0", "1": a leading "-" negates, the digits
// weigh 1, 2, 4... from the right, in 32-bit arithmetic that wraps.
qint32 binaryValue(QStringView run);
// Hexadecimal value: digits weigh 1, 16, 256... from the right, 32-bit
// wrapping; any other character zeroes the sum and all weights to its left.
qint32 hexValue(QStringView run);
// Binary digits of a value, "-" before a negative one, padded with "0" on the
// left to 8, 16 or 32 characters.
QString binaryDigits(qint32 value);
// Upper-case hexadecimal, at least 2 digits; a negative value as 8 digits of
// its two's complement.
QString hexDigits(qint32 value);

// Runs of binary, decimal or hexadecimal numbers converted. The decimal
// readers throw Error when a run is not a 32-bit integer ("-", "1-2").
QString binRunsToDecimal(QStringView text);
QString decimalRunsToBinary(QStringView text);
QString hexRunsToDecimal(QStringView text);
QString decimalRunsToHex(QStringView text);

} // namespace varnik

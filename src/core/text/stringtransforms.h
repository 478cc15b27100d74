#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace varnik {

// "a" to "z" and "A" to "Z" moved 13 letters on; everything else stays.
QString rot13(QStringView text);
// The characters in reverse order (a CR LF becomes LF CR); a surrogate pair
// stays one character.
QString reverseText(QStringView text);
// The same two in place: a 100 MB selection needs no second buffer.
void rot13InPlace(QString& text);
void reverseInPlace(QString& text);
// "Cyber slang": each substitution ("for" -> "4", "you" -> "U"...) applied
// when draw() < 91, then each letter a-z upper-cased when draw() < 31;
// `draw` gives integers 0 to 99.
QString slangize(QStringView text, const std::function<int()>& draw);
// An HTML table skeleton of `rows` rows of `columns` cells; empty when either
// is below 1. Throws Error when the table would be unreasonably large.
QString htmlTable(qint32 rows, qint32 columns);
// The table for a selection "x,y". Throws Error unless both are integers.
QString htmlTableFromSelection(QStringView text);

} // namespace varnik

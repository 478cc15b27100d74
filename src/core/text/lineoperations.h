#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Line-wise operations: the text is split into lines (CR LF, lone CR or lone
// LF end a line) and every line of the result is followed by CR LF, the last
// one included. An empty text gives an empty result.

// One space before each line.
QString indentLines(QStringView text);
// Every character with a code of 32 or less removed from both ends of each line.
QString trimLines(QStringView text);
// The lines joined with nothing between them and no line break at all.
QString unwrapLines(QStringView text);
// `prefix` before each line.
QString prefixLines(QStringView text, QStringView prefix);
// `suffix` after each line.
QString suffixLines(QStringView text, QStringView suffix);
// "- " before each line.
QString dashList(QStringView text);
// "1. ", "2. "... before each line, empty lines numbered too.
QString numberedList(QStringView text);
// Each line without its first character.
QString deleteFirstCharOfLines(QStringView text);

// The same as indentLines, trimLines and prefixLines, done in the text's own
// buffer (grown at its end and filled from the back), so that a 100 MB
// selection needs no second buffer.
void indentLinesInPlace(QString& text);
void trimLinesInPlace(QString& text);
void prefixLinesInPlace(QString& text, QStringView prefix);

} // namespace varnik

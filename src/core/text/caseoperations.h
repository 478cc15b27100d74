#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Case changes map each character to exactly one character (simple case
// mapping), so the text never changes length; accented letters change too.
QString toUpperCase(QStringView text);
QString toLowerCase(QStringView text);
// A character equal to its lower-case form gets its upper-case form, any other
// its lower-case form.
QString invertCase(QStringView text);

class TextEncoding;

// The same in place: a 100 MB selection needs no second buffer. In a legacy
// code page a character whose case partner the code page cannot hold stays as
// it is, so the document keeps fitting its encoding.
void toUpperCaseInPlace(QString& text, const TextEncoding& encoding);
void toLowerCaseInPlace(QString& text, const TextEncoding& encoding);
void invertCaseInPlace(QString& text, const TextEncoding& encoding);

} // namespace varnik

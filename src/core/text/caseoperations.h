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

// The same in place: a 100 MB selection needs no second buffer.
void toUpperCaseInPlace(QString& text);
void toLowerCaseInPlace(QString& text);
void invertCaseInPlace(QString& text);

} // namespace varnik

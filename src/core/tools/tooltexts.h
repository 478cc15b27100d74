#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace varnik {

// The text without leading and trailing blanks and control characters (every
// code up to the space).
QString trimBlanksAndControls(QStringView text);

// "In clipboard: " + the entry, trimmed and cut to 32 characters + "..." when
// it has 33 or more, then a line break and "Double click to paste.".
QString multiClipboardToolTip(QStringView entry);

// What a list row shows of a text: control characters (line breaks, tabs) as
// blanks and at most `maxLength` characters, so a huge clipboard text neither
// breaks the row nor makes painting slow. The row keeps the whole text.
QString listRowText(QStringView text, qsizetype maxLength = 300);

// The locale lists are sorted in: the given one, except that the C locale
// (no preference) sorts as English does rather than by character codes.
QLocale sortingLocale(const QLocale& locale);

} // namespace varnik

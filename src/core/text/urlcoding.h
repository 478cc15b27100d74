#pragma once

#include "core/text/textencoding.h"

#include <QString>
#include <QStringView>

namespace varnik {

// Every byte of the text (in the document's encoding) that is not "-", ".",
// "_", "~", a digit or an ASCII letter written as "%" and two upper-case hex
// digits: "a b" gives "a%20b". Throws Error for a character the encoding
// cannot hold.
QString urlEncode(QStringView text, const TextEncoding& encoding);
// "%" and two hex digits give that byte, "+" a space; "[ERROR]" for a "%"
// too close to the end, not followed by two hex digits, or (in UTF-8) bytes
// that are not valid UTF-8.
QString urlDecode(QStringView text, const TextEncoding& encoding);

} // namespace varnik

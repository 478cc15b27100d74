#pragma once

#include "core/text/textencoding.h"

#include <QString>
#include <QStringView>

namespace varnik {

// Every run of decimal digits replaced by the character whose code (in the
// document's encoding) is the low 8 bits of its value: "72,105" gives "H,i".
// A run too long to be an integer stays. In UTF-8 a code of 128 or more is no
// character of its own: throws Error.
QString codesToChars(QStringView text, const TextEncoding& encoding);
// The decimal code of every byte of the text in the document's encoding,
// joined by ",": "Hi" gives "72,105". Throws Error for a character the
// encoding cannot hold.
QString charsToCodes(QStringView text, const TextEncoding& encoding);

} // namespace varnik

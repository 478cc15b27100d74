#pragma once

#include "core/app/documentencoding.h"
#include "core/app/lineends.h"

#include <QByteArray>
#include <QString>

namespace varnik {

// A plain-text file's contents as a document.
struct DecodedText {
    QString text; // LF line breaks
    DocumentEncoding encoding;
    LineEndCounts lineEnds; // as found in the file
};

// Valid UTF-8 (a leading byte-order mark is remembered, not kept in the text)
// decodes as UTF-8; anything else decodes one byte per character in `legacy`.
// Every CR LF, lone CR and lone LF becomes one LF; NUL bytes are kept. Saved
// unchanged with the line end it used, a file comes back byte for byte; a file
// with mixed line ends (see lineEnds) comes back with the one line end saved.
DecodedText decodeDocument(QByteArrayView bytes, const std::shared_ptr<const CodePage>& legacy);

// Offset of the first character `encoding` cannot represent, or -1 when the
// text encodes without loss.
qsizetype firstUnencodable(QStringView text, const DocumentEncoding& encoding);
inline bool encodesLosslessly(QStringView text, const DocumentEncoding& encoding)
{
    return firstUnencodable(text, encoding) < 0;
}

// File bytes of a document: the lines of `text` (split at CR LF, lone CR or
// lone LF) joined with `lineEnd`, nothing after the last line, preceded by
// the byte-order mark when the encoding has one. Throws Error when the text
// holds a character the encoding cannot represent.
QByteArray encodeDocument(QStringView text, const DocumentEncoding& encoding, LineEnd lineEnd);

// The message for a text that does not fit its encoding: the character at
// `offset` (in UTF-16 units), or the character `c` found there.
QString unencodableMessage(QStringView text, qsizetype offset, const DocumentEncoding& encoding);
QString unencodableMessage(char32_t c, qsizetype offset, const DocumentEncoding& encoding);

} // namespace varnik

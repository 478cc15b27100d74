#pragma once

#include "core/app/documentencoding.h"
#include "core/app/lineends.h"

#include <QByteArray>

#include <array>

namespace varnik {

// Turns a document's text held as UTF-8 (the edit control's own buffer, LF
// line breaks) into the bytes of its file piece by piece, so that saving a
// large document needs neither a UTF-16 copy nor a whole second buffer.
// The bytes are those encodeDocument writes for the same text: the lines
// (split at CR LF, lone CR or LF) joined with `lineEnd`, nothing after the
// last, the byte-order mark first when the encoding has one. A byte that is
// not part of well-formed UTF-8 stands for U+FFFD, as it does on screen.
class TextStreamEncoder {
public:
    static constexpr qsizetype kPieceBytes = qsizetype(2) << 20;

    // `text` must stay unchanged while the encoder is in use.
    TextStreamEncoder(QByteArrayView text, const DocumentEncoding& encoding, LineEnd lineEnd);

    // The file bytes of the next part of the text (about `pieceBytes` of it),
    // empty once everything is done; valid until the next call. Throws Error
    // at a character the encoding cannot represent.
    QByteArrayView next(qsizetype pieceBytes = kPieceBytes);
    // How much of the text has been encoded.
    qsizetype done() const { return pos_; }

private:
    char* encodeUtf8(const unsigned char* p, const unsigned char* end, char* o) const;
    char* encodeLegacy(const unsigned char* p, const unsigned char* end, char* o) const;
    char* putLineEnd(char* o) const;
    [[noreturn]] void unencodable(const unsigned char* at) const;

    QByteArrayView text_;
    DocumentEncoding encoding_;
    char eol_[2]{};
    int eolBytes_ = 0;
    std::array<short, 128> ascii_{}; // the code page's byte for each ASCII character, -1 none
    qsizetype pos_ = 0;
    bool bomWritten_ = false;
    QByteArray out_;
};

// Offset (in UTF-16 units, a CR LF counting two) of the first character of
// the UTF-8 `text` that `encoding` cannot represent, or -1.
qsizetype firstUnencodableUtf8(QByteArrayView text, const DocumentEncoding& encoding);

// The whole file at once (see TextStreamEncoder).
QByteArray encodeUtf8Document(QByteArrayView text, const DocumentEncoding& encoding, LineEnd lineEnd);

} // namespace varnik

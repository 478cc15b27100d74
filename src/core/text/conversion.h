#pragma once

#include <QChar>
#include <QtGlobal>

namespace varnik {

class ByteSource;

// Turns a byte stream into text piece by piece, so that a file is never held
// whole: each call reads the next few bytes and writes their text.
class Conversion {
public:
    virtual ~Conversion() = default;

    // Writes the text of the next bytes of `in` into `buffer` (room for `size`
    // characters) and returns the characters written: 0 at the end, and 0
    // without reading anything when `size` is not above the converter's
    // minimum. Throws Error (with the reason) for input it cannot convert.
    virtual qsizetype convertChunk(ByteSource& in, QChar* buffer, qsizetype size) = 0;
};

} // namespace varnik

#pragma once

#include "core/text/conversion.h"

namespace varnik {

// A hexadecimal dump, one line of up to 16 bytes per call:
// ";00000  4D 5A 90 00  03 00 ...    MZ......" with the offset column and the
// character column (printable ASCII, "." for the rest) when they are on.
class HexConversion : public Conversion {
public:
    static constexpr qsizetype kMinimumBuffer = 83;

    explicit HexConversion(bool offsetColumn = true, bool charColumn = true)
        : offsetColumn_(offsetColumn), charColumn_(charColumn)
    {
    }
    qsizetype convertChunk(ByteSource& in, QChar* buffer, qsizetype size) override;

private:
    bool offsetColumn_;
    bool charColumn_;
};

} // namespace varnik

#pragma once

#include "core/text/bytelistconversion.h"

namespace varnik {

// Bytes as C source: "0x4D, 0x5A, ...".
class CConversion final : public ByteListConversion {
public:
    static constexpr qsizetype kMinimumBuffer = 97;
    CConversion() : ByteListConversion(Style::CHex, kMinimumBuffer) {}
};

} // namespace varnik

#pragma once

#include "core/text/bytelistconversion.h"

namespace varnik {

// Bytes as Pascal source: "77, 90, ...".
class PasConversion final : public ByteListConversion {
public:
    static constexpr qsizetype kMinimumBuffer = 81;
    PasConversion() : ByteListConversion(Style::Decimal, kMinimumBuffer) {}
};

} // namespace varnik

#pragma once

#include "core/text/conversion.h"

namespace varnik {

// Up to 16 bytes per call as source-code numbers separated by ", ", with no
// separator after the last and no line break.
class ByteListConversion : public Conversion {
public:
    qsizetype convertChunk(ByteSource& in, QChar* buffer, qsizetype size) override;

protected:
    enum class Style { CHex, Decimal }; // "0x4D" or "77"
    ByteListConversion(Style style, qsizetype minimumBuffer) : style_(style), minimumBuffer_(minimumBuffer) {}

private:
    Style style_;
    qsizetype minimumBuffer_;
};

} // namespace varnik

#include "core/text/unicodeconversion.h"

#include "core/app/error.h"
#include "core/text/bytesource.h"

namespace varnik {

bool UnicodeConversion::readUnit(ByteSource& in, char16_t& unit)
{
    if (hasPending_) {
        hasPending_ = false;
        unit = pending_;
        return true;
    }
    unsigned char b[2];
    const qsizetype n = in.read(reinterpret_cast<char*>(b), 2);
    if (n == 1)
        oddByte_ = true;
    if (n < 2)
        return false;
    unit = order_ == Order::Big ? char16_t(b[0] << 8 | b[1]) : char16_t(b[1] << 8 | b[0]);
    return true;
}

void UnicodeConversion::fail(qint64 offset) const
{
    if (!marked_)
        throw Error(QStringLiteral("The file has no byte-order mark and is not UTF-16 little-endian text "
                                   "(byte %1)")
                        .arg(offset));
    throw Error(QStringLiteral("The file is not valid UTF-16: an unpaired surrogate at byte %1").arg(offset));
}

qsizetype UnicodeConversion::convertChunk(ByteSource& in, QChar* buffer, qsizetype size)
{
    if (size < kMinimumBuffer)
        return 0;
    if (order_ == Order::NotRead) {
        // The mark decides the order; without one its two bytes are text.
        order_ = Order::Little;
        char16_t first = 0;
        if (!readUnit(in, first))
            return 0;
        marked_ = first == 0xFEFF || first == 0xFFFE;
        if (first == 0xFFFE)
            order_ = Order::Big;
        if (!marked_) {
            hasPending_ = true;
            pending_ = first;
        }
    }
    const qint64 offset = in.pos() - (hasPending_ ? 2 : 0);
    char16_t unit = 0;
    if (!readUnit(in, unit))
        return 0;
    if (QChar::isLowSurrogate(unit) || (!marked_ && (unit == 0xFFFE || unit == 0xFFFF)))
        fail(offset);
    buffer[0] = QChar(unit);
    if (!QChar::isHighSurrogate(unit))
        return 1;
    char16_t low = 0;
    if (!readUnit(in, low) || !QChar::isLowSurrogate(low))
        fail(offset);
    buffer[1] = QChar(low);
    return 2;
}

} // namespace varnik

#pragma once

#include "core/text/conversion.h"

namespace varnik {

// UTF-16 text, one character (or a surrogate pair) per call, in the byte
// order the byte-order mark gives. Without a mark the file is read as
// little-endian when it decodes cleanly; an unpaired surrogate (or, without a
// mark, a noncharacter) is an Error. A last odd byte ends the text and is
// remembered, so that the caller can say so.
class UnicodeConversion : public Conversion {
public:
    static constexpr qsizetype kMinimumBuffer = 2;

    qsizetype convertChunk(ByteSource& in, QChar* buffer, qsizetype size) override;
    bool endedWithOddByte() const { return oddByte_; }

private:
    enum class Order { NotRead, Little, Big };
    // The next code unit; false at the end.
    bool readUnit(ByteSource& in, char16_t& unit);
    [[noreturn]] void fail(qint64 offset) const;

    Order order_ = Order::NotRead;
    bool marked_ = false;
    bool hasPending_ = false;
    char16_t pending_ = 0;
    bool oddByte_ = false;
};

} // namespace varnik

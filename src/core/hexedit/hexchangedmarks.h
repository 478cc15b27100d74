#pragma once

#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

namespace varnik {

// One mark per byte, set for bytes overwritten since the last reset. The set
// has a length (marks at or past it do not exist); cutting it drops every mark
// from a position on. Marks are kept in blocks allocated on first use, so a
// mark near the end of 100 MB costs one small block, not a bitmap of the whole.
class HexChangedMarks {
public:
    qint64 length() const { return length_; }
    bool test(qint64 pos) const;
    // Sets the mark, growing the set to pos + 1 when shorter.
    void set(qint64 pos);
    void clear(qint64 pos);
    // Drops every mark from `pos` on.
    void truncate(qint64 pos);
    void reset();
    qint64 memoryBytes() const;

private:
    static constexpr qint64 kBitsPerBlock = 32768;
    using Block = std::array<quint64, kBitsPerBlock / 64>;

    std::vector<std::unique_ptr<Block>> blocks_;
    qint64 length_ = 0;
};

} // namespace varnik

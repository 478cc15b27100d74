#include "core/hexedit/hexchangedmarks.h"

namespace varnik {

bool HexChangedMarks::test(qint64 pos) const
{
    if (pos < 0 || pos >= length_)
        return false;
    const auto& block = blocks_[size_t(pos / kBitsPerBlock)];
    const qint64 bit = pos % kBitsPerBlock;
    return block && ((*block)[size_t(bit / 64)] >> (bit % 64)) & 1u;
}

void HexChangedMarks::set(qint64 pos)
{
    if (pos < 0)
        return;
    const size_t index = size_t(pos / kBitsPerBlock);
    if (blocks_.size() <= index)
        blocks_.resize(index + 1);
    auto& block = blocks_[index];
    if (!block)
        block = std::make_unique<Block>(Block{});
    const qint64 bit = pos % kBitsPerBlock;
    (*block)[size_t(bit / 64)] |= quint64(1) << (bit % 64);
    if (length_ <= pos)
        length_ = pos + 1;
}

void HexChangedMarks::clear(qint64 pos)
{
    if (!test(pos))
        return;
    const qint64 bit = pos % kBitsPerBlock;
    (*blocks_[size_t(pos / kBitsPerBlock)])[size_t(bit / 64)] &= ~(quint64(1) << (bit % 64));
}

void HexChangedMarks::truncate(qint64 pos)
{
    if (pos < 0)
        pos = 0;
    if (pos >= length_)
        return;
    length_ = pos;
    const size_t keep = size_t((pos + kBitsPerBlock - 1) / kBitsPerBlock);
    if (blocks_.size() > keep)
        blocks_.resize(keep);
    // Clear the tail of the block the cut falls in, so that growing again finds no stale marks.
    const qint64 bit = pos % kBitsPerBlock;
    if (bit != 0 && !blocks_.empty() && blocks_.back()) {
        Block& block = *blocks_.back();
        const size_t word = size_t(bit / 64);
        block[word] &= (quint64(1) << (bit % 64)) - 1;
        for (size_t w = word + 1; w < block.size(); ++w)
            block[w] = 0;
    }
}

void HexChangedMarks::reset()
{
    blocks_.clear();
    length_ = 0;
}

qint64 HexChangedMarks::memoryBytes() const
{
    qint64 total = qint64(blocks_.capacity() * sizeof(blocks_[0]));
    for (const auto& block : blocks_)
        total += block ? qint64(sizeof(Block)) : 0;
    return total;
}

} // namespace varnik

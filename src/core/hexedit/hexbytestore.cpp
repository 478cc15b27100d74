#include "core/hexedit/hexbytestore.h"

#include <algorithm>
#include <cstring>

namespace varnik {

namespace {

// Insertions from this size on keep their own block instead of being copied.
constexpr qsizetype kOwnBlock = 64 * 1024;
// Small insertions share blocks of this capacity; a full one is left as it is.
constexpr qsizetype kAddBlockCapacity = 1024 * 1024;

} // namespace

const char* HexByteStore::dataOf(const Piece& piece) const
{
    return blocks_[size_t(piece.block)].data.constData() + piece.offset;
}

qsizetype HexByteStore::pieceAt(qint64 pos) const
{
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
    return qsizetype(it - starts_.begin()) - 1;
}

void HexByteStore::restart(qsizetype fromPiece)
{
    starts_.resize(pieces_.size());
    for (size_t i = size_t(std::max<qsizetype>(fromPiece, 0)); i < pieces_.size(); ++i)
        starts_[i] = i == 0 ? 0 : starts_[i - 1] + pieces_[i - 1].length;
}

qsizetype HexByteStore::splitAt(qint64 pos)
{
    if (pos >= size_)
        return qsizetype(pieces_.size());
    const qsizetype i = pieceAt(pos);
    const qint64 start = starts_[size_t(i)];
    if (start == pos)
        return i;
    Piece& left = pieces_[size_t(i)];
    const Piece right{left.block, left.offset + (pos - start), left.length - (pos - start)};
    left.length = pos - start;
    pieces_.insert(pieces_.begin() + i + 1, right);
    starts_.insert(starts_.begin() + i + 1, pos);
    return i + 1;
}

HexByteStore::Piece HexByteStore::appendSmall(const QByteArray& bytes)
{
    if (addBlock_ < 0 || blocks_[size_t(addBlock_)].data.size() + bytes.size() > kAddBlockCapacity) {
        QByteArray fresh;
        fresh.reserve(kAddBlockCapacity);
        blocks_.push_back(Block{fresh, true});
        addBlock_ = int(blocks_.size()) - 1;
    }
    QByteArray& block = blocks_[size_t(addBlock_)].data;
    const Piece piece{addBlock_, block.size(), bytes.size()};
    block.append(bytes);
    return piece;
}

void HexByteStore::insert(qint64 pos, const QByteArray& bytes)
{
    if (bytes.isEmpty() || pos < 0 || pos > size_)
        return;
    Piece piece{};
    if (bytes.size() >= kOwnBlock) {
        blocks_.push_back(Block{bytes, false});
        piece = Piece{int(blocks_.size()) - 1, 0, bytes.size()};
    } else {
        piece = appendSmall(bytes);
        // Typing runs extend the piece just before them.
        if (pos > 0) {
            const qsizetype i = pieceAt(pos - 1);
            Piece& before = pieces_[size_t(i)];
            if (starts_[size_t(i)] + before.length == pos && before.block == piece.block &&
                before.offset + before.length == piece.offset) {
                before.length += piece.length;
                size_ += piece.length;
                restart(i + 1);
                return;
            }
        }
    }
    const qsizetype at = splitAt(pos);
    pieces_.insert(pieces_.begin() + at, piece);
    size_ += piece.length;
    restart(at);
}

void HexByteStore::remove(qint64 pos, qint64 count)
{
    if (pos < 0 || count <= 0 || pos + count > size_)
        return;
    const qsizetype first = splitAt(pos);
    const qsizetype last = splitAt(pos + count);
    std::vector<int> dropped;
    for (qsizetype i = first; i < last; ++i) {
        if (pieces_[size_t(i)].block != addBlock_)
            dropped.push_back(pieces_[size_t(i)].block);
    }
    pieces_.erase(pieces_.begin() + first, pieces_.begin() + last);
    size_ -= count;
    restart(first);
    // A large block nothing refers to any more gives its memory back.
    std::sort(dropped.begin(), dropped.end());
    dropped.erase(std::unique(dropped.begin(), dropped.end()), dropped.end());
    for (int block : dropped) {
        const bool used =
            std::any_of(pieces_.begin(), pieces_.end(), [block](const Piece& p) { return p.block == block; });
        if (!used)
            blocks_[size_t(block)].data = QByteArray();
    }
}

void HexByteStore::overwrite(qint64 pos, char byte)
{
    if (pos < 0 || pos >= size_)
        return;
    const qsizetype i = pieceAt(pos);
    const Piece& piece = pieces_[size_t(i)];
    Block& block = blocks_[size_t(piece.block)];
    if (block.owned) {
        block.data.data()[piece.offset + (pos - starts_[size_t(i)])] = byte;
        return;
    }
    // A shared block stays untouched: the byte becomes a piece of its own.
    const qsizetype at = splitAt(pos);
    splitAt(pos + 1);
    pieces_[size_t(at)] = appendSmall(QByteArray(1, byte));
}

char HexByteStore::at(qint64 pos) const
{
    if (pos < 0 || pos >= size_)
        return 0;
    const qsizetype i = pieceAt(pos);
    return dataOf(pieces_[size_t(i)])[pos - starts_[size_t(i)]];
}

qint64 HexByteStore::read(qint64 pos, qint64 count, char* out) const
{
    if (pos < 0 || count <= 0 || pos >= size_)
        return 0;
    count = std::min(count, size_ - pos);
    qint64 done = 0;
    for (qsizetype i = pieceAt(pos); done < count; ++i) {
        const Piece& piece = pieces_[size_t(i)];
        const qint64 skip = pos + done - starts_[size_t(i)];
        const qint64 n = std::min(piece.length - skip, count - done);
        std::memcpy(out + done, dataOf(piece) + skip, size_t(n));
        done += n;
    }
    return done;
}

QByteArray HexByteStore::bytes(qint64 pos, qint64 count) const
{
    if (pos < 0 || count <= 0 || pos >= size_)
        return {};
    count = std::min(count, size_ - pos);
    // The whole of one piece needs no copy.
    const qsizetype i = pieceAt(pos);
    const Piece& piece = pieces_[size_t(i)];
    const Block& block = blocks_[size_t(piece.block)];
    if (!block.owned && pos == starts_[size_t(i)] && count == piece.length && piece.offset == 0 &&
        piece.length == block.data.size())
        return block.data;
    QByteArray out(count, Qt::Uninitialized);
    read(pos, count, out.data());
    return out;
}

void HexByteStore::clear()
{
    blocks_.clear();
    pieces_.clear();
    starts_.clear();
    addBlock_ = -1;
    size_ = 0;
}

qint64 HexByteStore::memoryBytes() const
{
    qint64 total = qint64(pieces_.capacity() * sizeof(Piece) + starts_.capacity() * sizeof(qint64) +
                          blocks_.capacity() * sizeof(Block));
    for (const Block& block : blocks_)
        total += block.data.capacity();
    return total;
}

} // namespace varnik

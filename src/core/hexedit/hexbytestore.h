#pragma once

#include <QByteArray>

#include <vector>

namespace varnik {

// The bytes of a hex editor buffer as a piece table over blocks of memory.
// Large insertions keep their own block (shared, not copied); small ones go
// into an append-only block. An edit costs a search over the pieces, never a
// move of the data, so typing at the start of 100 MB stays instant.
class HexByteStore {
public:
    qint64 size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }

    // `pos` in [0, size()].
    void insert(qint64 pos, const QByteArray& bytes);
    // [pos, pos + count) inside the data.
    void remove(qint64 pos, qint64 count);
    // `pos` inside the data.
    void overwrite(qint64 pos, char byte);
    char at(qint64 pos) const;
    // Copies [pos, pos + count), clipped to the data, to `out`; returns the count copied.
    qint64 read(qint64 pos, qint64 count, char* out) const;
    QByteArray bytes(qint64 pos, qint64 count) const;
    QByteArray all() const { return bytes(0, size_); }
    void clear();

    // Bytes held for the data and its bookkeeping (blocks share with their
    // other owners, so this is an upper bound of what the store adds).
    qint64 memoryBytes() const;
    qsizetype pieceCount() const { return pieces_.size(); }

private:
    struct Piece {
        int block;
        qint64 offset; // in the block
        qint64 length;
    };
    struct Block {
        QByteArray data;
        bool owned; // never shared: may be written in place
    };

    // Index of the piece holding `pos` (pos < size()).
    qsizetype pieceAt(qint64 pos) const;
    // Splits so that a piece starts at `pos`; returns its index (pieces_.size() at the end).
    qsizetype splitAt(qint64 pos);
    void restart(qsizetype fromPiece);
    Piece appendSmall(const QByteArray& bytes);
    const char* dataOf(const Piece& piece) const;

    std::vector<Block> blocks_;
    std::vector<Piece> pieces_;
    std::vector<qint64> starts_; // starts_[i] = data position of pieces_[i]
    int addBlock_ = -1;
    qint64 size_ = 0;
};

} // namespace varnik

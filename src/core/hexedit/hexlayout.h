#pragma once

#include <QtGlobal>

namespace varnik {

// The grid of a hex editor for a number of bytes per line and a data size:
// column 0 the offset, 1 the marker, 2 .. 2L+1 two hex digits per byte, 2L+2
// a gap, 2L+3 .. 3L+2 one character per byte (L = bytes per line).
class HexLayout {
public:
    HexLayout() = default;
    HexLayout(int bytesPerLine, qint64 dataSize) : perLine_(bytesPerLine), size_(dataSize) {}

    int bytesPerLine() const { return perLine_; }
    qint64 dataSize() const { return size_; }

    // One row when there are no data.
    qint64 rowCount() const { return size_ > 0 ? (size_ + perLine_ - 1) / perLine_ : 1; }
    int columnCount() const { return 3 * perLine_ + 3; }
    int firstHexColumn() const { return 2; }
    int lastHexColumn() const { return 2 * perLine_ + 1; }
    int gapColumn() const { return 2 * perLine_ + 2; }
    int firstCharColumn() const { return 2 * perLine_ + 3; }
    int lastCharColumn() const { return 3 * perLine_ + 2; }
    bool isCharColumn(int column) const { return column >= firstCharColumn(); }
    bool isHexColumn(int column) const { return column >= 2 && column <= lastHexColumn(); }

    // Byte position of a cell; never below 0, may lie past the data.
    qint64 positionOf(int column, qint64 row) const
    {
        const int index = isCharColumn(column) ? column - firstCharColumn() : (column - 2) / 2;
        const qint64 pos = row * perLine_ + index;
        return pos < 0 ? 0 : pos;
    }
    qint64 rowOf(qint64 pos) const { return pos / perLine_; }
    // First hex digit column of a byte, and its character column.
    int hexColumn(qint64 pos) const { return int(2 * (pos % perLine_) + 2); }
    int charColumn(qint64 pos) const { return int(pos % perLine_) + firstCharColumn(); }
    // 0 on the first hex digit column of a byte, 1 on the second; 0 in the character area.
    int digitOf(int column) const { return isHexColumn(column) ? (column - 2) % 2 : 0; }
    // The same byte in the other area.
    int twinColumn(int column) const
    {
        return isCharColumn(column) ? 2 * (column - firstCharColumn()) + 2
                                    : (column - 2) / 2 + firstCharColumn();
    }

private:
    int perLine_ = 16;
    qint64 size_ = 0;
};

} // namespace varnik

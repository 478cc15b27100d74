#pragma once

#include <QByteArray>

#include <limits>

class QIODevice;

namespace varnik {

// A device read in large blocks for converters that take a few bytes at a
// time, up to a limit (the size a file had when it was opened).
class ByteSource {
public:
    explicit ByteSource(QIODevice& device, qint64 limit = std::numeric_limits<qint64>::max());

    // Up to `n` bytes into `dst`; fewer only at the end. Throws Error with the
    // device's error text when reading fails.
    qsizetype read(char* dst, qsizetype n)
    {
        // The few bytes a converter takes are nearly always in the block.
        if (blockEnd_ - blockPos_ < n)
            return readAcrossBlocks(dst, n);
        const char* src = block_.constData() + blockPos_;
        for (qsizetype i = 0; i < n; ++i)
            dst[i] = src[i];
        blockPos_ += n;
        pos_ += n;
        return n;
    }
    // Bytes read so far.
    qint64 pos() const { return pos_; }

private:
    qsizetype readAcrossBlocks(char* dst, qsizetype n);
    bool refill();

    QIODevice& device_;
    qint64 remaining_;
    QByteArray block_;
    qsizetype blockPos_ = 0;
    qsizetype blockEnd_ = 0;
    qint64 pos_ = 0;
};

} // namespace varnik

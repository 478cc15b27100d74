#include "core/text/bytesource.h"

#include "core/app/error.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace varnik {

ByteSource::ByteSource(QIODevice& device, qint64 limit)
    : device_(device), remaining_(std::max<qint64>(limit, 0)), block_(1 << 16, Qt::Uninitialized)
{
}

bool ByteSource::refill()
{
    if (remaining_ == 0)
        return false;
    const qint64 n = device_.read(block_.data(), std::min<qint64>(block_.size(), remaining_));
    if (n < 0)
        throw Error(device_.errorString());
    blockPos_ = 0;
    blockEnd_ = n;
    remaining_ = n == 0 ? 0 : remaining_ - n;
    return n > 0;
}

qsizetype ByteSource::readAcrossBlocks(char* dst, qsizetype n)
{
    qsizetype got = 0;
    while (got < n) {
        if (blockPos_ == blockEnd_ && !refill())
            break;
        const qsizetype take = std::min(n - got, blockEnd_ - blockPos_);
        std::memcpy(dst + got, block_.constData() + blockPos_, static_cast<size_t>(take));
        blockPos_ += take;
        got += take;
    }
    pos_ += got;
    return got;
}

} // namespace varnik

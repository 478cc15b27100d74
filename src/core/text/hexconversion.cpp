#include "core/text/hexconversion.h"

#include "core/text/bytesource.h"

#include <algorithm>
#include <cstring>

namespace varnik {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
// Where the character column starts on every line, the last short one too.
constexpr int kCharColumn = 62;

} // namespace

qsizetype HexConversion::convertChunk(ByteSource& in, QChar* buffer, qsizetype size)
{
    if (size < kMinimumBuffer)
        return 0;
    char line[128];
    int len = 0;
    if (offsetColumn_) {
        // ";%.5X  ": at least five digits.
        const qint64 offset = in.pos();
        char digits[16];
        int n = 0;
        for (qint64 v = offset; v != 0 || n < 5; v >>= 4)
            digits[n++] = kHex[v & 0xF];
        line[len++] = ';';
        while (n > 0)
            line[len++] = digits[--n];
        line[len++] = ' ';
        line[len++] = ' ';
    }
    unsigned char bytes[16];
    const qsizetype count = in.read(reinterpret_cast<char*>(bytes), 16);
    if (count == 0)
        return 0;
    for (qsizetype i = 0; i < count; ++i) {
        line[len++] = kHex[bytes[i] >> 4];
        line[len++] = kHex[bytes[i] & 0xF];
        line[len++] = ' ';
        if ((i + 1) % 4 == 0)
            line[len++] = ' ';
    }
    if (charColumn_) {
        if (len < kCharColumn) {
            std::memset(line + len, ' ', static_cast<size_t>(kCharColumn - len));
            len = kCharColumn;
        }
        for (qsizetype i = 0; i < count; ++i)
            line[len++] = bytes[i] >= 32 && bytes[i] <= 126 ? static_cast<char>(bytes[i]) : '.';
    }
    // Spaces and control characters go from both ends.
    int begin = 0;
    while (begin < len && static_cast<unsigned char>(line[begin]) <= ' ')
        ++begin;
    while (len > begin && static_cast<unsigned char>(line[len - 1]) <= ' ')
        --len;
    line[len++] = '\r';
    line[len++] = '\n';
    const qsizetype written = std::min<qsizetype>(len - begin, size);
    for (qsizetype i = 0; i < written; ++i)
        buffer[i] = QChar(static_cast<char16_t>(static_cast<unsigned char>(line[begin + i])));
    return written;
}

} // namespace varnik

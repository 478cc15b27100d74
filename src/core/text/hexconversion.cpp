#include "core/text/hexconversion.h"

#include "core/text/bytesource.h"

#include <algorithm>
#include <cstring>

namespace varnik {

namespace {

constexpr char16_t kHex[] = u"0123456789ABCDEF";
// Where the character column starts on every line, the last short one too.
constexpr int kCharColumn = 62;

} // namespace

qsizetype HexConversion::convertChunk(ByteSource& in, QChar* buffer, qsizetype size)
{
    if (size < kMinimumBuffer)
        return 0;
    // Built in place: at most 19 + 64 + 16 characters, CR LF included, fit
    // the minimum buffer for any offset below 2^32.
    char16_t line[128];
    int len = 0;
    if (offsetColumn_) {
        // ";%.5X  ": at least five digits.
        char16_t digits[16];
        int n = 0;
        for (quint64 v = quint64(in.pos()); v != 0 || n < 5; v >>= 4)
            digits[n++] = kHex[v & 0xF];
        line[len++] = u';';
        while (n > 0)
            line[len++] = digits[--n];
        line[len++] = u' ';
        line[len++] = u' ';
    }
    unsigned char bytes[16];
    const qsizetype count = in.read(reinterpret_cast<char*>(bytes), 16);
    if (count == 0)
        return 0;
    for (qsizetype i = 0; i < count; ++i) {
        line[len++] = kHex[bytes[i] >> 4];
        line[len++] = kHex[bytes[i] & 0xF];
        line[len++] = u' ';
        if ((i + 1) % 4 == 0)
            line[len++] = u' ';
    }
    if (charColumn_) {
        while (len < kCharColumn)
            line[len++] = u' ';
        for (qsizetype i = 0; i < count; ++i)
            line[len++] = bytes[i] >= 32 && bytes[i] <= 126 ? char16_t(bytes[i]) : u'.';
    }
    // Spaces and control characters go from both ends.
    int begin = 0;
    while (begin < len && line[begin] <= u' ')
        ++begin;
    while (len > begin && line[len - 1] <= u' ')
        --len;
    line[len++] = u'\r';
    line[len++] = u'\n';
    const qsizetype written = std::min<qsizetype>(len - begin, size);
    std::copy(line + begin, line + begin + written, reinterpret_cast<char16_t*>(buffer));
    return written;
}

} // namespace varnik

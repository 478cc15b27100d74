#include "core/text/bytelistconversion.h"

#include "core/text/bytesource.h"

namespace varnik {

qsizetype ByteListConversion::convertChunk(ByteSource& in, QChar* buffer, qsizetype size)
{
    if (size < minimumBuffer_)
        return 0;
    unsigned char bytes[16];
    const qsizetype count = in.read(reinterpret_cast<char*>(bytes), 16);
    QChar* out = buffer;
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0) {
            *out++ = u',';
            *out++ = u' ';
        }
        const unsigned v = bytes[i];
        if (style_ == Style::CHex) {
            *out++ = u'0';
            *out++ = u'x';
            *out++ = QChar(u"0123456789ABCDEF"[v >> 4]);
            *out++ = QChar(u"0123456789ABCDEF"[v & 0xF]);
        } else {
            if (v >= 100)
                *out++ = QChar(char16_t(u'0' + v / 100));
            if (v >= 10)
                *out++ = QChar(char16_t(u'0' + v / 10 % 10));
            *out++ = QChar(char16_t(u'0' + v % 10));
        }
    }
    return out - buffer;
}

} // namespace varnik

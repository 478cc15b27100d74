#include "core/app/textcodec.h"

#include "core/app/error.h"
#include "core/app/hugepages.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace varnik {

namespace {

constexpr qsizetype kChunk = qsizetype(1) << 20;

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Decodes well-formed UTF-8 into `out` (room for bytes.size() characters) and
// returns the character count, or -1 at the first malformed sequence. Works
// in chunks so that a legacy file is given up on early.
qsizetype decodeUtf8Into(QByteArrayView bytes, QChar* out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    QChar* const begin = out;
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = std::min(n, pos + kChunk);
        // End the chunk on a character boundary (a sequence is at most 4 bytes).
        for (int back = 0; back < 3 && end < n && end > pos + 1 && isContinuation(p[end]); ++back)
            --end;
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        out = decoder.appendToBuffer(out, QByteArrayView(bytes.data() + pos, end - pos));
        if (decoder.hasError())
            return -1;
        pos = end;
    }
    return out - begin;
}

int utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

char* putUtf8(char* o, char32_t c)
{
    if (c < 0x80) {
        *o++ = char(c);
    } else if (c < 0x800) {
        *o++ = char(0xC0 | (c >> 6));
        *o++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *o++ = char(0xE0 | (c >> 12));
        *o++ = char(0x80 | ((c >> 6) & 0x3F));
        *o++ = char(0x80 | (c & 0x3F));
    } else {
        *o++ = char(0xF0 | (c >> 18));
        *o++ = char(0x80 | ((c >> 12) & 0x3F));
        *o++ = char(0x80 | ((c >> 6) & 0x3F));
        *o++ = char(0x80 | (c & 0x3F));
    }
    return o;
}

// The code point at text[i] and how many units it takes; 0 units for a lone surrogate.
std::pair<char32_t, int> codePointAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c)) {
        if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            return {QChar::surrogateToUcs4(c, text[i + 1].unicode()), 2};
        return {c, 0};
    }
    if (QChar::isLowSurrogate(c))
        return {c, 0};
    return {c, 1};
}

// Printable ASCII, most of any text: one byte each in UTF-8, taken in runs.
bool isPlainAscii(QChar c)
{
    return char16_t(c.unicode() - 0x20) < 0x60;
}

// Four characters at a time while all four are printable ASCII.
qsizetype plainAsciiRunEnd(QStringView text, qsizetype i)
{
    const qsizetype n = text.size();
    for (quint64 x; i + 4 <= n; i += 4) {
        std::memcpy(&x, text.data() + i, sizeof x);
        // Every lane below 0x80, and at least 0x20 (adding 0x60 then reaches 0x80).
        if ((x & 0xFF80FF80FF80FF80u) != 0 ||
            ((x + 0x0060006000600060u) & 0x0080008000800080u) != 0x0080008000800080u)
            break;
    }
    while (i < n && isPlainAscii(text[i]))
        ++i;
    return i;
}

QByteArray lineEndBytes(LineEnd lineEnd, const CodePage* page)
{
    const QStringView eol = lineEndText(lineEnd);
    QByteArray out;
    for (const QChar c : eol) {
        const int b = page ? page->fromUnicode(c) : -1;
        out.append(b >= 0 ? char(b) : char(c.unicode()));
    }
    return out;
}

} // namespace

DecodedText decodeDocument(QByteArrayView bytes, const std::shared_ptr<const CodePage>& legacy)
{
    DecodedText result;
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = bom ? bytes.sliced(3) : bytes;
    result.text = QString(bytes.size(), Qt::Uninitialized);
    preferHugePages(result.text.data(), result.text.size() * qsizetype(sizeof(QChar)));
    const qsizetype decoded = decodeUtf8Into(body, result.text.data());
    if (decoded >= 0) {
        result.text.truncate(decoded);
        result.encoding = DocumentEncoding::utf8(bom);
    } else {
        const auto& page = legacy ? legacy : CodePage::windows1250();
        page->decodeInto(bytes, result.text.data());
        result.encoding = DocumentEncoding::legacy(page);
    }
    result.lineEnds = normalizeLineEnds(result.text);
    // Give back the room multi-byte characters and CR LF pairs left unused.
    if (result.text.capacity() - result.text.size() > result.text.size() / 4)
        result.text.squeeze();
    return result;
}

qsizetype firstUnencodable(QStringView text, const DocumentEncoding& encoding)
{
    if (!encoding.isUtf8())
        return encoding.codePage()->firstUnencodable(text);
    for (qsizetype i = 0; i < text.size();) {
        const int units = codePointAt(text, i).second;
        if (units == 0)
            return i;
        i += units;
    }
    return -1;
}

QString unencodableMessage(QStringView text, qsizetype offset, const DocumentEncoding& encoding)
{
    return unencodableMessage(offset >= 0 && offset < text.size() ? codePointAt(text, offset).first : 0,
                              offset, encoding);
}

QString unencodableMessage(char32_t c, qsizetype offset, const DocumentEncoding& encoding)
{
    return QStringLiteral("The text holds a character that %1 cannot represent (U+%2 at position %3)")
        .arg(encoding.name())
        .arg(uint(c), 4, 16, QChar(u'0'))
        .arg(offset + 1);
}

QByteArray encodeDocument(QStringView text, const DocumentEncoding& encoding, LineEnd lineEnd)
{
    const CodePage* page = encoding.codePage().get();
    const QByteArray eol = lineEndBytes(lineEnd, page);
    const qsizetype n = text.size();

    // First pass: the exact size, and whether everything can be written.
    qsizetype size = encoding.hasBom() ? 3 : 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (!page && isPlainAscii(c)) {
            const qsizetype end = plainAsciiRunEnd(text, i);
            size += end - i;
            i = end - 1;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            size += eol.size();
        } else if (page) {
            if (page->fromUnicode(c) < 0)
                throw Error(unencodableMessage(text, i, encoding));
            ++size;
        } else {
            const auto [cp, units] = codePointAt(text, i);
            if (units == 0)
                throw Error(unencodableMessage(text, i, encoding));
            size += utf8Length(cp);
            i += units - 1;
        }
    }

    QByteArray out(size, Qt::Uninitialized);
    preferHugePages(out.data(), out.size());
    char* o = out.data();
    if (encoding.hasBom()) {
        *o++ = '\xEF';
        *o++ = '\xBB';
        *o++ = '\xBF';
    }
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (!page && isPlainAscii(c)) {
            const qsizetype end = plainAsciiRunEnd(text, i);
            for (const char16_t *p = reinterpret_cast<const char16_t*>(text.data()) + i,
                                *e = reinterpret_cast<const char16_t*>(text.data()) + end;
                 p != e; ++p)
                *o++ = char(*p);
            i = end - 1;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            for (const char b : eol)
                *o++ = b;
        } else if (page) {
            *o++ = char(page->fromUnicode(c));
        } else if (c.unicode() < 0x80) {
            *o++ = char(c.unicode());
        } else {
            const auto [cp, units] = codePointAt(text, i);
            o = putUtf8(o, cp);
            i += units - 1;
        }
    }
    Q_ASSERT(o == out.constData() + size);
    return out;
}

} // namespace varnik

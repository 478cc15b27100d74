#include "core/app/textstreamencoder.h"

#include "core/app/error.h"
#include "core/app/textcodec.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace varnik {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
constexpr char32_t kReplacement = 0xFFFD;

// High bit set in exactly the bytes of `w` that equal `c`.
std::uint64_t bytesEqual(std::uint64_t w, unsigned char c)
{
    const std::uint64_t t = w ^ (kOnes * c);
    return ~(((t & kLow7) + kLow7) | t | kLow7);
}

struct CodePoint {
    char32_t value;
    int bytes;
};

// The character at p (p < end, *p >= 0x80): a well-formed sequence, or U+FFFD for one stray byte.
CodePoint decodeAt(const unsigned char* p, const unsigned char* end)
{
    const unsigned char b = *p;
    int length = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    char32_t c = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        lo = b == 0xE0 ? 0xA0 : 0x80;
        hi = b == 0xED ? 0x9F : 0xBF;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        lo = b == 0xF0 ? 0x90 : 0x80;
        hi = b == 0xF4 ? 0x8F : 0xBF;
        c = b & 0x07;
    } else {
        return {kReplacement, 1};
    }
    if (end - p < length || p[1] < lo || p[1] > hi)
        return {kReplacement, 1};
    for (int k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return {kReplacement, 1};
        c = (c << 6) | (p[k] & 0x3F);
    }
    return {c, length};
}

// The code page's byte for a character, or -1.
int legacyByte(const CodePage& page, char32_t c)
{
    return c > 0xFFFF ? -1 : page.fromUnicode(QChar(char16_t(c)));
}

} // namespace

TextStreamEncoder::TextStreamEncoder(QByteArrayView text, const DocumentEncoding& encoding, LineEnd lineEnd)
    : text_(text), encoding_(encoding)
{
    const CodePage* page = encoding_.codePage().get();
    for (const QChar c : lineEndText(lineEnd)) {
        const int b = page ? page->fromUnicode(c) : -1;
        eol_[eolBytes_++] = char(b >= 0 ? b : c.unicode());
    }
    for (char16_t c = 0; c < 128; ++c)
        ascii_[c] = short(page ? page->fromUnicode(QChar(c)) : c);
}

char* TextStreamEncoder::putLineEnd(char* o) const
{
    *o++ = eol_[0];
    if (eolBytes_ == 2)
        *o++ = eol_[1];
    return o;
}

void TextStreamEncoder::unencodable(const unsigned char* at) const
{
    const auto begin = reinterpret_cast<const unsigned char*>(text_.data());
    const auto end = begin + text_.size();
    // Everything before the refused character is in the code page, so in the
    // Basic Multilingual Plane: one UTF-16 unit each.
    qsizetype units = 0;
    for (auto p = begin; p < at; ++units)
        p += *p < 0x80 ? 1 : decodeAt(p, end).bytes;
    const char32_t c = *at < 0x80 ? *at : decodeAt(at, end).value;
    throw Error(unencodableMessage(c, units, encoding_));
}

char* TextStreamEncoder::encodeUtf8(const unsigned char* p, const unsigned char* end, char* o) const
{
    while (p < end) {
        // ASCII other than line breaks is copied eight bytes at a time, up to
        // the first byte that needs a closer look (the output has the room).
        if (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            std::memcpy(o, p, 8);
            const std::uint64_t stop = (w & kHighBits) | bytesEqual(w, '\n') | bytesEqual(w, '\r');
            const int plain = stop == 0 ? 8 : std::countr_zero(stop) / 8;
            o += plain;
            p += plain;
            if (plain == 8)
                continue;
        }
        const unsigned char b = *p;
        if (b == '\r' || b == '\n') {
            p += (b == '\r' && end - p > 1 && p[1] == '\n') ? 2 : 1;
            o = putLineEnd(o);
        } else if (b < 0x80) {
            *o++ = char(b);
            ++p;
        } else {
            const CodePoint c = decodeAt(p, end);
            if (c.value == kReplacement && c.bytes == 1) {
                std::memcpy(o, "\xEF\xBF\xBD", 3);
                o += 3;
            } else {
                std::memcpy(o, p, static_cast<size_t>(c.bytes));
                o += c.bytes;
            }
            p += c.bytes;
        }
    }
    return o;
}

char* TextStreamEncoder::encodeLegacy(const unsigned char* p, const unsigned char* end, char* o) const
{
    const CodePage& page = *encoding_.codePage();
    while (p < end) {
        const unsigned char b = *p;
        if (b == '\r' || b == '\n') {
            p += (b == '\r' && end - p > 1 && p[1] == '\n') ? 2 : 1;
            o = putLineEnd(o);
            continue;
        }
        const CodePoint c = b < 0x80 ? CodePoint{b, 1} : decodeAt(p, end);
        const int byte = c.value < 0x80 ? ascii_[c.value] : legacyByte(page, c.value);
        if (byte < 0)
            unencodable(p);
        *o++ = char(byte);
        p += c.bytes;
    }
    return o;
}

QByteArrayView TextStreamEncoder::next(qsizetype pieceBytes)
{
    const qsizetype n = text_.size();
    const bool bom = encoding_.hasBom() && !bomWritten_;
    if (pos_ >= n && !bom)
        return {};
    const auto data = reinterpret_cast<const unsigned char*>(text_.data());
    qsizetype end = std::min(n, pos_ + std::max<qsizetype>(pieceBytes, 8));
    // Never cut a character or a CR LF pair.
    for (int back = 0; back < 3 && end < n && (data[end] & 0xC0) == 0x80; ++back)
        --end;
    if (end < n && end > pos_ + 1 && data[end - 1] == '\r' && data[end] == '\n')
        --end;

    // A character takes at most three bytes in the file (U+FFFD for a stray
    // byte); a line break at most two.
    out_.resize(3 * (end - pos_) + 3);
    char* o = out_.data();
    if (bom) {
        std::memcpy(o, "\xEF\xBB\xBF", 3);
        o += 3;
        bomWritten_ = true;
    }
    o = encoding_.isUtf8() ? encodeUtf8(data + pos_, data + end, o)
                           : encodeLegacy(data + pos_, data + end, o);
    pos_ = end;
    return QByteArrayView(out_.constData(), o - out_.constData());
}

qsizetype firstUnencodableUtf8(QByteArrayView text, const DocumentEncoding& encoding)
{
    // Every character, U+FFFD included, has a UTF-8 form.
    if (encoding.isUtf8())
        return -1;
    const CodePage& page = *encoding.codePage();
    const auto begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = begin + text.size();
    // Characters beyond the Basic Multilingual Plane are refused, so every
    // character before the first refusal is one UTF-16 unit.
    qsizetype units = 0;
    for (auto p = begin; p < end; ++units) {
        const CodePoint c = *p < 0x80 ? CodePoint{*p, 1} : decodeAt(p, end);
        if (c.value != '\r' && c.value != '\n' && legacyByte(page, c.value) < 0)
            return units;
        p += c.bytes;
    }
    return -1;
}

QByteArray encodeUtf8Document(QByteArrayView text, const DocumentEncoding& encoding, LineEnd lineEnd)
{
    TextStreamEncoder encoder(text, encoding, lineEnd);
    QByteArray out;
    for (QByteArrayView piece; !(piece = encoder.next()).isEmpty();)
        out += piece;
    return out;
}

} // namespace varnik

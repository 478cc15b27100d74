#include "core/app/textstreamdecoder.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace varnik {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

// High bit set in exactly the bytes of `w` that equal `c`.
std::uint64_t bytesEqual(std::uint64_t w, unsigned char c)
{
    const std::uint64_t t = w ^ (kOnes * c);
    return ~(((t & kLow7) + kLow7) | t | kLow7);
}

// How many bytes of a bytesEqual mask are set.
int countSet(std::uint64_t mask)
{
    return int(((mask >> 7) * kOnes) >> 56);
}

int utf8Length(char16_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
}

} // namespace

TextStreamDecoder::TextStreamDecoder(Mode mode, std::shared_ptr<const CodePage> page)
    : mode_(mode), page_(page ? std::move(page) : CodePage::windows1250())
{
    if (mode_ != Mode::Legacy)
        return;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = page_->toUnicode(static_cast<unsigned char>(b)).unicode();
        auto& u = legacy_[static_cast<size_t>(b)];
        u[0] = char(utf8Length(c));
        if (c < 0x80) {
            u[1] = char(c);
        } else if (c < 0x800) {
            u[1] = char(0xC0 | (c >> 6));
            u[2] = char(0x80 | (c & 0x3F));
        } else {
            u[1] = char(0xE0 | (c >> 12));
            u[2] = char(0x80 | ((c >> 6) & 0x3F));
            u[3] = char(0x80 | (c & 0x3F));
        }
    }
}

DocumentEncoding TextStreamDecoder::encoding() const
{
    return mode_ == Mode::Utf8 ? DocumentEncoding::utf8(bom_) : DocumentEncoding::legacy(page_);
}

// At a CR: one LF for CR LF or a lone CR; a CR that ends the piece waits for
// the next piece to tell which it is.
char* TextStreamDecoder::lineBreak(const unsigned char*& p, const unsigned char* end, char* o)
{
    ++p;
    if (p == end) {
        pendingCr_ = true;
        return o;
    }
    const bool lf = mode_ == Mode::Utf8 ? *p == '\n' : legacy_[*p][0] == 1 && legacy_[*p][1] == '\n';
    if (lf) {
        ++p;
        ++lineEnds_.crlf;
    } else {
        ++lineEnds_.cr;
    }
    *o++ = '\n';
    return o;
}

char* TextStreamDecoder::decodeUtf8(const unsigned char* p, const unsigned char* end, char* o)
{
    while (p < end) {
        // ASCII other than CR is copied eight bytes at a time, up to the first
        // byte that needs a closer look. The output has room for eight bytes
        // wherever the input has them.
        if (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            std::memcpy(o, p, 8);
            const std::uint64_t stop = (w & kHighBits) | bytesEqual(w, '\r');
            const std::uint64_t lf = bytesEqual(w, '\n');
            if (stop == 0) {
                lineEnds_.lf += countSet(lf);
                o += 8;
                p += 8;
                continue;
            }
            const int plain = std::countr_zero(stop) / 8;
            lineEnds_.lf += countSet(lf & ((std::uint64_t(1) << (8 * plain)) - 1));
            o += plain;
            p += plain;
        }
        const unsigned char b = *p;
        if (b < 0x80) {
            if (b == '\r') {
                o = lineBreak(p, end, o);
                continue;
            }
            if (b == '\n')
                ++lineEnds_.lf;
            *o++ = char(b);
            ++p;
            continue;
        }
        // Two-byte characters (most letters beyond ASCII) take the short way.
        if (b >= 0xC2 && b <= 0xDF && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            o[0] = char(b);
            o[1] = char(p[1]);
            o += 2;
            p += 2;
            continue;
        }
        // Well-formed sequences only: no overlong forms, surrogates or values past U+10FFFF.
        int length = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            lo = b == 0xE0 ? 0xA0 : 0x80;
            hi = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            lo = b == 0xF0 ? 0x90 : 0x80;
            hi = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return nullptr;
        }
        const int have = static_cast<int>(std::min<std::ptrdiff_t>(length, end - p));
        if (have >= 2 && (p[1] < lo || p[1] > hi))
            return nullptr;
        for (int k = 2; k < have; ++k)
            if ((p[k] & 0xC0) != 0x80)
                return nullptr;
        if (have < length) {
            std::memcpy(carry_, p, static_cast<size_t>(have));
            carried_ = have;
            break;
        }
        if (!started_) {
            started_ = true;
            if (length == 3 && b == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
                bom_ = true;
                p += 3;
                continue;
            }
        }
        std::memcpy(o, p, static_cast<size_t>(length));
        o += length;
        p += length;
    }
    return o;
}

char* TextStreamDecoder::decodeLegacy(const unsigned char* p, const unsigned char* end, char* o)
{
    while (p < end) {
        const auto& u = legacy_[*p];
        if (u[0] == 1) {
            if (u[1] == '\r') {
                o = lineBreak(p, end, o);
                continue;
            }
            if (u[1] == '\n')
                ++lineEnds_.lf;
        }
        std::memcpy(o, u.data() + 1, 3); // the room is there; only u[0] bytes count
        o += u[0];
        ++p;
    }
    return o;
}

bool TextStreamDecoder::decode(QByteArrayView piece, QByteArray& out)
{
    if (piece.isEmpty())
        return true;
    const qsizetype old = out.size();
    // UTF-8 never grows (the bytes of a carried character were counted before);
    // a code page character takes at most three bytes; a waiting CR one more.
    // Two spare bytes let the legacy loop store whole table entries.
    out.resize(old + (mode_ == Mode::Utf8 ? piece.size() + 4 : 3 * piece.size() + 3));
    char* const begin = out.data() + old;
    char* o = begin;
    auto p = reinterpret_cast<const unsigned char*>(piece.data());
    const auto end = p + piece.size();

    if (pendingCr_) {
        pendingCr_ = false;
        const bool lf = mode_ == Mode::Utf8 ? *p == '\n' : legacy_[*p][0] == 1 && legacy_[*p][1] == '\n';
        if (lf) {
            ++p;
            ++lineEnds_.crlf;
        } else {
            ++lineEnds_.cr;
        }
        *o++ = '\n';
    }
    if (p == end) {
        out.truncate(o - out.constData());
        return true;
    }
    if (mode_ == Mode::Legacy) {
        o = decodeLegacy(p, end, o);
        out.truncate(o - out.constData());
        return true;
    }
    // Only a file that starts with 0xEF may start with a byte-order mark.
    if (!started_ && carried_ == 0 && *p != 0xEF)
        started_ = true;
    if (carried_ > 0) {
        // Complete the character the previous piece cut, then decode it as one.
        unsigned char joined[4];
        std::memcpy(joined, carry_, static_cast<size_t>(carried_));
        const unsigned char lead = carry_[0];
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        int have = carried_;
        while (have < length && p < end)
            joined[have++] = *p++;
        carried_ = 0;
        char* after = decodeUtf8(joined, joined + have, o);
        if (!after) {
            out.truncate(old);
            return false;
        }
        o = after;
        if (carried_ > 0) { // the piece was shorter than the rest of the character
            out.truncate(o - out.constData());
            return true;
        }
    }
    char* after = decodeUtf8(p, end, o);
    if (!after) {
        out.truncate(old);
        return false;
    }
    out.truncate(after - out.constData());
    return true;
}

bool TextStreamDecoder::finish(QByteArray& out)
{
    if (pendingCr_) {
        pendingCr_ = false;
        ++lineEnds_.cr;
        out.append('\n');
    }
    return carried_ == 0;
}

TextStreamDecoder::LegacySize::LegacySize(const CodePage& page)
{
    for (int b = 0; b < 256; ++b) {
        const char16_t c = page.toUnicode(static_cast<unsigned char>(b)).unicode();
        // Bit 2: the character is CR, bit 3: LF; below: its UTF-8 length.
        length_[static_cast<size_t>(b)] =
            static_cast<unsigned char>(utf8Length(c) | (c == u'\r' ? 4 : 0) | (c == u'\n' ? 8 : 0));
    }
}

void TextStreamDecoder::LegacySize::add(QByteArrayView piece)
{
    // A CR LF pair becomes one LF.
    for (const char c : piece) {
        const unsigned char l = length_[static_cast<unsigned char>(c)];
        bytes_ += l & 3;
        if (lastWasCr_ && (l & 8))
            --bytes_;
        lastWasCr_ = (l & 4) != 0;
    }
}

} // namespace varnik

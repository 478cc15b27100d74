#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace varnik {

// A single-byte legacy code page: every byte is one character and every byte
// value decodes to a distinct character, so bytes -> text -> bytes is exact.
// Bytes the code page leaves undefined decode to U+0080..U+009F (for 0x80..0x9F)
// or to private-use characters, and encode back to the same byte.
class CodePage {
public:
    // The code page of that name ("windows-1250", "ISO-8859-2", "cp852"...).
    // Throws Error when the name is unknown or names a multi-byte encoding.
    static std::shared_ptr<const CodePage> forName(const QString& name);
    // The default legacy code page, available on every build.
    static std::shared_ptr<const CodePage> windows1250();

    const QString& name() const { return name_; }

    QChar toUnicode(unsigned char byte) const { return QChar(toUnicode_[byte]); }
    // The byte of `c`, or -1 when the code page has no byte for it.
    int fromUnicode(QChar c) const
    {
        const short page = pageOf_[c.unicode() >> 8];
        return page < 0 ? -1 : pages_[static_cast<size_t>(page)][c.unicode() & 0xFF];
    }

    QString decode(QByteArrayView bytes) const;
    // Decodes into `out`, which has room for bytes.size() characters.
    void decodeInto(QByteArrayView bytes, QChar* out) const;
    // Offset of the first character without a byte in this code page, or -1.
    qsizetype firstUnencodable(QStringView text) const;

    CodePage(QString name, const std::array<char16_t, 256>& table);

private:
    QString name_;
    std::array<char16_t, 256> toUnicode_;
    // Reverse map: 256 high-byte pages, only those in use allocated; -1 = no byte.
    std::array<short, 256> pageOf_;
    std::vector<std::array<short, 256>> pages_;
};

// The code page named by the CodePage setting. Throws Error when the name is
// unknown or names no single-byte code page.
std::shared_ptr<const CodePage> legacyCodePage(const QString& name);

} // namespace varnik

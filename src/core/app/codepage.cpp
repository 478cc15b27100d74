#include "core/app/codepage.h"

#include "core/app/error.h"

#include <QHash>
#include <QStringDecoder>

#include <mutex>

namespace varnik {

namespace {

// The upper half of windows-1250; bytes it leaves undefined keep their C1 value.
constexpr char16_t kWindows1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// A byte the converter cannot decode still needs a character of its own.
char16_t placeholderFor(int byte)
{
    return byte >= 0x80 && byte < 0xA0 ? char16_t(byte) : char16_t(0xF700 + byte);
}

bool isUnicodeName(const QString& name)
{
    const auto enc = QStringConverter::encodingForName(name.toLatin1().constData());
    return enc && *enc != QStringConverter::Latin1 && *enc != QStringConverter::System;
}

// Builds the byte table through the platform converter; empty when the name
// is unknown or the encoding is not one byte per character.
std::optional<std::array<char16_t, 256>> tableFromConverter(const QString& name)
{
    if (isUnicodeName(name))
        return std::nullopt;
    const QByteArray latin = name.toLatin1();
    QStringDecoder whole(latin.constData(), QStringConverter::Flag::Stateless);
    if (!whole.isValid())
        return std::nullopt;
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString together = whole.decode(all);

    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        QStringDecoder one(latin.constData(), QStringConverter::Flag::Stateless);
        const char byte = char(b);
        const QString s = one.decode(QByteArrayView(&byte, 1));
        if (s.size() > 1)
            return std::nullopt;
        table[size_t(b)] = (s.size() == 1 && !one.hasError()) ? s[0].unicode() : char16_t(0xFFFD);
    }
    // Multi-byte and stateful encodings decode a run differently from its bytes one at a time.
    if (together.size() != 256)
        return std::nullopt;
    for (int b = 0; b < 256; ++b) {
        if (table[size_t(b)] != 0xFFFD && together[b].unicode() != table[size_t(b)])
            return std::nullopt;
    }
    return table;
}

} // namespace

CodePage::CodePage(QString name, const std::array<char16_t, 256>& table) : name_(std::move(name))
{
    pageOf_.fill(-1);
    auto taken = [this](char16_t c) { return fromUnicode(QChar(c)) >= 0; };
    for (int b = 0; b < 256; ++b) {
        char16_t c = table[size_t(b)];
        // Undefined bytes and duplicates get a placeholder so that every byte round-trips.
        if (c == 0xFFFD || (c >= 0xD800 && c < 0xE000) || taken(c))
            c = placeholderFor(b);
        if (taken(c))
            c = char16_t(0xF700 + b);
        toUnicode_[size_t(b)] = c;
        const int hi = c >> 8;
        if (pageOf_[size_t(hi)] < 0) {
            pageOf_[size_t(hi)] = short(pages_.size());
            pages_.emplace_back();
            pages_.back().fill(-1);
        }
        pages_[size_t(pageOf_[size_t(hi)])][c & 0xFF] = short(b);
    }
}

std::shared_ptr<const CodePage> CodePage::windows1250()
{
    static const std::shared_ptr<const CodePage> page = [] {
        std::array<char16_t, 256> table{};
        for (int b = 0; b < 128; ++b)
            table[size_t(b)] = char16_t(b);
        for (int b = 0; b < 128; ++b)
            table[size_t(128 + b)] = kWindows1250High[b];
        return std::make_shared<const CodePage>(QStringLiteral("windows-1250"), table);
    }();
    return page;
}

std::shared_ptr<const CodePage> CodePage::forName(const QString& name)
{
    const QString key = name.trimmed().toLower();
    if (key == u"windows-1250" || key == u"cp1250")
        return windows1250();

    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<const CodePage>> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const auto table = tableFromConverter(name.trimmed());
    if (!table)
        throw Error(QStringLiteral("Unknown single-byte code page: %1").arg(name));
    auto page = std::make_shared<const CodePage>(name.trimmed(), *table);
    cache.insert(key, page);
    return page;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString out(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, out.data());
    return out;
}

void CodePage::decodeInto(QByteArrayView bytes, QChar* out) const
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i)
        out[i] = QChar(toUnicode_[p[i]]);
}

qsizetype CodePage::firstUnencodable(QStringView text) const
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (fromUnicode(text[i]) < 0)
            return i;
    }
    return -1;
}

std::shared_ptr<const CodePage> legacyCodePage(const QString& name)
{
    // A name the program cannot use is the user's to fix: quietly reading files in another code page
    // would garble them.
    try {
        return CodePage::forName(name);
    } catch (const Error&) {
        throw Error(QStringLiteral("The CodePage setting \"%1\" names no single-byte code page").arg(name));
    }
}

} // namespace varnik

#include "core/text/textencoding.h"

#include "core/app/error.h"

#include <QHash>
#include <QMutex>
#include <QStringDecoder>

#include <array>

namespace varnik {

struct TextEncoding::Table {
    QByteArray name;
    std::array<char16_t, 256> toUnicode{};
    // Indexed by UTF-16 unit: the byte plus one, 0 when there is none.
    std::array<quint16, 65536> toByte{};
};

namespace {

std::array<char16_t, 256> decodeEachByte(const QByteArray& name)
{
    std::array<char16_t, 256> chars{};
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    QStringDecoder whole(name.constData(), QStringConverter::Flag::Stateless);
    const QString s = whole.decode(all);
    if (s.size() == 256 && !whole.hasError()) {
        for (int b = 0; b < 256; ++b)
            chars[static_cast<size_t>(b)] = s[b].isSurrogate() ? u'\xFFFD' : s[b].unicode();
        return chars;
    }
    // Not a one-to-one code page: bytes that are no character of their own
    // (lead bytes, holes) map to U+FFFD and back to nothing.
    for (int b = 0; b < 256; ++b) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        const char byte = static_cast<char>(b);
        const QString one = decoder.decode(QByteArrayView(&byte, 1));
        const bool single = one.size() == 1 && !decoder.hasError() && !one[0].isSurrogate();
        chars[static_cast<size_t>(b)] = single ? one[0].unicode() : u'\xFFFD';
    }
    return chars;
}

} // namespace

TextEncoding TextEncoding::codePage(const QByteArray& name)
{
    // Tables are built once per code page; documents share them.
    static QMutex mutex;
    static QHash<QByteArray, std::shared_ptr<const Table>> cache;
    QMutexLocker lock(&mutex);
    TextEncoding e;
    if (auto it = cache.constFind(name); it != cache.constEnd()) {
        e.table_ = *it;
        return e;
    }
    QStringDecoder probe(name.constData());
    if (!probe.isValid())
        throw Error(QStringLiteral("Unknown code page '%1'").arg(QString::fromLatin1(name)));
    auto table = std::make_shared<Table>();
    table->name = name;
    table->toUnicode = decodeEachByte(name);
    for (int b = 255; b >= 0; --b) {
        const char16_t c = table->toUnicode[static_cast<size_t>(b)];
        if (c != u'\xFFFD')
            table->toByte[c] = static_cast<quint16>(b + 1); // the lowest byte wins for duplicates
    }
    e.table_ = table;
    cache.insert(name, std::move(table));
    return e;
}

QByteArray TextEncoding::name() const
{
    return table_ ? table_->name : QByteArrayLiteral("UTF-8");
}

QChar TextEncoding::charForByte(uchar byte) const
{
    return table_ ? QChar(table_->toUnicode[byte]) : QChar(byte < 0x80 ? char16_t(byte) : u'\xFFFD');
}

int TextEncoding::byteForChar(QChar c) const
{
    if (!table_)
        return c.unicode() < 0x80 ? c.unicode() : -1;
    return static_cast<int>(table_->toByte[c.unicode()]) - 1;
}

void throwUnencodable(QStringView text, qsizetype index, const QByteArray& encodingName)
{
    char32_t code = text[index].unicode();
    QString shown(text[index]);
    if (text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[index], text[index + 1]);
        shown = text.sliced(index, 2).toString();
    }
    throw Error(QStringLiteral("Character '%1' (U+%2) has no code in %3")
                    .arg(shown)
                    .arg(static_cast<uint>(code), 4, 16, QChar(u'0'))
                    .arg(QString::fromLatin1(encodingName)));
}

QByteArray TextEncoding::encode(QStringView text) const
{
    if (!table_) {
        QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QByteArray out = encoder.encode(text);
        if (encoder.hasError()) {
            // Only a lone surrogate half has no UTF-8 form.
            for (qsizetype i = 0; i < text.size(); ++i) {
                const QChar c = text[i];
                if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                    ++i;
                    continue;
                }
                if (c.isSurrogate())
                    throwUnencodable(text, i, name());
            }
        }
        return out;
    }
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    const char16_t* src = text.utf16();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const quint16 b = table_->toByte[src[i]];
        if (b == 0)
            throwUnencodable(text, i, table_->name);
        dst[i] = static_cast<char>(b - 1);
    }
    return out;
}

bool TextEncoding::decode(QByteArrayView bytes, QString& text) const
{
    if (!table_) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = decoder.decode(bytes);
        return !decoder.hasError();
    }
    text.resize(bytes.size());
    char16_t* dst = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = table_->toUnicode[static_cast<uchar>(bytes[i])];
    return true;
}

} // namespace varnik

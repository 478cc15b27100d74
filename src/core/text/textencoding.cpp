#include "core/text/textencoding.h"

#include "core/app/error.h"

#include "core/app/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace varnik {

TextEncoding TextEncoding::codePage(const QByteArray& name)
{
    // The same tables as the files use, so bytes mean the same everywhere.
    TextEncoding e;
    e.table_ = CodePage::forName(QString::fromLatin1(name));
    return e;
}

TextEncoding TextEncoding::of(const DocumentEncoding& encoding)
{
    TextEncoding e;
    if (!encoding.isUtf8())
        e.table_ = encoding.codePage();
    return e;
}

QByteArray TextEncoding::name() const { return table_ ? table_->name().toLatin1() : QByteArrayLiteral("UTF-8"); }

QChar TextEncoding::charForByte(uchar byte) const
{
    return table_ ? table_->toUnicode(byte) : QChar(byte < 0x80 ? char16_t(byte) : u'\xFFFD');
}

int TextEncoding::byteForChar(QChar c) const
{
    if (!table_)
        return c.unicode() < 0x80 ? c.unicode() : -1;
    return table_->fromUnicode(c);
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
        const int b = table_->fromUnicode(QChar(src[i]));
        if (b < 0)
            throwUnencodable(text, i, name());
        dst[i] = static_cast<char>(b);
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
    text = table_->decode(bytes);
    return true;
}

} // namespace varnik

#include "core/text/urlcoding.h"

#include "core/text/baseconversion.h"

namespace varnik {

namespace {

bool isUrlSafe(uchar b)
{
    return b == '-' || b == '.' || b == '_' || b == '~' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') ||
           (b >= 'a' && b <= 'z');
}

} // namespace

QString urlEncode(QStringView text, const TextEncoding& encoding)
{
    const QByteArray bytes = encoding.encode(text);
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    QString out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        const auto b = static_cast<uchar>(ch);
        if (isUrlSafe(b)) {
            out += QChar(b);
        } else {
            out += u'%';
            out += QChar(hex[b >> 4]);
            out += QChar(hex[b & 15]);
        }
    }
    return out;
}

QString urlDecode(QStringView text, const TextEncoding& encoding)
{
    const QString error = QStringLiteral("[ERROR]");
    QString out;
    out.reserve(text.size());
    // Bytes of consecutive escapes, turned into text as a whole so that a
    // UTF-8 sequence may span several escapes.
    QByteArray pending;
    QString decoded;
    const auto flush = [&] {
        if (pending.isEmpty())
            return true;
        if (!encoding.decode(pending, decoded))
            return false;
        out += decoded;
        pending.clear();
        return true;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c == u'%') {
            if (i + 2 >= n)
                return error;
            const BaseConversion code = convertBase(text.sliced(i + 1, 2), 16, 10);
            if (code.error != 0)
                return error;
            pending.append(static_cast<char>(code.result.toInt()));
            i += 3;
            continue;
        }
        if (!flush())
            return error;
        out += c == u'+' ? QChar(u' ') : c;
        ++i;
    }
    if (!flush())
        return error;
    return out;
}

} // namespace varnik

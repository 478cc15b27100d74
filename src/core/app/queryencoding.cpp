#include "core/app/queryencoding.h"

namespace varnik {

QString queryEncode(const QString& text)
{
    return queryEncode(text.toUtf8());
}

QString queryEncode(const QByteArray& bytes)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ') {
            out += '+';
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return QString::fromLatin1(out);
}

} // namespace varnik

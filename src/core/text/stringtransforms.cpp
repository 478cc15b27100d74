#include "core/text/stringtransforms.h"

#include "core/app/error.h"
#include "core/text/integertext.h"
#include "core/text/itemsplit.h"

#include <algorithm>
#include <array>

namespace varnik {

namespace {

void rot13Units(const char16_t* src, char16_t* dst, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i];
        const char16_t base = c >= u'a' && c <= u'z' ? u'a' : (c >= u'A' && c <= u'Z' ? u'A' : 0);
        dst[i] = base ? char16_t(base + (c - base + 13) % 26) : c;
    }
}

} // namespace

QString rot13(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    rot13Units(text.utf16(), reinterpret_cast<char16_t*>(out.data()), text.size());
    return out;
}

void rot13InPlace(QString& text)
{
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    rot13Units(d, d, text.size());
}

void reverseInPlace(QString& text)
{
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    std::reverse(d, d + n);
    // A pair now stands low half first: put its halves back in order. Every
    // low-high neighbour here was a high-low pair before.
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (QChar::isLowSurrogate(d[i]) && QChar::isHighSurrogate(d[i + 1])) {
            std::swap(d[i], d[i + 1]);
            ++i;
        }
    }
}

QString reverseText(QStringView text)
{
    const qsizetype n = text.size();
    if (n < 2)
        return text.toString();
    QString out(n, Qt::Uninitialized);
    const char16_t* src = text.utf16();
    char16_t* dst = reinterpret_cast<char16_t*>(out.data()) + n;
    for (qsizetype i = 0; i < n; ++i) {
        if (QChar::isHighSurrogate(src[i]) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            dst -= 2;
            dst[0] = src[i];
            dst[1] = src[i + 1];
            ++i;
        } else {
            *--dst = src[i];
        }
    }
    return out;
}

namespace {

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// Every occurrence of `source` (letters compared in upper case) replaced by
// `replacement`, left to right, never searching inserted text.
QString replaceAllNoCase(const QString& text, QStringView source, QStringView replacement)
{
    const qsizetype n = text.size(), m = source.size();
    if (m == 0 || m > n)
        return text;
    const char16_t* s = QStringView(text).utf16();
    const char16_t first = asciiUpper(source[0].unicode());
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i + m <= n;) {
        if (asciiUpper(s[i]) != first) {
            ++i;
            continue;
        }
        qsizetype k = 1;
        while (k < m && asciiUpper(s[i + k]) == asciiUpper(source[k].unicode()))
            ++k;
        if (k < m) {
            ++i;
            continue;
        }
        if (out.isEmpty())
            out.reserve(n);
        out.append(QStringView(s + copied, i - copied));
        out.append(replacement);
        i += m;
        copied = i;
    }
    if (copied == 0)
        return text;
    out.append(QStringView(s + copied, n - copied));
    return out;
}

} // namespace

QString slangize(QStringView text, const std::function<int()>& draw)
{
    if (text.isEmpty())
        return {};
    static constexpr std::array<std::pair<const char16_t*, const char16_t*>, 11> table{{
        {u"for", u"4"},
        {u"you", u"U"},
        {u"at", u"8"},
        {u"ss", u"ss"},
        {u"th", u"D"},
        {u"e", u"3"},
        {u"o", u"0"},
        {u"k", u"|<"},
        {u"c", u"k"},
        {u"s", u"z"},
        {u"i", u"|"},
    }};
    QString out = text.toString();
    for (const auto& [source, replacement] : table)
        if (draw() < 91)
            out = replaceAllNoCase(out, QStringView(source), QStringView(replacement));
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0, n = out.size(); i < n; ++i)
        if (draw() < 31)
            d[i] = asciiUpper(d[i]);
    return out;
}

QString htmlTable(qint32 rows, qint32 columns)
{
    if (rows < 1 || columns < 1)
        return {};
    // Keeps a mistyped "100000,100000" from exhausting memory.
    constexpr qint64 maxChars = qint64(1) << 27;
    const qint64 size = 80 + qint64(rows) * (30 + qint64(columns) * 13);
    if (size > maxChars)
        throw Error(QStringLiteral("Table too large"));
    QString out;
    out.reserve(size);
    out += u"\r\n<table border=\"1\" bgcolor=\"#ffffff\" cellpadding=\"1\" cellspacing=\"1\">\r\n";
    for (qint32 r = 1; r <= rows; ++r) {
        out += u" <tr> <!-- ";
        out += QString::number(r);
        out += u" -->\r\n";
        for (qint32 c = 0; c < columns; ++c)
            out += u"  <td></td>\r\n";
        out += u" </tr>\r\n";
    }
    out += u"</table>\r\n";
    return out;
}

QString htmlTableFromSelection(QStringView text)
{
    const QList<QStringView> items = splitItems(text, u",");
    if (items.size() < 2)
        throw Error(QStringLiteral("List index out of bounds (1)"));
    return htmlTable(parseInteger(items[0]), parseInteger(items[1]));
}

} // namespace varnik

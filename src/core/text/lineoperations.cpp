#include "core/text/lineoperations.h"

#include "core/text/lines.h"

#include <cstring>

namespace varnik {

namespace {

// Upper bound of the line count, cheap enough to size the result once.
qsizetype lineBreakBound(QStringView text)
{
    qsizetype n = 1;
    for (QChar c : text)
        if (c.unicode() == u'\n' || c.unicode() == u'\r')
            ++n;
    return n;
}

template <typename F> QString mapLines(QStringView text, qsizetype extraPerLine, F&& f)
{
    QString out;
    if (text.isEmpty())
        return out;
    out.reserve(text.size() + lineBreakBound(text) * (extraPerLine + 2));
    forEachLine(text, [&](QStringView line, qsizetype index) {
        f(out, line, index);
        out.append(u"\r\n");
    });
    return out;
}

} // namespace

QString indentLines(QStringView text)
{
    return mapLines(text, 1, [](QString& out, QStringView line, qsizetype) {
        out.append(u' ');
        out.append(line);
    });
}

QString trimLines(QStringView text)
{
    return mapLines(text, 0, [](QString& out, QStringView line, qsizetype) {
        qsizetype b = 0, e = line.size();
        while (b < e && line[b].unicode() <= 32)
            ++b;
        while (e > b && line[e - 1].unicode() <= 32)
            --e;
        out.append(line.sliced(b, e - b));
    });
}

QString unwrapLines(QStringView text)
{
    QString out;
    out.reserve(text.size());
    forEachLine(text, [&](QStringView line, qsizetype) { out.append(line); });
    return out;
}

QString prefixLines(QStringView text, QStringView prefix)
{
    return mapLines(text, prefix.size(), [prefix](QString& out, QStringView line, qsizetype) {
        out.append(prefix);
        out.append(line);
    });
}

QString suffixLines(QStringView text, QStringView suffix)
{
    return mapLines(text, suffix.size(), [suffix](QString& out, QStringView line, qsizetype) {
        out.append(line);
        out.append(suffix);
    });
}

QString dashList(QStringView text)
{
    return prefixLines(text, u"- ");
}

QString numberedList(QStringView text)
{
    return mapLines(text, 9, [](QString& out, QStringView line, qsizetype index) {
        out.append(QString::number(index + 1));
        out.append(u". ");
        out.append(line);
    });
}

QString deleteFirstCharOfLines(QStringView text)
{
    return mapLines(text, 0, [](QString& out, QStringView line, qsizetype) {
        // A surrogate pair is one character.
        qsizetype skip = line.isEmpty() ? 0 : 1;
        if (line.size() >= 2 && line[0].isHighSurrogate() && line[1].isLowSurrogate())
            skip = 2;
        out.append(line.sliced(skip));
    });
}

void prefixLinesInPlace(QString& text, QStringView prefixView)
{
    if (text.isEmpty())
        return;
    const QString prefix = prefixView.toString(); // may point into `text`
    const qsizetype n = text.size();
    qsizetype lines = 0, breakChars = 0;
    {
        const char16_t* d = QStringView(text).utf16();
        for (qsizetype i = 0; i < n; ++i) {
            if (d[i] != u'\n' && d[i] != u'\r')
                continue;
            ++lines;
            ++breakChars;
            if (d[i] == u'\r' && i + 1 < n && d[i + 1] == u'\n') {
                ++i;
                ++breakChars;
            }
        }
        if (d[n - 1] != u'\n' && d[n - 1] != u'\r')
            ++lines;
    }
    const qsizetype p = prefix.size();
    const qsizetype size = n - breakChars + lines * (p + 2);
    text.resize(size);
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    const char16_t* pre = QStringView(prefix).utf16();
    // Each line's output is at least as long as its input, so writing from
    // the back never overtakes the unread text.
    qsizetype r = n, w = size;
    while (r > 0) {
        qsizetype end = r;
        if (d[r - 1] == u'\n')
            end = r >= 2 && d[r - 2] == u'\r' ? r - 2 : r - 1;
        else if (d[r - 1] == u'\r')
            end = r - 1;
        qsizetype start = end;
        while (start > 0 && d[start - 1] != u'\n' && d[start - 1] != u'\r')
            --start;
        const qsizetype len = end - start;
        w -= 2;
        d[w] = u'\r';
        d[w + 1] = u'\n';
        w -= len;
        std::memmove(d + w, d + start, static_cast<size_t>(len) * sizeof(char16_t));
        w -= p;
        if (p > 0)
            std::memcpy(d + w, pre, static_cast<size_t>(p) * sizeof(char16_t));
        r = start;
    }
}

void indentLinesInPlace(QString& text)
{
    prefixLinesInPlace(text, u" ");
}

void trimLinesInPlace(QString& text)
{
    if (text.isEmpty())
        return;
    // With a break after every line no trimmed line outgrows its place.
    if (text.back() != u'\n' && text.back() != u'\r')
        text.append(u'\n');
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    qsizetype w = 0;
    for (qsizetype i = 0; i < n;) {
        qsizetype end = i;
        while (d[end] != u'\n' && d[end] != u'\r')
            ++end;
        const qsizetype next = end + (d[end] == u'\r' && end + 1 < n && d[end + 1] == u'\n' ? 2 : 1);
        qsizetype b = i, e = end;
        while (b < e && d[b] <= 32)
            ++b;
        while (e > b && d[e - 1] <= 32)
            --e;
        std::memmove(d + w, d + b, static_cast<size_t>(e - b) * sizeof(char16_t));
        w += e - b;
        d[w++] = u'\n'; // may overwrite the break just read
        i = next;
    }
    text.truncate(w);
    prefixLinesInPlace(text, u"");
}

} // namespace varnik

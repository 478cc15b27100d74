#include "core/text/lineoperations.h"

#include "core/text/lines.h"

#include <cstring>
#include <vector>

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
    // Line starts, found once; the backward pass then only moves text.
    std::vector<qsizetype> starts;
    qsizetype contentChars = 0;
    {
        const char16_t* base = QStringView(text).utf16();
        forEachLine(text, [&](QStringView line, qsizetype) {
            starts.push_back(line.utf16() - base);
            contentChars += line.size();
        });
    }
    const qsizetype breakChars = n - contentChars;
    const auto lines = static_cast<qsizetype>(starts.size());
    const qsizetype p = prefix.size();
    const qsizetype size = n - breakChars + lines * (p + 2);
    text.resize(size);
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    const char16_t* pre = QStringView(prefix).utf16();
    // Each line's output is at least as long as its input, so writing from
    // the back never overtakes the unread text.
    qsizetype w = size;
    for (qsizetype k = lines - 1; k >= 0; --k) {
        const qsizetype start = starts[static_cast<size_t>(k)];
        qsizetype end = k + 1 < lines ? starts[static_cast<size_t>(k + 1)] : n;
        if (d[end - 1] == u'\n')
            end -= end - 2 >= start && d[end - 2] == u'\r' ? 2 : 1;
        else if (d[end - 1] == u'\r')
            end -= 1;
        const qsizetype len = end - start;
        w -= 2;
        d[w] = u'\r';
        d[w + 1] = u'\n';
        w -= len;
        std::memmove(d + w, d + start, static_cast<size_t>(len) * sizeof(char16_t));
        w -= p;
        if (p > 0)
            std::memcpy(d + w, pre, static_cast<size_t>(p) * sizeof(char16_t));
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

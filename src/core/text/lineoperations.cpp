#include "core/text/lineoperations.h"

#include "core/text/lines.h"

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

template <typename F>
QString mapLines(QStringView text, qsizetype extraPerLine, F&& f)
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

QString dashList(QStringView text) { return prefixLines(text, u"- "); }

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

} // namespace varnik

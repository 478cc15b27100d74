#include "core/app/textedit.h"

#include <algorithm>

namespace varnik {

QString toLfLineEnds(const QString& text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QString toCrLfLineEnds(const QString& text)
{
    if (!text.contains(u'\n'))
        return text;
    QString out = text;
    out.replace(u'\n', QStringLiteral("\r\n"));
    return out;
}

namespace {

bool isWholeWordAt(QStringView text, qsizetype pos, qsizetype len)
{
    if (pos > 0 && TextEdit::isWordChar(text[pos - 1]))
        return false;
    const qsizetype after = pos + len;
    return after >= text.size() || !TextEdit::isWordChar(text[after]);
}

} // namespace

qsizetype findInText(QStringView text, qsizetype start, qsizetype end, QStringView what,
                     TextEdit::FindOptions options, bool backwards)
{
    start = std::clamp<qsizetype>(start, 0, text.size());
    end = std::clamp<qsizetype>(end, start, text.size());
    if (what.isEmpty() || end - start < what.size())
        return -1;
    const QStringView range = text.mid(start, end - start);
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Word boundaries look at the characters around the match even outside the range.
    auto accept = [&](qsizetype at) {
        return !options.wholeWord || isWholeWordAt(text, start + at, what.size());
    };
    if (!backwards) {
        for (qsizetype from = 0;;) {
            const qsizetype at = range.indexOf(what, from, cs);
            if (at < 0)
                return -1;
            if (accept(at))
                return start + at;
            from = at + 1;
        }
    }
    for (qsizetype from = range.size() - what.size();;) {
        if (from < 0)
            return -1;
        const qsizetype at = range.lastIndexOf(what, from, cs);
        if (at < 0)
            return -1;
        if (accept(at))
            return start + at;
        from = at - 1;
    }
}

} // namespace varnik

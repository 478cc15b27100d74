#include "core/app/textedit.h"

#include <algorithm>

namespace varnik {

// Both conversions run in one pass over raw buffers: QString::replace grows
// a string in chunks and moves its tail each time, which is quadratic here.
QString toLfLineEnds(const QString& text)
{
    const qsizetype first = text.indexOf(u'\r');
    if (first < 0)
        return text;
    QString out(text.size(), Qt::Uninitialized);
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    std::copy(src, src + first, dst);
    qsizetype o = first;
    for (qsizetype i = first, n = text.size(); i < n; ++i) {
        const char16_t c = src[i];
        if (c == u'\r') {
            dst[o++] = u'\n';
            if (i + 1 < n && src[i + 1] == u'\n')
                ++i;
        } else {
            dst[o++] = c;
        }
    }
    out.truncate(o);
    return out;
}

QString toCrLfLineEnds(const QString& text)
{
    const qsizetype breaks = text.count(u'\n');
    if (breaks == 0)
        return text;
    QString out(text.size() + breaks, Qt::Uninitialized);
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        if (src[i] == u'\n')
            *dst++ = u'\r';
        *dst++ = src[i];
    }
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

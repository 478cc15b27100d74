#include "core/app/lineends.h"

namespace varnik {

LineEnd lineEndFromSetting(int crlf)
{
    switch (crlf) {
    case 1:
        return LineEnd::Lf;
    case 2:
        return LineEnd::Cr;
    default:
        return LineEnd::CrLf;
    }
}

QStringView lineEndText(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return u"\n";
    case LineEnd::Cr:
        return u"\r";
    case LineEnd::CrLf:
        break;
    }
    return u"\r\n";
}

std::optional<LineEnd> LineEndCounts::uniform() const
{
    if (mixed() || total() == 0)
        return std::nullopt;
    return crlf > 0 ? LineEnd::CrLf : lf > 0 ? LineEnd::Lf : LineEnd::Cr;
}

LineEndCounts normalizeLineEnds(QString& text)
{
    LineEndCounts counts;
    const qsizetype firstCr = text.indexOf(u'\r');
    if (firstCr < 0) {
        counts.lf = text.count(u'\n');
        return counts;
    }
    counts.lf = QStringView(text).first(firstCr).count(u'\n');
    QChar* p = text.data();
    const qsizetype n = text.size();
    qsizetype out = firstCr;
    for (qsizetype i = firstCr; i < n; ++i) {
        const QChar c = p[i];
        if (c == u'\r') {
            if (i + 1 < n && p[i + 1] == u'\n') {
                ++i;
                ++counts.crlf;
            } else {
                ++counts.cr;
            }
            p[out++] = u'\n';
        } else {
            if (c == u'\n')
                ++counts.lf;
            p[out++] = c;
        }
    }
    text.truncate(out);
    return counts;
}

} // namespace varnik

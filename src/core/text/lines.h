#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Calls f(line, index) for every line of `text`. A line ends at CR LF, a lone
// CR or a lone LF; a final line break does not start another line, and an
// empty text has no lines.
template <typename F> void forEachLine(QStringView text, F&& f)
{
    const QChar* d = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype index = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c != u'\n' && c != u'\r')
            continue;
        f(QStringView(d + start, i - start), index++);
        if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        f(QStringView(d + start, n - start), index);
}

// Number of lines forEachLine would visit.
qsizetype lineCountOf(QStringView text);

} // namespace varnik

#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

namespace detail {
// Whether every CR of the text stands right before an LF (no lone CR line
// ends), so that lines can be found by searching for LF alone.
bool crOnlyBeforeLf(QStringView text);
} // namespace detail

// Calls f(line, index) for every line of `text`. A line ends at CR LF, a lone
// CR or a lone LF; a final line break does not start another line, and an
// empty text has no lines.
template <typename F> void forEachLine(QStringView text, F&& f)
{
    const char16_t* d = text.utf16();
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype index = 0;
    if (detail::crOnlyBeforeLf(text)) {
        // The common case: a vectorised search for LF.
        for (qsizetype j; (j = text.indexOf(u'\n', start)) >= 0; start = j + 1) {
            const qsizetype end = j > start && d[j - 1] == u'\r' ? j - 1 : j;
            f(QStringView(d + start, end - start), index++);
        }
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = d[i];
            if (c != u'\n' && c != u'\r')
                continue;
            f(QStringView(d + start, i - start), index++);
            if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        f(QStringView(d + start, n - start), index);
}

// Number of lines forEachLine would visit.
qsizetype lineCountOf(QStringView text);

} // namespace varnik

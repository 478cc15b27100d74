#include "core/text/lines.h"

namespace varnik {

namespace detail {

bool crOnlyBeforeLf(QStringView text)
{
    const char16_t* d = text.utf16();
    const qsizetype n = text.size();
    if (n == 0)
        return true;
    // Branch-free so that the compiler vectorises it.
    qsizetype crs = 0, pairs = 0;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        crs += d[i] == u'\r';
        pairs += (d[i] == u'\r') & (d[i + 1] == u'\n');
    }
    return crs == pairs && d[n - 1] != u'\r';
}

} // namespace detail

qsizetype lineCountOf(QStringView text)
{
    qsizetype count = 0;
    forEachLine(text, [&](QStringView, qsizetype) { ++count; });
    return count;
}

} // namespace varnik

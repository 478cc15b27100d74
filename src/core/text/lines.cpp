#include "core/text/lines.h"

namespace varnik {

qsizetype lineCountOf(QStringView text)
{
    qsizetype count = 0;
    forEachLine(text, [&](QStringView, qsizetype) { ++count; });
    return count;
}

} // namespace varnik

#include "core/text/splitcolumn.h"

#include "core/text/lines.h"

namespace varnik {

QString splitColumn(QStringView text, int column, QStringView separator)
{
    QString out;
    forEachLine(text, [&](QStringView line, qsizetype) {
        // Walk to the wanted item without splitting the whole line.
        if (column >= 0 && !line.isEmpty()) {
            qsizetype start = 0;
            int index = 0;
            while (true) {
                const qsizetype at = separator.isEmpty() ? -1 : line.indexOf(separator, start);
                const qsizetype end = at < 0 ? line.size() : at;
                // A line ending with the separator has no empty last item.
                if (at < 0 && start >= line.size())
                    break;
                if (index == column) {
                    out += line.sliced(start, end - start);
                    break;
                }
                if (at < 0)
                    break;
                start = at + separator.size();
                ++index;
            }
        }
        out += u"\r\n";
    });
    return out;
}

} // namespace varnik

#include "core/text/itemsplit.h"

namespace varnik {

QList<QStringView> splitItems(QStringView text, QStringView delimiter)
{
    QList<QStringView> items;
    if (text.isEmpty())
        return items;
    if (delimiter.isEmpty()) {
        items.append(text);
        return items;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = text.indexOf(delimiter, start);
        if (at < 0)
            break;
        items.append(text.sliced(start, at - start));
        start = at + delimiter.size();
    }
    if (start < text.size())
        items.append(text.sliced(start));
    return items;
}

} // namespace varnik

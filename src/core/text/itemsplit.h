#pragma once

#include <QList>
#include <QStringView>

namespace varnik {

// Items of `text` between occurrences of `delimiter`: "a,b" gives two items,
// "a," one, ",a" an empty item and "a", "a,,b" three, "" none. An empty
// delimiter never matches, so the whole text is one item.
QList<QStringView> splitItems(QStringView text, QStringView delimiter);

} // namespace varnik

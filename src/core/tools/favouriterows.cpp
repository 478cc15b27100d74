#include "core/tools/favouriterows.h"

#include "core/tools/tooltexts.h"

#include <algorithm>

namespace varnik {

FavouriteRows::FavouriteRows(const QLocale& locale) : collator_(sortingLocale(locale)) {}

void FavouriteRows::fill(const QStringList& favourites)
{
    rows_.clear();
    for (const QString& entry : favourites) {
        QString row = trimBlanksAndControls(entry);
        if (!row.isEmpty())
            rows_.append(std::move(row));
    }
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const QString& a, const QString& b) { return collator_.compare(a, b) < 0; });
}

qsizetype FavouriteRows::insertSorted(const QString& text)
{
    const auto it =
        std::upper_bound(rows_.begin(), rows_.end(), text,
                         [this](const QString& a, const QString& b) { return collator_.compare(a, b) < 0; });
    const qsizetype row = it - rows_.begin();
    rows_.insert(row, text);
    return row;
}

qsizetype FavouriteRows::add(const QString& text)
{
    return insertSorted(text);
}

qsizetype FavouriteRows::setText(qsizetype row, const QString& text)
{
    if (row < 0 || row >= rows_.size())
        return -1;
    rows_.removeAt(row);
    return insertSorted(text);
}

void FavouriteRows::remove(qsizetype row)
{
    if (row >= 0 && row < rows_.size())
        rows_.removeAt(row);
}

bool FavouriteRows::canInsert(qsizetype row) const
{
    return row >= 0 && row < rows_.size() && !rows_[row].isEmpty();
}

} // namespace varnik

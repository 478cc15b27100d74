#pragma once

#include <QCollator>
#include <QLocale>
#include <QStringList>

namespace varnik {

// The rows of the favourite-texts window: the texts trimmed, empty ones left
// out, sorted in the locale's order. Adding or editing a row moves it to its
// place; each change returns where the row now stands.
class FavouriteRows {
public:
    explicit FavouriteRows(const QLocale& locale = QLocale::system());

    // Rows made from a favourite list.
    void fill(const QStringList& favourites);
    const QStringList& rows() const { return rows_; }
    qsizetype size() const { return rows_.size(); }

    qsizetype add(const QString& text);
    // A row edited in place; an edit to an empty text keeps an empty row.
    qsizetype setText(qsizetype row, const QString& text);
    void remove(qsizetype row);
    // Whether the row can be inserted into the document: it exists and is not empty.
    bool canInsert(qsizetype row) const;

private:
    qsizetype insertSorted(const QString& text);

    QCollator collator_;
    QStringList rows_;
};

} // namespace varnik

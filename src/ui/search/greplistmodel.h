#pragma once

#include "core/search/grepresult.h"

#include <QAbstractListModel>
#include <QSize>

namespace varnik {

// The grep result list as a model: rows are made on demand from the result,
// so a list of a million entries costs nothing until it is looked at.
class GrepListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Rows show at most this many characters: a line of megabytes would stall painting.
    static constexpr qsizetype MaxShownLength = 4096;

    using QAbstractListModel::QAbstractListModel;

    const GrepResult& result() const { return result_; }
    void setResult(GrepResult result);
    void clear();

    // The entry with the most characters (-1 when empty): what sets the row width.
    qsizetype longestEntry() const { return longest_; }
    // Every row's size (the view uses uniform rows); invalid until set.
    void setRowSize(QSize size) { rowSize_ = size; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    GrepResult result_;
    qsizetype longest_ = -1;
    QSize rowSize_;
};

} // namespace varnik

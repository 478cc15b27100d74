#include "ui/search/greplistmodel.h"

#include <limits>

namespace varnik {

void GrepListModel::setResult(GrepResult result)
{
    beginResetModel();
    result_ = std::move(result);
    longest_ = -1;
    qsizetype most = -1;
    for (qsizetype i = 0; i < result_.size(); ++i) {
        if (result_.lineText(i).size() > most) {
            most = result_.lineText(i).size();
            longest_ = i;
        }
    }
    rowSize_ = QSize();
    endResetModel();
}

void GrepListModel::clear()
{
    setResult(GrepResult(result_.lineNumbers()));
}

int GrepListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    // A view counts rows in int; entries past that cannot be shown.
    return static_cast<int>(std::min<qsizetype>(result_.size(), std::numeric_limits<int>::max()));
}

QVariant GrepListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= result_.size())
        return {};
    if (role == Qt::DisplayRole) {
        const qsizetype i = index.row();
        if (result_.lineText(i).size() <= MaxShownLength)
            return result_.entry(i);
        // The shown part only: copying a huge line for every paint would stall the list.
        const QString part = result_.lineText(i).left(MaxShownLength).toString();
        GrepResult one(result_.lineNumbers());
        one.start(part, 1);
        one.append(result_.line(i), result_.position(i), 0, part.size());
        one.finish();
        return one.entry(0);
    }
    if (role == Qt::SizeHintRole && rowSize_.isValid())
        return rowSize_;
    return {};
}

} // namespace varnik

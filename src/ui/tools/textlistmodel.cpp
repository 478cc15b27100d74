#include "ui/tools/textlistmodel.h"

#include "core/tools/tooltexts.h"

#include <algorithm>
#include <climits>

namespace varnik {

TextListModel::TextListModel(QObject* parent) : QAbstractListModel(parent) {}

void TextListModel::setTexts(const QStringList& texts)
{
    beginResetModel();
    texts_ = texts;
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::min<qsizetype>(texts_.size(), INT_MAX));
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= texts_.size())
        return {};
    if (role == Qt::DisplayRole)
        return listRowText(texts_[index.row()]);
    if (role == Qt::EditRole)
        return texts_[index.row()];
    return {};
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    if (editable_ && index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

bool TextListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || role != Qt::EditRole || !index.isValid() || index.row() >= texts_.size())
        return false;
    Q_EMIT textEdited(index.row(), value.toString());
    return true;
}

} // namespace varnik

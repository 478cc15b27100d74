#include "ui/search/greppanel.h"

#include "ui/search/greplistmodel.h"

#include <QStyleOptionViewItem>

namespace varnik {

GrepPanel::GrepPanel(QWidget* parent) : QListView(parent), model_(new GrepListModel(this))
{
    setObjectName(QStringLiteral("ListBoxGrep"));
    const QString hint = QStringLiteral("GREP results - double click to go to line");
    setStatusTip(hint);
    setToolTip(hint);
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT entryActivated(index.row());
    });
}

const GrepResult& GrepPanel::result() const
{
    return model_->result();
}

void GrepPanel::setResult(GrepResult result)
{
    model_->setResult(std::move(result));
    measureRows();
    scrollToTop();
}

void GrepPanel::clear()
{
    model_->clear();
}

void GrepPanel::measureRows()
{
    // Every row as wide as the longest one, so that the list scrolls sideways
    // to the end of every line without measuring each of them.
    const qsizetype longest = model_->longestEntry();
    if (longest < 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    model_->setRowSize(itemDelegate()->sizeHint(option, model_->index(static_cast<int>(longest))));
}

} // namespace varnik

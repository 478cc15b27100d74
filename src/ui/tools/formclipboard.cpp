#include "ui/tools/formclipboard.h"

#include "core/tools/multiclipboard.h"
#include "core/tools/tooltexts.h"
#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"
#include "ui/tools/toolicons.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnik {

FormClipboard::FormClipboard(MultiClipboard& list, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      entries_(list)
{
    setObjectName(QStringLiteral("FormClipboard"));
    setWindowTitle(QStringLiteral("Multi-Clipboard"));
    paste_ = pictureButton(this, "BitBtnPaste", toolIcon("edit-paste", "paste"),
                           QStringLiteral("Paste from clipboard"));
    delete_ = pictureButton(this, "BitBtnDelete", toolIcon("edit-delete", "delete"),
                            QStringLiteral("Delete item in clipboard"));
    clear_ = pictureButton(this, "BitBtnClr", toolIcon("edit-clear-all", "clear"),
                           QStringLiteral("Clear all items"));
    view_ = new OneColumnList(this);
    view_->setObjectName(QStringLiteral("ListViewClipboard"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(paste_);
    buttons->addWidget(delete_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(view_);

    connect(paste_, &QToolButton::clicked, this, &FormClipboard::paste);
    connect(delete_, &QToolButton::clicked, this, &FormClipboard::deleteEntry);
    connect(clear_, &QToolButton::clicked, this, &FormClipboard::clearAll);
    connect(view_, &QAbstractItemView::doubleClicked, this, &FormClipboard::paste);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FormClipboard::rowChosen);
    resize(223, 219);
}

void FormClipboard::keyPressEvent(QKeyEvent* e)
{
    // Paste is the default button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        paste();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FormClipboard::showEvent(QShowEvent* e)
{
    fill();
    QDialog::showEvent(e);
}

void FormClipboard::fill()
{
    view_->texts().setTexts(entries_.entries());
    view_->setToolTip(QString());
    view_->choose(view_->texts().rowCount() - 1);
    view_->setFocus();
}

void FormClipboard::rowChosen()
{
    const int row = view_->selectedRow();
    if (row >= 0)
        view_->setToolTip(multiClipboardToolTip(view_->texts().texts()[row]));
}

void FormClipboard::paste()
{
    const int row = view_->selectedRow();
    if (row >= 0)
        QApplication::clipboard()->setText(view_->texts().texts()[row]);
    accept();
}

void FormClipboard::deleteEntry()
{
    const int row = view_->selectedRow();
    if (row < 0)
        return;
    entries_.remove(view_->texts().texts()[row]);
    view_->texts().setTexts(entries_.entries());
    view_->choose(0);
}

void FormClipboard::clearAll()
{
    if (entries_.isEmpty())
        return;
    entries_.clear();
    view_->texts().setTexts({});
    view_->setToolTip(QString());
}

} // namespace varnik

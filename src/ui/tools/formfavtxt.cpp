#include "ui/tools/formfavtxt.h"

#include "core/app/error.h"
#include "core/app/messagesink.h"
#include "core/tools/favouritetexts.h"
#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"
#include "ui/tools/toolicons.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnik {

namespace {

QString chooseFavouriteFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Text files (*.txt)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("favorite.txt"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

FormFavTxt::FormFavTxt(QStringList& favourites, std::shared_ptr<const CodePage> legacy, MessageSink& messages,
                       QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      favourites_(favourites), legacy_(std::move(legacy)), messages_(messages)
{
    setObjectName(QStringLiteral("FormFavTxt"));
    setWindowTitle(QStringLiteral("Favorite texts"));
    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* theme;
        const char* bundled;
        const char* hint;
        void (FormFavTxt::*slot)();
    } kinds[] = {
        {"BitBtn1", "list-add", "add", "Add new text...", &FormFavTxt::addRow},
        {"BitBtn2", "document-edit", "edit", "Edit selected text", &FormFavTxt::editRow},
        {"BitBtn3", "edit-delete", "delete", "Delete selected text", &FormFavTxt::deleteRow},
        {"BitBtn4", "document-open", "open", "Load favorite texts from text file", &FormFavTxt::loadFile},
        {"BitBtn5", "document-save", "save", "Save favorite texts to text file", &FormFavTxt::saveFile},
    };
    for (const auto& k : kinds) {
        QToolButton* b =
            pictureButton(this, k.name, toolIcon(k.theme, k.bundled), QString::fromLatin1(k.hint));
        connect(b, &QToolButton::clicked, this, k.slot);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    view_ = new OneColumnList(this);
    view_->setObjectName(QStringLiteral("LV1"));
    view_->texts().setEditable(true);
    view_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    view_->setToolTip(QStringLiteral("Double click on selected text to insert it into editor..."));
    connect(view_, &QAbstractItemView::activated, this, &FormFavTxt::insertChosen);
    // Queued: the row moves to its place once the editor has closed.
    connect(
        &view_->texts(), &TextListModel::textEdited, this,
        [this](int row, const QString& text) { showRows(rows_.setText(row, text)); }, Qt::QueuedConnection);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(view_);

    chooseOpen_ = [this] { return chooseFavouriteFile(this, QFileDialog::AcceptOpen); };
    chooseSave_ = [this] { return chooseFavouriteFile(this, QFileDialog::AcceptSave); };

    rows_.fill(favourites_);
    showRows(0);
    resize(247, 302);
}

void FormFavTxt::showRows(qsizetype selected)
{
    view_->texts().setTexts(rows_.rows());
    view_->choose(int(selected));
}

void FormFavTxt::addRow()
{
    showRows(rows_.add(QStringLiteral("New item")));
    view_->setFocus();
}

void FormFavTxt::editRow()
{
    const int row = view_->selectedRow();
    if (row < 0)
        return;
    view_->setFocus();
    view_->edit(view_->texts().index(row));
}

void FormFavTxt::deleteRow()
{
    const int row = view_->selectedRow();
    if (row < 0)
        return;
    rows_.remove(row);
    showRows(std::min<qsizetype>(row, rows_.size() - 1));
}

void FormFavTxt::loadFile()
{
    const QString path = chooseOpen_();
    if (path.isEmpty())
        return;
    try {
        favourites_ = readFavouriteFile(path, legacy_);
    } catch (const Error& e) {
        messages_.message(e.message(), MessageKind::Error, Buttons::OK);
        return;
    }
    rows_.fill(favourites_);
    showRows(0);
}

void FormFavTxt::saveFile()
{
    const QString path = chooseSave_();
    if (path.isEmpty())
        return;
    try {
        writeFavouriteFile(path, rows_.rows());
    } catch (const Error& e) {
        messages_.message(e.message(), MessageKind::Error, Buttons::OK);
    }
}

void FormFavTxt::insertChosen()
{
    const int row = view_->selectedRow();
    if (!rows_.canInsert(row))
        return;
    chosen_ = rows_.rows()[row];
    accept();
}

void FormFavTxt::done(int result)
{
    favourites_ = rows_.rows();
    QDialog::done(result);
}

} // namespace varnik

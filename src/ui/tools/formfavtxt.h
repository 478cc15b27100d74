#pragma once

#include "core/app/codepage.h"
#include "core/tools/favouriterows.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace varnik {

class MessageSink;
class OneColumnList;

// "Favorite texts": the favourite list as sorted rows to add, edit in place,
// delete, load from and save to a file, and to choose one for insertion
// (Enter or a double click on a non-empty row closes with OK). However it
// closes, the favourite list becomes the rows in their order.
class FormFavTxt : public QDialog {
    Q_OBJECT
public:
    FormFavTxt(QStringList& favourites, std::shared_ptr<const CodePage> legacy, MessageSink& messages,
               QWidget* parent = nullptr);

    // The text chosen for insertion (after OK).
    QString chosenText() const { return chosen_; }
    OneColumnList& list() const { return *view_; }
    const FavouriteRows& rows() const { return rows_; }

    // Ask for the file to load from or save to; empty cancels (file dialogs unless set).
    void setOpenFileChooser(std::function<QString()> chooser) { chooseOpen_ = std::move(chooser); }
    void setSaveFileChooser(std::function<QString()> chooser) { chooseSave_ = std::move(chooser); }

    void done(int result) override;

private:
    void showRows(qsizetype selected);
    void addRow();
    void editRow();
    void deleteRow();
    void loadFile();
    void saveFile();
    void insertChosen();

    QStringList& favourites_;
    std::shared_ptr<const CodePage> legacy_;
    MessageSink& messages_;
    FavouriteRows rows_;
    OneColumnList* view_;
    QString chosen_;
    std::function<QString()> chooseOpen_;
    std::function<QString()> chooseSave_;
};

} // namespace varnik

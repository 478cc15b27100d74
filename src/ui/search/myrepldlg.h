#pragma once

#include "core/search/searchdialogs.h"
#include "ui/search/searchdialogparts.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace varnik {

// The Find and replace window: a tool window of the main window that lives as
// long as it and stays open until cancelled. Its controls write straight into
// its ReplaceDialogState; the searching and replacing are the controller's.
class MyReplDlg : public QDialog {
    Q_OBJECT
public:
    explicit MyReplDlg(QWidget* parent);

    ReplaceDialogState& state() { return state_; }
    const ReplaceDialogState& state() const { return state_; }
    // Puts the controls in line with the state after a command changed it.
    void showState();
    // Shows the window (or brings it up again) with the search field focused.
    void present();

    QComboBox* whatField() const { return what_; }
    QComboBox* replaceField() const { return with_; }

Q_SIGNALS:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

private:
    void focusField();

    ReplaceDialogState state_;
    QComboBox* what_;
    QComboBox* with_;
    OptionBoxes options_;
    RadioPair scope_;
    RadioPair origin_;
};

} // namespace varnik

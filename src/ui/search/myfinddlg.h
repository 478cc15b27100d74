#pragma once

#include "core/search/searchdialogs.h"
#include "ui/search/searchdialogparts.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace varnik {

// The Find window: a tool window of the main window that lives as long as it.
// Its controls write straight into its FindDialogState; the searching is the
// controller's.
class MyFindDlg : public QDialog {
    Q_OBJECT
public:
    explicit MyFindDlg(QWidget* parent);

    FindDialogState& state() { return state_; }
    const FindDialogState& state() const { return state_; }
    // Puts the controls in line with the state after a command changed it.
    void showState();
    // Shows the window, or brings it up again as a fresh search when it is open.
    void present();

    QComboBox* whatField() const { return what_; }
    QPushButton* findNextButton() const { return findNext_; }

Q_SIGNALS:
    void findNextClicked();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void applyGrepBox();
    void focusField();

    FindDialogState state_;
    QComboBox* what_;
    OptionBoxes options_;
    RadioPair scope_;
    RadioPair direction_;
    RadioPair origin_;
    QCheckBox* grep_;
    QPushButton* findNext_;
    QPushButton* cancel_;
};

} // namespace varnik

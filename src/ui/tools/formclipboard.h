#pragma once

#include <QDialog>

class QToolButton;

namespace varnik {

class MultiClipboard;
class OneColumnList;

// "Multi-Clipboard": the texts Cut and Copy collected. Paste (the default
// button, or a double click on a row) puts the chosen text on the system
// clipboard and closes with OK; Escape closes without.
class FormClipboard : public QDialog {
    Q_OBJECT
public:
    FormClipboard(MultiClipboard& list, QWidget* parent = nullptr);

    // Rows from the list, the last one selected, the list focused (on showing).
    void fill();
    OneColumnList& list() const { return *view_; }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void paste();
    void deleteEntry();
    void clearAll();
    void rowChosen();

    MultiClipboard& entries_;
    QToolButton* paste_;
    QToolButton* delete_;
    QToolButton* clear_;
    OneColumnList* view_;
};

} // namespace varnik

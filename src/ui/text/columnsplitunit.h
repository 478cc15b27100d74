#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace varnik {

// The "Column split" window: which column and at which separator.
class ColumnSplitForm : public QDialog {
    Q_OBJECT
public:
    explicit ColumnSplitForm(QWidget* parent = nullptr);

    int column() const;
    QString separator() const;

private:
    QSpinBox* column_;
    QLineEdit* separator_;
};

// The date picker: a calendar with OK and Cancel; an invalid date on Cancel.
QDate pickDate(QWidget* parent);

} // namespace varnik

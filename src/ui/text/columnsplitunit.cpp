#include "ui/text/columnsplitunit.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnik {

ColumnSplitForm::ColumnSplitForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ColumnSplitForm"));
    setWindowTitle(QStringLiteral("Column split"));
    column_ = new QSpinBox(this);
    column_->setObjectName(QStringLiteral("column"));
    column_->setRange(0, 99);
    column_->setValue(0);
    separator_ = new QLineEdit(QStringLiteral(","), this);
    separator_->setObjectName(QStringLiteral("separator"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Column:"), column_);
    form->addRow(QStringLiteral("S&eparator:"), separator_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Split"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int ColumnSplitForm::column() const { return column_->value(); }

QString ColumnSplitForm::separator() const { return separator_->text(); }

QDate pickDate(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Date value"));
    auto* calendar = new QCalendarWidget(&dialog);
    calendar->setSelectedDate(QDate::currentDate());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? calendar->selectedDate() : QDate();
}

} // namespace varnik

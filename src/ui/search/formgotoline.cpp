#include "ui/search/formgotoline.h"

#include "core/app/messagesink.h"
#include "core/search/gotoline.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnik {

FormGoToLine::FormGoToLine(QWidget* parent, MessageSink& errors)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), errors_(errors)
{
    setObjectName(QStringLiteral("FormGoToLine"));
    setWindowTitle(QStringLiteral("Goto line"));

    auto* group = new QGroupBox(QStringLiteral("Go to line number"), this);
    field_ = new QComboBox(group);
    field_->setObjectName(QStringLiteral("LineNumber"));
    field_->setEditable(true);
    field_->setInsertPolicy(QComboBox::NoInsert);
    field_->setCompleter(nullptr);
    field_->setMinimumContentsLength(12);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(field_);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setEnabled(false);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    connect(field_, &QComboBox::editTextChanged, this, &FormGoToLine::fieldChanged);
    // Enter confirms from the field itself, even while OK is disabled.
    field_->lineEdit()->installEventFilter(this);
    field_->installEventFilter(this);
    field_->setFocus();
}

QString FormGoToLine::text() const
{
    return field_->currentText();
}

void FormGoToLine::fieldChanged(const QString& text)
{
    const GotoLineFieldState state = gotoLineFieldChanged(text);
    ok_->setEnabled(state.okEnabled);
    if (!state.error.isEmpty())
        errors_.errorBox(state.error);
}

void FormGoToLine::fieldLeft()
{
    const QString text = field_->currentText();
    const QStringList before = history_;
    gotoLineFieldLeft(history_, text);
    if (history_ == before)
        return;
    const bool blocked = field_->blockSignals(true);
    field_->clear();
    field_->addItems(history_);
    field_->setCurrentIndex(-1);
    field_->setEditText(text);
    field_->blockSignals(blocked);
}

bool FormGoToLine::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == field_->lineEdit() && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    if ((watched == field_ || watched == field_->lineEdit()) && e->type() == QEvent::FocusOut)
        fieldLeft();
    return QDialog::eventFilter(watched, e);
}

} // namespace varnik

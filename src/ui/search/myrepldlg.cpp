#include "ui/search/myrepldlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnik {

namespace {

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

MyReplDlg::MyReplDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MyReplDlg"));
    setWindowTitle(QStringLiteral("Find and replace"));
    setModal(true); // the document waits while the window is open

    auto* whatLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    what_ = makeHistoryCombo(this, QStringLiteral("FindWhat"));
    whatLabel->setBuddy(what_);
    auto* withLabel = new QLabel(QStringLiteral("Replace with:"), this);
    with_ = makeHistoryCombo(this, QStringLiteral("ReplaceWith"));
    withLabel->setBuddy(with_);
    connect(what_, &QComboBox::editTextChanged, this, [this](const QString& text) { state_.text = text; });
    connect(with_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { state_.replaceText = text; });

    options_ = makeOptionBoxes(this, state_.options);
    scope_ = makeRadioPair(this, QStringLiteral("Scope"), QStringLiteral("&Global"),
                           QStringLiteral("&Selection"), state_.options, SearchDialogOptions::SelectionScope);
    origin_ = makeRadioPair(this, QStringLiteral("Origin"), QStringLiteral("&Begin of text"),
                            QStringLiteral("&From cursor"), state_.options, SearchDialogOptions::FromCursor);
    if (auto* layout = qobject_cast<QVBoxLayout*>(origin_.group->layout())) {
        layout->removeWidget(origin_.sets);
        layout->insertWidget(0, origin_.sets);
    }

    QPushButton* findNext = makeButton(this, QStringLiteral("Find &next"), QStringLiteral("FindNext"));
    QPushButton* replace = makeButton(this, QStringLiteral("&Replace"), QStringLiteral("Replace"));
    QPushButton* replaceAll = makeButton(this, QStringLiteral("Replace &all"), QStringLiteral("ReplaceAll"));
    QPushButton* cancel = makeButton(this, QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &MyReplDlg::findNextClicked);
    connect(replace, &QPushButton::clicked, this, &MyReplDlg::replaceClicked);
    connect(replaceAll, &QPushButton::clicked, this, &MyReplDlg::replaceAllClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(whatLabel, 0, 0);
    fields->addWidget(what_, 0, 1);
    fields->addWidget(withLabel, 1, 0);
    fields->addWidget(with_, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(options_.group);
    groups->addWidget(scope_.group);
    groups->addWidget(origin_.group);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(groups);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {findNext, replace, replaceAll, cancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void MyReplDlg::showState()
{
    showHistory(what_, state_.history, state_.text);
    showHistory(with_, state_.replaceHistory, state_.replaceText);
    showBits(options_, state_.options);
    showBit(scope_, state_.options, SearchDialogOptions::SelectionScope);
    showBit(origin_, state_.options, SearchDialogOptions::FromCursor);
}

void MyReplDlg::present()
{
    show();
    raise();
    activateWindow();
    focusField();
}

void MyReplDlg::focusField()
{
    what_->setFocus();
    what_->lineEdit()->selectAll();
}

} // namespace varnik

#include "ui/search/myfinddlg.h"

#include "core/search/findcommands.h"

#include <QCheckBox>
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

MyFindDlg::MyFindDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MyFindDlg"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(true); // the document waits while the window is open

    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    what_ = makeHistoryCombo(this, QStringLiteral("FindWhat"));
    label->setBuddy(what_);
    connect(what_, &QComboBox::editTextChanged, this, [this](const QString& text) { state_.text = text; });

    options_ = makeOptionBoxes(this, state_.options);
    scope_ = makeRadioPair(this, QStringLiteral("Scope"), QStringLiteral("&Global"),
                           QStringLiteral("&Selection"), state_.options, SearchDialogOptions::SelectionScope);
    direction_ = makeRadioPair(this, QStringLiteral("Direction"), QStringLiteral("&Up"),
                               QStringLiteral("&Down"), state_.options, SearchDialogOptions::Down);
    // Searches always run forwards: the buttons only show it.
    direction_.sets->setChecked(true);
    origin_ = makeRadioPair(this, QStringLiteral("Origin"), QStringLiteral("&Begin of text"),
                            QStringLiteral("&From cursor"), state_.options, SearchDialogOptions::FromCursor);
    // "From cursor" above "Begin of text", as the window has always shown them.
    if (auto* layout = qobject_cast<QVBoxLayout*>(origin_.group->layout())) {
        layout->removeWidget(origin_.sets);
        layout->insertWidget(0, origin_.sets);
    }

    grep_ = new QCheckBox(QStringLiteral("Show all ocurrences (GREP-like)"), this);
    grep_->setObjectName(QStringLiteral("Grep"));
    connect(grep_, &QCheckBox::toggled, this, [this](bool on) {
        state_.grep = on;
        applyGrepBox();
    });

    findNext_ = new QPushButton(QStringLiteral("Find &next"), this);
    findNext_->setObjectName(QStringLiteral("FindNext"));
    findNext_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    connect(findNext_, &QPushButton::clicked, this, &MyFindDlg::findNextClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(options_.group, 0, 0);
    grid->addWidget(scope_.group, 0, 1);
    grid->addWidget(direction_.group, 1, 0);
    grid->addWidget(origin_.group, 1, 1);
    auto* fields = new QHBoxLayout;
    fields->addWidget(label);
    fields->addWidget(what_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(grid);
    left->addWidget(grep_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    applyGrepBox();
}

void MyFindDlg::showState()
{
    showHistory(what_, state_.history, state_.text);
    showBits(options_, state_.options);
    showBit(scope_, state_.options, SearchDialogOptions::SelectionScope);
    showBit(origin_, state_.options, SearchDialogOptions::FromCursor);
    grep_->setChecked(state_.grep);
    applyGrepBox();
}

void MyFindDlg::applyGrepBox()
{
    const FindDialogControls c = findDialogControls(state_.grep);
    options_.wholeWords->setEnabled(c.wholeWords);
    scope_.group->setEnabled(c.scope);
    origin_.group->setEnabled(c.origin);
    direction_.group->setEnabled(c.direction);
}

void MyFindDlg::present()
{
    if (isVisible()) {
        findDialogShown(state_);
        focusField();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void MyFindDlg::focusField()
{
    what_->setFocus();
    what_->lineEdit()->selectAll();
}

void MyFindDlg::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    findDialogShown(state_);
    focusField();
}

} // namespace varnik

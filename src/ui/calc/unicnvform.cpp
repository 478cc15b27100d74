#include "ui/calc/unicnvform.h"

#include "core/app/messagesink.h"
#include "core/calc/windowinsertion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace varnik {

namespace {

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* resultField(QWidget* parent, const char* name)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    return field;
}

// A caption above its control, the way the page lays out every field.
void addField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row + 1, column);
}

constexpr int kBasesFrom = 16 - 2, kBasesTo = 10 - 2;

} // namespace

UniCnvForm::UniCnvForm(MessageSink& messages, QChar decimalSeparator, const QString& initialInput,
                       QWidget* parent)
    : QDialog(parent), messages_(messages), separator_(decimalSeparator)
{
    setObjectName(QStringLiteral("UniCnvForm"));
    setWindowTitle(QStringLiteral("Universal converter"));
    pages_ = named(new QTabWidget(this), "pages");
    pages_->addTab(buildStandardPage(), QStringLiteral("Standard"));
    pages_->addTab(buildBitsPage(), QStringLiteral("Bits/bytes"));
    pages_->addTab(buildBasesPage(), QStringLiteral("Number systems"));

    memo_ = named(new QPlainTextEdit(this), "memo");
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setTabChangesFocus(false);
    memo_->setMinimumHeight(120);

    auto* close = named(new QPushButton(QStringLiteral("&Close"), this), "close");
    auto* useButton = named(new QPushButton(QStringLiteral("&Use"), this), "use");
    auto* copy = named(new QPushButton(QStringLiteral("Copy &below"), this), "copyBelow");
    auto* clear = named(new QPushButton(QStringLiteral("Clear"), this), "clear");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(useButton, &QPushButton::clicked, this, &UniCnvForm::use);
    connect(copy, &QPushButton::clicked, this, &UniCnvForm::copyBelow);
    connect(clear, &QPushButton::clicked, this, &UniCnvForm::clearMemo);
    copy->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(useButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(memo_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The selection is the input where it fits; then every page is computed once.
    const QString number = initialNumberInput(initialInput, separator_);
    input_->setText(number);
    bitsInput_->setText(number);
    if (!initialInput.isEmpty())
        basesInput_->setText(initialInput.toUpper());
    changeMode();
    changePrefix();
    computeBits();
    computeBases(false);
    input_->setFocus(); // the number is what one types first

    connect(mode_, &QComboBox::currentIndexChanged, this, &UniCnvForm::changeMode);
    connect(prefix_, &QComboBox::currentIndexChanged, this, &UniCnvForm::changePrefix);
    for (QComboBox* box : {from_, to_})
        connect(box, &QComboBox::currentIndexChanged, this, &UniCnvForm::computeStandard);
    connect(precision_, &QSpinBox::valueChanged, this, &UniCnvForm::computeStandard);
    connect(scientific_, &QCheckBox::toggled, this, &UniCnvForm::computeStandard);
    connect(input_, &QLineEdit::textChanged, this, &UniCnvForm::computeStandard);
    for (QComboBox* box : {bitsFrom_, bitsTo_})
        connect(box, &QComboBox::currentIndexChanged, this, &UniCnvForm::computeBits);
    connect(bitsInput_, &QLineEdit::textChanged, this, &UniCnvForm::computeBits);
    for (QComboBox* box : {basesFrom_, basesTo_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { computeBases(false); });
    connect(basesInput_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The field holds upper case only; the change to it computes once.
        if (text != text.toUpper()) {
            const int cursor = basesInput_->cursorPosition();
            basesInput_->setText(text.toUpper());
            basesInput_->setCursorPosition(cursor);
            return;
        }
        computeBases(true);
    });
}

QWidget* UniCnvForm::buildStandardPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    mode_ = named(new QComboBox(page), "mode");
    mode_->addItems(UniConvert::modeNames());
    precision_ = named(new QSpinBox(page), "precision");
    precision_->setRange(0, 18);
    precision_->setValue(3);
    from_ = named(new QComboBox(page), "from");
    to_ = named(new QComboBox(page), "to");
    input_ = named(new QLineEdit(QStringLiteral("0"), page), "input");
    prefix_ = named(new QComboBox(page), "prefix");
    for (const MetricPrefix& p : metricPrefixes())
        prefix_->addItem(QString::fromUtf16(p.text));
    prefix_->setCurrentIndex(kNoPrefix);
    prefixLabel_ = named(new QLabel(QStringLiteral("?"), page), "prefixLabel");
    result_ = resultField(page, "result");
    scientific_ = named(new QCheckBox(QStringLiteral("Scientific"), page), "scientific");

    addField(grid, 0, 0, QStringLiteral("Mode"), mode_);
    addField(grid, 0, 1, QStringLiteral("Precision"), precision_);
    addField(grid, 2, 0, QStringLiteral("From"), from_);
    addField(grid, 2, 1, QStringLiteral("To"), to_);
    addField(grid, 4, 0, QStringLiteral("Input"), input_);
    addField(grid, 4, 1, QStringLiteral("Unit"), prefix_);
    grid->addWidget(prefixLabel_, 6, 0, 1, 2);
    addField(grid, 7, 0, QStringLiteral("Result"), result_);
    grid->addWidget(scientific_, 8, 1);
    return page;
}

QWidget* UniCnvForm::buildBitsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    bitsFrom_ = named(new QComboBox(page), "bitsFrom");
    bitsTo_ = named(new QComboBox(page), "bitsTo");
    for (QComboBox* box : {bitsFrom_, bitsTo_}) {
        for (const char16_t* unit : bitUnits())
            box->addItem(QString::fromUtf16(unit));
    }
    bitsInput_ = named(new QLineEdit(QStringLiteral("0"), page), "bitsInput");
    bitsResult_ = resultField(page, "bitsResult");
    addField(grid, 0, 0, QStringLiteral("From"), bitsFrom_);
    addField(grid, 0, 1, QStringLiteral("To"), bitsTo_);
    addField(grid, 2, 0, QStringLiteral("Input"), bitsInput_);
    addField(grid, 2, 1, QStringLiteral("Result"), bitsResult_);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* UniCnvForm::buildBasesPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    basesFrom_ = named(new QComboBox(page), "basesFrom");
    basesTo_ = named(new QComboBox(page), "basesTo");
    for (QComboBox* box : {basesFrom_, basesTo_}) {
        for (int base = 2; base <= 36; ++base)
            box->addItem(baseEntry(base));
    }
    basesFrom_->setCurrentIndex(kBasesFrom);
    basesTo_->setCurrentIndex(kBasesTo);
    basesInput_ = named(new QLineEdit(QStringLiteral("0"), page), "basesInput");
    basesResult_ = resultField(page, "basesResult");
    addField(grid, 0, 0, QStringLiteral("From"), basesFrom_);
    addField(grid, 0, 1, QStringLiteral("To"), basesTo_);
    addField(grid, 2, 0, QStringLiteral("Input"), basesInput_);
    addField(grid, 2, 1, QStringLiteral("Result"), basesResult_);
    grid->addWidget(new QLabel(QStringLiteral("NOTE: for really big numbers conversion may be wrong!"), page),
                    4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

void UniCnvForm::report(const QString& message)
{
    if (!message.isEmpty())
        messages_.message(message, MessageKind::Error, Buttons::OK);
}

StandardPage UniCnvForm::standardPage() const
{
    StandardPage p;
    p.mode = mode_->currentIndex();
    p.from = from_->currentIndex();
    p.to = to_->currentIndex();
    p.prefix = prefix_->currentIndex();
    p.precision = precision_->value();
    p.scientific = scientific_->isChecked();
    p.input = input_->text();
    return p;
}

void UniCnvForm::changeMode()
{
    UniConvert units;
    units.setConvertMode(mode_->currentIndex());
    for (QComboBox* box : {from_, to_}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(units.unitNames());
        box->setCurrentIndex(0);
    }
    result_->setText(QStringLiteral("?"));
    computeStandard();
}

void UniCnvForm::changePrefix()
{
    prefixLabel_->setText(prefixLabel(prefix_->currentIndex(), separator_));
    computeStandard();
}

void UniCnvForm::computeStandard()
{
    const PageResult r = varnik::computeStandard(standardPage(), separator_);
    result_->setText(r.result);
    report(r.error);
}

void UniCnvForm::computeBits()
{
    const PageResult r = varnik::computeBits(bitsFrom_->currentIndex(), bitsTo_->currentIndex(),
                                             bitsInput_->text(), separator_);
    bitsResult_->setText(r.result);
    report(r.error);
}

void UniCnvForm::computeBases(bool inputEdited)
{
    const PageResult r = varnik::computeBases(basesFrom_->currentIndex() + 2, basesTo_->currentIndex() + 2,
                                              basesInput_->text(), inputEdited);
    basesResult_->setText(r.result);
    report(r.error);
}

QString UniCnvForm::descriptionLine() const
{
    switch (pages_->currentIndex()) {
    case StandardTab:
        return standardDescription(standardPage(), result_->text(), separator_);
    case BitsTab:
        return bitsDescription(bitsFrom_->currentIndex(), bitsTo_->currentIndex(), bitsInput_->text(),
                               bitsResult_->text());
    case BasesTab:
        return basesDescription(basesFrom_->currentIndex() + 2, basesTo_->currentIndex() + 2,
                                basesInput_->text(), basesResult_->text());
    }
    return {};
}

QString UniCnvForm::memoText() const
{
    return memo_->toPlainText();
}

void UniCnvForm::copyBelow()
{
    memo_->moveCursor(QTextCursor::End);
    memo_->insertPlainText(descriptionLine() + u'\n');
}

void UniCnvForm::use()
{
    if (memo_->toPlainText().isEmpty())
        copyBelow();
    accept();
}

void UniCnvForm::clearMemo()
{
    memo_->clear();
}

} // namespace varnik

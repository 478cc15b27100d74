#include "ui/calc/formlistgen.h"

#include "core/app/messagesink.h"
#include "ui/app/busycursor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace varnik {

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

QSpinBox* rangeBox(QWidget* parent, const char* name)
{
    return spinBox(parent, name, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 0);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Entries per step between progress reports.
constexpr qint64 kEntriesPerStep = 20000;
constexpr int kProgressSteps = 1000;

} // namespace

FormListGen::FormListGen(MessageSink& messages, const QString& pattern,
                         const std::array<char16_t, 256>& charset, QWidget* parent)
    : QDialog(parent), messages_(messages), charset_(charset)
{
    setObjectName(QStringLiteral("FormListGen"));
    setWindowTitle(QStringLiteral("Advanced list generator"));
    pattern_ = new QLineEdit(pattern.isEmpty() ? ListGenOptions().pattern : pattern, this);
    pattern_->setObjectName(QStringLiteral("EditPattern"));
    first1_ = rangeBox(this, "RxSpinEditp1s");
    last1_ = rangeBox(this, "RxSpinEditp1e");
    first2_ = rangeBox(this, "RxSpinEditp2s");
    last2_ = rangeBox(this, "RxSpinEditp2e");
    step1_ = spinBox(this, "RxSpinEditR1", 1, 9999, 1);
    step2_ = spinBox(this, "RxSpinEditR2", 1, 9999, 1);
    width1_ = spinBox(this, "RxSpinEditLZ1", 0, 99, 0);
    width2_ = spinBox(this, "RxSpinEditLZ2", 0, 99, 0);
    marker_ = new QLineEdit(QStringLiteral("%"), this);
    marker_->setObjectName(QStringLiteral("EditChar"));
    marker_->setMaxLength(1);
    marker_->setMaximumWidth(marker_->fontMetrics().horizontalAdvance(QStringLiteral("WWW")));
    hex_ = checkBox(this, "CBhex", QStringLiteral("Hex"));
    ascii_ = checkBox(this, "CBascii", QStringLiteral("ASCII"));
    wrap_ = checkBox(this, "CBWrap", QStringLiteral("Wrap"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("MemoList"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("LabelTotal"));
    generate_ = new QPushButton(QStringLiteral("&Generate"), this);
    generate_->setObjectName(QStringLiteral("generate"));
    use_ = new QPushButton(QStringLiteral("&Use"), this);
    use_->setObjectName(QStringLiteral("use"));
    use_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("close"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Pattern"), this), 0, 0);
    grid->addWidget(pattern_, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("range"), this), 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("step"), this), 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("leading zeros or no. of chars"), this), 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("%1 replace with:"), this), 2, 0);
    grid->addWidget(first1_, 2, 1);
    grid->addWidget(last1_, 2, 2);
    grid->addWidget(step1_, 2, 3);
    grid->addWidget(width1_, 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("%2 replace with:"), this), 3, 0);
    grid->addWidget(first2_, 3, 1);
    grid->addWidget(last2_, 3, 2);
    grid->addWidget(step2_, 3, 3);
    grid->addWidget(width2_, 3, 4);
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("Spec. char"), this));
    options->addWidget(marker_);
    options->addWidget(hex_);
    options->addWidget(ascii_);
    options->addWidget(wrap_);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(total_);
    buttons->addStretch();
    buttons->addWidget(generate_);
    buttons->addWidget(use_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(options);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    resize(620, 440);

    for (QSpinBox* box : {first1_, last1_, first2_, last2_, step1_, step2_})
        connect(box, &QSpinBox::valueChanged, this, &FormListGen::updateCount);
    connect(hex_, &QCheckBox::toggled, this, &FormListGen::switchHex);
    connect(generate_, &QPushButton::clicked, this, &FormListGen::generate);
    connect(use_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    updateCount();
    pattern_->setFocus();
}

ListGenOptions FormListGen::options() const
{
    ListGenOptions o;
    o.pattern = pattern_->text();
    o.first1 = first1_->value();
    o.last1 = last1_->value();
    o.step1 = step1_->value();
    o.width1 = width1_->value();
    o.first2 = first2_->value();
    o.last2 = last2_->value();
    o.step2 = step2_->value();
    o.width2 = width2_->value();
    o.marker = marker_->text().isEmpty() ? QChar(u'%') : marker_->text().front();
    o.hex = hex_->isChecked();
    o.ascii = ascii_->isChecked();
    o.wrap = wrap_->isChecked();
    o.charset = charset_;
    o.hasCharset = true;
    return o;
}

void FormListGen::updateCount()
{
    total_->setText(countLabel(options()));
}

void FormListGen::switchHex(bool hex)
{
    for (QSpinBox* box : {first1_, last1_, first2_, last2_})
        box->setDisplayIntegerBase(hex ? 16 : 10);
}

void FormListGen::generate()
{
    list_.clear();
    memo_->clear();
    use_->setEnabled(false);
    cancelled_ = false;
    ListGenerator generator(options());
    // A list longer than one step shows its progress at once; the progress
    // window keeps this one from being used meanwhile.
    QProgressDialog progress(QStringLiteral("Generating the list..."), QStringLiteral("Cancel"), 0,
                             kProgressSteps, this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.reset(); // no showing by itself
    connect(&progress, &QProgressDialog::canceled, this, &FormListGen::cancelGeneration);
    bool tooLong = false;
    {
        BusyCursor busy;
        while (!cancelled_ && generator.generate(list_, kEntriesPerStep)) {
            if (list_.size() > kMaxListChars) {
                tooLong = true;
                break;
            }
            // The window's limit may come long before the last entry.
            const double share = std::max(generator.progress(), static_cast<double>(list_.size()) /
                                                                    static_cast<double>(kMaxListChars));
            progress.show();
            progress.setValue(static_cast<int>(share * kProgressSteps));
            emit progressed(share);
            QCoreApplication::processEvents();
        }
    }
    progress.reset();
    if (tooLong)
        messages_.message(
            QStringLiteral("The list is too long for this window. The headless mode writes lists of "
                           "any length: varnik --apply Advancedlistgenerator1"),
            MessageKind::Warning, Buttons::OK);
    finishGeneration(generator.done() && !cancelled_ && !tooLong);
}

void FormListGen::finishGeneration(bool complete)
{
    if (!complete || list_.isEmpty()) {
        list_.clear();
        return;
    }
    // A finished list ends with an empty line.
    list_ += QStringLiteral("\r\n");
    QString shown = list_;
    memo_->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    use_->setEnabled(true);
}

} // namespace varnik

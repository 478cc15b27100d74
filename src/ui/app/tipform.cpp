#include "ui/app/tipform.h"

#include "core/app/messagesink.h"
#include "core/app/settings.h"
#include "core/app/tips.h"
#include "ui/platform/systeminfo.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QVBoxLayout>

namespace varnik {

TipForm::TipForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TipForm"));
    setWindowTitle(QStringLiteral("Did you know..."));

    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TipPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::ToolTipBase);
    panel->setForegroundRole(QPalette::ToolTipText);
    panel->setAutoFillBackground(true);
    auto* icon = new QLabel(panel);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    tip_ = new QLabel(panel);
    tip_->setObjectName(QStringLiteral("TipText"));
    // A tip is shown as written, never as markup.
    tip_->setTextFormat(Qt::PlainText);
    tip_->setWordWrap(true);
    tip_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    tip_->setMinimumSize(320, 110);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(icon);
    panelLayout->addWidget(tip_, 1);

    dontShow_ = new QCheckBox(QStringLiteral("&Don't show tips at startup"), this);
    next_ = new QPushButton(QStringLiteral("&Next tip >"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setDefault(true);
    connect(next_, &QPushButton::clicked, this, &TipForm::nextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShow_);
    bottom->addStretch(1);
    bottom->addWidget(next_);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(panel, 1);
    layout->addLayout(bottom);
    setTips({});
}

void TipForm::setTips(QStringList tips)
{
    tips_ = std::move(tips);
    if (tips_.isEmpty())
        tips_ << kNoTips.toString();
    next_->setEnabled(tips_.size() >= 2);
    nextTip();
}

QString TipForm::tipText() const
{
    return tip_->text();
}

void TipForm::nextTip()
{
    // The same tip may come again, as when drawing from a hat with replacement.
    const auto index = QRandomGenerator::global()->bounded(static_cast<int>(tips_.size()));
    tip_->setText(tips_[index]);
}

bool TipForm::dontShowAtStartup() const
{
    return dontShow_->isChecked();
}

void TipForm::setDontShowAtStartup(bool dontShow)
{
    dontShow_->setChecked(dontShow);
}

void TipForm::centreOver(const QWidget& window)
{
    adjustSize();
    const QRect outer = window.frameGeometry();
    const QSize own = frameGeometry().size();
    move(outer.left() + (outer.width() - own.width()) / 2, outer.top() + (outer.height() - own.height()) / 2);
}

TipForm* showTips(QWidget& window, Settings& settings, MessageSink& messages, bool fromMenu)
{
    const QString path = dataFilePath(kTipsFileName.toString());
    QString error = QStringLiteral("No such file");
    const auto tips = path.isEmpty() ? std::nullopt : readTipsFile(path, &error);
    if (!tips) {
        messages.message(QStringLiteral("Cannot open file \"%1\". %2").arg(kTipsFileName, error),
                         MessageKind::Error, Buttons::OK);
        return nullptr;
    }
    auto* form = new TipForm(&window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setTips(*tips);
    if (fromMenu)
        form->setDontShowAtStartup(!settings.showTipsAtStartup);
    form->centreOver(window);
    QObject::connect(form, &QDialog::finished, &window,
                     [form, &settings] { settings.showTipsAtStartup = !form->dontShowAtStartup(); });
    form->open();
    return form;
}

} // namespace varnik

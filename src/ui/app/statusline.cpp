#include "ui/app/statusline.h"

#include "core/app/statuspanels.h"
#include "core/app/textedit.h"
#include "ui/platform/keyboardstate.h"

#include <QLabel>
#include <QStatusBar>

namespace varnik {

namespace {

void setIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

StatusLine::StatusLine(QStatusBar* bar)
{
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("panel%1").arg(i));
        label->setMinimumWidth(i == 6 ? 100 : (i == 0 ? 80 : 60));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        panels_[static_cast<size_t>(i)] = label;
        // Panel 7, the encoding, stands at the right end.
        if (i == 7)
            bar->addPermanentWidget(label);
        else
            bar->addWidget(label, i == 6 ? 1 : 0);
    }
    bar->setSizeGripEnabled(true);
}

void StatusLine::setHint(const QString& text)
{
    panels_[6]->setText(text);
}

void StatusLine::showHintNow(const QString& text)
{
    setHint(text);
    panels_[6]->repaint();
}

void StatusLine::follow(const TextEdit& text, bool modified, bool overwrite, const QString& encoding)
{
    const LockKeys locks = readLockKeys();
    StatusInputs in;
    in.selectionLength = text.selectionLength();
    const qsizetype caret = text.caretPosition();
    in.caretLine = text.lineFromPosition(caret);
    in.caretColumn = caret - text.lineStart(in.caretLine);
    in.modified = modified;
    in.overwrite = overwrite;
    in.capsLock = locks.capsLock;
    in.numLock = locks.numLock;
    in.lineCount = text.lineCount();
    const auto texts = statusPanelTexts(in);
    for (size_t i = 0; i < texts.size(); ++i)
        setIfChanged(panels_[i], texts[i]);
    setIfChanged(panels_[7], encoding);
}

} // namespace varnik

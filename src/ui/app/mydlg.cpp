#include "ui/app/mydlg.h"

#include "core/app/error.h"
#include "core/app/messagedialoglayout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace varnik {

namespace {

QStyle::StandardPixmap iconFor(int kind)
{
    switch (kind) {
    case 0: return QStyle::SP_MessageBoxWarning;
    case 1: return QStyle::SP_MessageBoxCritical;
    case 2: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_MessageBoxQuestion;
    }
}

} // namespace

MyDlg::MyDlg(const QString& text, int kind, int buttons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      result_(kMessageCloseResult)
{
    setObjectName(QStringLiteral("MyDlg"));
    setWindowTitle(messageDialogCaption(kind));
    setFixedSize(kMessageDialogWidth, kMessageDialogHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(8, 8, 329, 97);

    if (kind >= 0 && kind <= 3) {
        auto* icon = new QLabel(frame);
        icon->setObjectName(QStringLiteral("icon"));
        icon->setGeometry(8, 24, 38, 38);
        icon->setPixmap(style()->standardIcon(iconFor(kind)).pixmap(32, 32));
        icon->setAlignment(Qt::AlignCenter);
    }
    auto* message = new QLabel(text, frame);
    message->setObjectName(QStringLiteral("message"));
    message->setGeometry(56, 8, 265, 81);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    message->setTextFormat(Qt::PlainText);

    bool first = true;
    for (const MessageButton& b : messageDialogButtons(buttons, kMessageDialogWidth)) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(b.caption.mid(1));
        button->setGeometry(b.x, 114, kMessageButtonWidth, kMessageButtonHeight);
        const int result = b.result;
        connect(button, &QPushButton::clicked, this, [this, result] {
            result_ = result;
            accept();
        });
        if (first) {
            button->setDefault(true);
            button->setFocus();
            first = false;
        }
    }
}

int MyDlg::run()
{
    result_ = kMessageCloseResult;
    exec();
    return result_;
}

int myMessageDlg(const QString& text, int kind, int buttons, QWidget* parent)
{
    MyDlg dlg(text, kind, buttons, parent);
    return dlg.run();
}

int DialogMessageSink::message(const QString& text, MessageKind kind, int buttons)
{
    return myMessageDlg(text, static_cast<int>(kind), buttons, parent_);
}

void DialogMessageSink::errorBox(const QString& text)
{
    QMessageBox::critical(parent_, QApplication::applicationName(), errorBoxText(text));
}

} // namespace varnik

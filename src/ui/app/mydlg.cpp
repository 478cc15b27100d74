#include "ui/app/mydlg.h"

#include "core/app/error.h"
#include "core/app/messagedialoglayout.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

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

    auto* message = new QLabel(text);
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    message->setTextFormat(Qt::PlainText);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The box grows with the text as far as the screen goes, then scrolls:
    // no message is ever cut off.
    int widest = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        widest = std::max(widest, message->fontMetrics().horizontalAdvance(line) + 4);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : QSize(kMessageDialogWidth, kMessageDialogHeight);
    const MessageDialogGeometry g = messageDialogGeometry(
        widest, [message](int w) { return message->heightForWidth(w); }, room);
    setFixedSize(g.size);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(g.frame);

    if (kind >= 0 && kind <= 3) {
        auto* icon = new QLabel(frame);
        icon->setObjectName(QStringLiteral("icon"));
        icon->setGeometry(8, 24, 38, 38);
        icon->setPixmap(style()->standardIcon(iconFor(kind)).pixmap(32, 32));
        icon->setAlignment(Qt::AlignCenter);
    }
    auto* area = new QScrollArea(frame);
    area->setObjectName(QStringLiteral("messageArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setGeometry(g.textBox);
    const int labelWidth =
        g.textBox.width() - (g.scrolls ? area->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    message->resize(labelWidth, std::max(g.textBox.height(), message->heightForWidth(labelWidth)));
    area->setWidget(message);

    bool first = true;
    for (const MessageButton& b : messageDialogButtons(buttons, g.size.width())) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(b.caption.mid(1));
        button->setGeometry(b.x, g.buttonsY, kMessageButtonWidth, kMessageButtonHeight);
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

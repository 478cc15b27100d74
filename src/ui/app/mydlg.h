#pragma once

#include "core/app/messagesink.h"

#include <QDialog>

class QLabel;

namespace varnik {

// The program's own modal question and notice box.
class MyDlg : public QDialog {
    Q_OBJECT
public:
    MyDlg(const QString& text, int kind, int buttons, QWidget* parent = nullptr);
    // Runs modally; closing by the frame gives the cancel result.
    int run();

private:
    int result_;
};

// Shows the message dialog and returns the pressed button's result.
int myMessageDlg(const QString& text, int kind, int buttons, QWidget* parent = nullptr);

// MessageSink for the window: questions through MyDlg, uncaught errors in the
// application's error box.
class DialogMessageSink : public MessageSink {
public:
    explicit DialogMessageSink(QWidget* parent) : parent_(parent) {}
    int message(const QString& text, MessageKind kind, int buttons) override;
    void errorBox(const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace varnik

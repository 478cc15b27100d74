#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace varnik {

class MessageSink;
struct Settings;

// "Did you know...": one tip at a time, picked at random, with the box that turns the start-up tips off.
class TipForm : public QDialog {
    Q_OBJECT
public:
    explicit TipForm(QWidget* parent = nullptr);

    // Shows these tips ("No tips available !" when there are none) and picks one.
    void setTips(QStringList tips);
    const QStringList& tips() const { return tips_; }
    QString tipText() const;
    void nextTip();

    bool dontShowAtStartup() const;
    void setDontShowAtStartup(bool dontShow);

    // Over the middle of `window` (halves rounded toward zero).
    void centreOver(const QWidget& window);

private:
    QStringList tips_;
    QLabel* tip_ = nullptr;
    QCheckBox* dontShow_ = nullptr;
    QPushButton* next_ = nullptr;
};

// Opens the tips window over `window` without waiting for it; when it closes, ShowTipsAtStartup follows
// its box. From the menu the box starts as the setting says. A tips file that cannot be read is
// reported instead. Returns the window, or nullptr when it was not shown.
TipForm* showTips(QWidget& window, Settings& settings, MessageSink& messages, bool fromMenu);

} // namespace varnik

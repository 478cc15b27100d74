#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace varnik {

class MessageSink;

// The "Goto line" window, made for one use and shown modally. It only checks
// its field; the caller moves the caret with the confirmed text.
class FormGoToLine : public QDialog {
    Q_OBJECT
public:
    // `errors` shows what the field's integer conversion raises.
    FormGoToLine(QWidget* parent, MessageSink& errors);

    QString text() const;
    QComboBox* field() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    const QStringList& history() const { return history_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void fieldChanged(const QString& text);
    void fieldLeft();

    MessageSink& errors_;
    QComboBox* field_;
    QPushButton* ok_;
    QStringList history_;
};

} // namespace varnik

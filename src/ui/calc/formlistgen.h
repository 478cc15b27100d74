#pragma once

#include "core/calc/listgenerator.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace varnik {

class MessageSink;

// The "Advanced list generator" window: a pattern expanded over two number
// ranges into a list shown below, inserted into the document with "Use".
class FormListGen : public QDialog {
    Q_OBJECT
public:
    // The most text the window holds: longer lists belong to the headless mode,
    // which streams them.
    static constexpr qsizetype kMaxListChars = qsizetype(1) << 26;

    // `pattern` replaces the default pattern when not empty; `charset` gives
    // the characters of "ASCII".
    FormListGen(MessageSink& messages, const QString& pattern, const std::array<char16_t, 256>& charset,
                QWidget* parent = nullptr);

    ListGenOptions options() const;
    // The text "Use" inserts: the list with an empty line after it.
    const QString& listText() const { return list_; }

    void generate();
    // Stops a running generation; its partial list is dropped.
    void cancelGeneration() { cancelled_ = true; }

signals:
    // A generation has produced this share of its entries (0 to 1).
    void progressed(double share);

private:
    void updateCount();
    void switchHex(bool hex);
    void finishGeneration(bool complete);

    MessageSink& messages_;
    std::array<char16_t, 256> charset_;
    QString list_;
    bool cancelled_ = false;

    QLineEdit* pattern_;
    QSpinBox* first1_;
    QSpinBox* last1_;
    QSpinBox* first2_;
    QSpinBox* last2_;
    QSpinBox* step1_;
    QSpinBox* step2_;
    QSpinBox* width1_;
    QSpinBox* width2_;
    QLineEdit* marker_;
    QCheckBox* hex_;
    QCheckBox* ascii_;
    QCheckBox* wrap_;
    QPlainTextEdit* memo_;
    QLabel* total_;
    QPushButton* generate_;
    QPushButton* use_;
};

} // namespace varnik

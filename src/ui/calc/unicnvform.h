#pragma once

#include "core/calc/converterpages.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

namespace varnik {

class MessageSink;

// The "Universal converter" window: units, bit/byte multiples and number
// systems, each conversion described by a line the user collects in the memo.
class UniCnvForm : public QDialog {
    Q_OBJECT
public:
    enum Page { StandardTab = 0, BitsTab = 1, BasesTab = 2 };

    // `initialInput` is the selection's trimmed text (may be empty).
    UniCnvForm(MessageSink& messages, QChar decimalSeparator, const QString& initialInput,
               QWidget* parent = nullptr);

    // The text "Use" inserts into the document.
    QString memoText() const;
    // The line "Copy below" adds for the page shown.
    QString descriptionLine() const;

    void copyBelow();
    void use();
    void clearMemo();

private:
    QWidget* buildStandardPage();
    QWidget* buildBitsPage();
    QWidget* buildBasesPage();
    void changeMode();
    void changePrefix();
    void computeStandard();
    void computeBits();
    void computeBases(bool inputEdited);
    StandardPage standardPage() const;
    void report(const QString& message);

    MessageSink& messages_;
    QChar separator_;

    QTabWidget* pages_;
    QPlainTextEdit* memo_;

    QComboBox* mode_;
    QSpinBox* precision_;
    QComboBox* from_;
    QComboBox* to_;
    QLineEdit* input_;
    QComboBox* prefix_;
    QLabel* prefixLabel_;
    QLineEdit* result_;
    QCheckBox* scientific_;

    QComboBox* bitsFrom_;
    QComboBox* bitsTo_;
    QLineEdit* bitsInput_;
    QLineEdit* bitsResult_;

    QComboBox* basesFrom_;
    QComboBox* basesTo_;
    QLineEdit* basesInput_;
    QLineEdit* basesResult_;
};

} // namespace varnik

#pragma once

#include "core/search/searchdialogoptions.h"

#include <QString>
#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace varnik {

// Pieces the Find and the Find-and-replace windows share.

// An editable drop-down of earlier texts; typing never adds to the list by itself.
QComboBox* makeHistoryCombo(QWidget* parent, const QString& objectName);
// Shows `history` as the list and `text` in the field.
void showHistory(QComboBox* combo, const QStringList& history, const QString& text);

// A group of two exclusive radio buttons: the first clears `bit`, the second sets it.
struct RadioPair {
    QGroupBox* group = nullptr;
    QRadioButton* clears = nullptr;
    QRadioButton* sets = nullptr;
};
RadioPair makeRadioPair(QWidget* parent, const QString& title, const QString& clearsCaption,
                        const QString& setsCaption, SearchDialogOptions& options,
                        SearchDialogOptions::Bit bit);
// The "Options" group: match case and whole words.
struct OptionBoxes {
    QGroupBox* group = nullptr;
    QCheckBox* matchCase = nullptr;
    QCheckBox* wholeWords = nullptr;
};
OptionBoxes makeOptionBoxes(QWidget* parent, SearchDialogOptions& options);

// Puts the controls in line with the options byte (a command may have changed it).
void showBit(const RadioPair& pair, SearchDialogOptions options, SearchDialogOptions::Bit bit);
void showBits(const OptionBoxes& boxes, SearchDialogOptions options);

} // namespace varnik

#pragma once

#include <QString>

namespace varnik {

class TextEdit;

// What "Use" of the converter and list generator windows does with their
// text: the selection collapses to its start and the text goes in there, as
// one undo step; the caret ends after it.
void insertAtSelectionStart(TextEdit& edit, const QString& text);

// The converter's initial number from the selection's trimmed text: the
// text when it reads as a number, else the field's default "0".
QString initialNumberInput(const QString& selection, QChar decimalSeparator);

} // namespace varnik

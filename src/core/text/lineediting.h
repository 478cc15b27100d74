#pragma once

#include "core/app/textedit.h"

#include <QString>

namespace varnik {

// Editing commands that act at the caret.

// The selection, or the character after the caret, deleted.
void deleteAtCaret(TextEdit& edit);
// Selects the word around the caret (selection start). With the caret on a
// character that is not part of a word, that one character is selected.
void selectWordAtCursor(TextEdit& edit);
// Selects the word around the caret and deletes it.
void deleteWord(TextEdit& edit);
// Deletes the white space (line breaks included) from the caret to the next word.
void deleteToWord(TextEdit& edit);
// Deletes the caret's line with its line break.
void deleteLine(TextEdit& edit);
// Deletes the text of the caret's line, keeping the line.
void clearLine(TextEdit& edit);
// With exactly one bracket selected ("(", ")", "[", "]", "{", "}"), extends the
// selection to its partner, counting only brackets of the same kind. Nothing
// changes when there is no partner.
void selectToBracket(TextEdit& edit);

// The text "Split column..." works on: the selection, or the whole document
// when nothing is selected.
QString splitColumnSource(const TextEdit& edit);

} // namespace varnik

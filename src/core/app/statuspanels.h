#pragma once

#include <QString>
#include <array>

namespace varnik {

// What the status tick reads from the active document and the keyboard.
struct StatusInputs {
    qsizetype selectionLength = 0;
    qsizetype caretLine = 0;   // from 0
    qsizetype caretColumn = 0; // from 0
    bool modified = false;
    bool overwrite = false;
    bool capsLock = false;
    bool numLock = false;
    qsizetype lineCount = 1;
};

// Texts of status panels 0 to 5 (panel 6 holds hints and progress messages).
std::array<QString, 6> statusPanelTexts(const StatusInputs& in);

} // namespace varnik

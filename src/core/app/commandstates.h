#pragma once

#include <QStringView>

namespace varnik {

// What the enabled state of the commands depends on, read on every status tick.
struct CommandStateInputs {
    bool multiDoc = false;
    bool dfltONT = false;
    int tabCount = 1;
    bool documentEmpty = true;
    bool hasSelection = false;
    bool hasFileName = false;
    bool canUndo = false;
    bool canRedo = false;
    bool multiClip = false;
    bool multiClipboardEmpty = true;
    bool clipboardHasText = false;
    bool canPaste = false;
};

// Whether a command is enabled in that state. Commands the rules do not name
// are always enabled (whether they are built at all is the window's business).
bool isCommandEnabled(QStringView id, const CommandStateInputs& in);

} // namespace varnik

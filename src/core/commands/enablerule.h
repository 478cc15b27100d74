#pragma once

#include <QString>

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

// When a command is enabled (besides having an implementation at all).
enum class EnableRule {
    Always,
    MultiTwoTabs,    // multi-document mode and more than one tab
    Multi,           // multi-document mode
    MultiNotDfltONT, // multi-document mode and new files not opened in new tabs by default
    HasText,         // the document has at least one line
    HasSelection,    // a non-empty selection
    HasFileName,
    CanUndo,
    CanRedo,
    MultiClipboard, // multi-clipboard on and not empty
    ClipboardLines, // clipboard text, a selection, and the edit can paste
    CanPaste,
};

bool isEnabled(EnableRule rule, const CommandStateInputs& in);
// Why the rule keeps a command disabled now, for the status bar; empty when enabled.
QString disabledReason(EnableRule rule, const CommandStateInputs& in);

} // namespace varnik

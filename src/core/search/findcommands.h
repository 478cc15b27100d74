#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/search/grepresult.h"
#include "core/search/searchdialogs.h"
#include "core/search/searchstate.h"

namespace varnik {

// What the window does after a Find command.
enum class FindOutcome {
    Found,          // the match is selected: give the edit the focus
    NotFound,       // the not-found message was shown
    Grepped,        // the grep result list was refilled: show it
    ShowFindDialog, // nothing to search for: show the Find window
};

// Find1 (Ctrl+F), before the window is shown: fills the search field from the
// selected text, or else from the document's last search text.
void openFindDialog(const TextEdit& edit, const DocumentSearch& doc, FindDialogState& dialog);

// Whenever the Find window is shown: the next search sets up its range anew.
void findDialogShown(FindDialogState& dialog);

// "Find &next" of the Find window (the window closes afterwards). Remembers the
// text in the history, then greps or searches as the grep box says.
FindOutcome findDialogFindNext(TextEdit& edit, DocumentSearch& doc, FindDialogState& dialog, GrepResult& grep,
                               bool grepLineNumbers, MessageSink& messages);

// Findnext1 (F3): continues the search (or greps again); with an empty search
// field the Find window is to be shown instead.
FindOutcome findNext(TextEdit& edit, DocumentSearch& doc, FindDialogState& dialog, GrepResult& grep,
                     bool grepLineNumbers, MessageSink& messages);

// Closing the Find window: its text becomes the document's last search text.
void findDialogClosed(DocumentSearch& doc, const FindDialogState& dialog);

// One search of the Find window's text; "Searched string not found." when
// there is no match.
bool findText(TextEdit& edit, SearchState& state, const FindDialogState& dialog, MessageSink& messages);

} // namespace varnik

#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/search/searchdialogs.h"
#include "core/search/searchstate.h"

namespace varnik {

// Replace1 (Ctrl+R), before the window is shown: a new search, the scope from
// the selection (one line: global, several: selection) and the search field
// filled from a one-line selection or else from the last search text.
void openReplaceDialog(const TextEdit& edit, const DocumentSearch& doc, ReplaceDialogState& dialog);

// "Find &next" of the replace window: selects the next occurrence, no message.
bool replaceDialogFindNext(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog);

// "&Replace". With nothing selected it only selects the next occurrence. With
// the occurrence the last search found still selected, that one is replaced;
// otherwise the next occurrence is searched for and replaced. Returns how many
// were replaced (0 or 1); "Searched string not found." when there was none.
int replaceDialogReplace(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog,
                         MessageSink& messages);

// "Replace &all". With nothing selected it only selects the next occurrence;
// otherwise, after "Replace all occurences?" is answered Yes, replaces every
// occurrence left in the range as one undo step and reports the count.
qsizetype replaceDialogReplaceAll(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog,
                                  MessageSink& messages);

// Closing the replace window: its text becomes the document's last search text.
void replaceDialogClosed(DocumentSearch& doc, const ReplaceDialogState& dialog);

// The replacing loop of "Replace &all" (after the question): search, replace,
// until the search fails. Computes the new text of the whole affected stretch
// and hands it to the edit once.
qsizetype replaceAllOccurrences(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog);

// The same loop done one occurrence at a time through the edit. Slow on big
// texts; the result is the same.
qsizetype replaceAllOneByOne(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog);

} // namespace varnik

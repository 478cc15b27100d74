#pragma once

#include "core/app/textedit.h"
#include "core/search/searchdialogoptions.h"
#include "core/search/searchstate.h"

namespace varnik {

// The messages of searching and replacing.
inline QString notFoundMessage()
{
    return QStringLiteral("Searched string not found.");
}
inline QString replaceAllQuestion()
{
    return QStringLiteral("Replace all occurences?");
}
inline QString replacedMessage(qsizetype count)
{
    return QStringLiteral("Replaced %1 occurences of text.").arg(count);
}

// Which window searches: the two differ in small ways (see searchStep).
enum class SearchKind { Find, Replace };

// Positions a text takes in an edit, where a line break counts once.
qsizetype editLength(const QString& text);

// One forward search of `what` for a window.
//
// A new search sets up the range: it starts at 0 for the global scope searched
// from the beginning, else at the selection start; it ends with the selection for the selection scope, else
// with the text. The replace window then collapses a selection scope's selection. A continued search in the
// global scope starts after the selection (the caret); in the selection scope it goes on where the last match
// ended. The Find window's global range then reaches the current end of the text; the replace window's end
// stays where it was set up, even as replacements make the text longer. In a document not searched before, a
// continued search takes the whole text from the caret on, or sets up the selection range.
//
// Found: the match is selected and the search goes on after it next time.
// Returns its position, or -1 when there is none (the next search then starts
// over at the range's start).
qsizetype searchStep(TextEdit& edit, SearchState& state, const QString& what, SearchDialogOptions options,
                     bool newSearch, SearchKind kind);

} // namespace varnik

#pragma once

#include "core/app/textedit.h"
#include "core/search/searchdialogoptions.h"

#include <QString>

namespace varnik {

// Where a search of one window stands in one document. Kept in the document
// record, so every tab remembers its own range.
struct SearchState {
    // Bits of `options`.
    enum : quint8 { WholeWord = 1, MatchCase = 2 };

    qsizetype start = 0;
    qsizetype position = 0;
    qsizetype end = 0; // inclusive; fixed by the search that set up the range
    quint8 options = 0;
    // False until a search has set up the range in this document; a continued
    // search on an unset range sets it up first.
    bool primed = false;

    static constexpr quint8 encodeOptions(bool matchCase, bool wholeWord)
    {
        return quint8((wholeWord ? WholeWord : 0) | (matchCase ? MatchCase : 0));
    }
    static constexpr quint8 encodeOptions(SearchDialogOptions dialog)
    {
        return encodeOptions(dialog.matchCase(), dialog.wholeWords());
    }
    TextEdit::FindOptions findOptions() const
    {
        return {(options & MatchCase) != 0, (options & WholeWord) != 0};
    }

    friend bool operator==(const SearchState&, const SearchState&) = default;
};

// The search part of a document record: one state per window and the text
// last searched for in this document.
struct DocumentSearch {
    SearchState find;
    SearchState replace;
    QString lastSearchText;

    friend bool operator==(const DocumentSearch&, const DocumentSearch&) = default;
};

} // namespace varnik

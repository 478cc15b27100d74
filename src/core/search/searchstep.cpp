#include "core/search/searchstep.h"

namespace varnik {

qsizetype editLength(const QString& text)
{
    return toLfLineEnds(text).size();
}

qsizetype searchStep(TextEdit& edit, SearchState& state, const QString& what, SearchDialogOptions options,
                     bool newSearch, SearchKind kind)
{
    const bool selectionScope = options.selectionScope();
    if (newSearch || (!state.primed && selectionScope)) {
        const qsizetype selStart = edit.selectionStart();
        const qsizetype selLength = edit.selectionLength();
        state.start = selectionScope || options.fromCursor() ? selStart : 0;
        state.end = selectionScope ? state.start + selLength - 1 : edit.length() - 1;
        state.position = state.start;
        state.options = SearchState::encodeOptions(options);
        state.primed = true;
        if (kind == SearchKind::Replace && selectionScope)
            edit.setSelection(selStart, 0);
    } else if (!selectionScope) {
        state.start = state.position = edit.caretPosition();
        // Text typed since the last search is part of the whole text too, and a
        // document never searched has no range yet.
        if (kind == SearchKind::Find || !state.primed)
            state.end = edit.length() - 1;
        if (!state.primed)
            state.options = SearchState::encodeOptions(options);
        state.primed = true;
    }
    const qsizetype length = editLength(what);
    if (length > 0 && state.end - state.position + 1 > 0) {
        const qsizetype at = edit.find(what, state.position, state.end + 1, state.findOptions());
        if (at >= 0) {
            edit.setSelection(at, length);
            state.position = at + length;
            return at;
        }
    }
    state.position = state.start;
    return -1;
}

} // namespace varnik

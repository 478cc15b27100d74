#pragma once

#include "core/app/textedit.h"
#include "core/search/grepresult.h"

namespace varnik {

// Lists every line of `text` that contains `what`: one entry per line with the
// 1-based position of its first occurrence. Lines end at CR LF, CR or LF. Without
// `matchCase` both sides are compared in upper case, character by character.
// One pass over the text; a text with a line break never matches.
GrepResult grepText(const QString& text, QStringView what, bool matchCase, bool lineNumbers);

// The same over a whole document.
GrepResult grepDocument(const TextEdit& edit, const QString& what, bool matchCase, bool lineNumbers);

// A double click on entry `index`: selects the occurrence it names, with the
// length of the Find window's current search text. False (nothing moves) when
// the entry's line no longer exists.
bool goToGrepEntry(TextEdit& edit, const GrepResult& result, qsizetype index, const QString& searchText);

} // namespace varnik

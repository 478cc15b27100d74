#pragma once

#include <QString>

namespace varnik {

// A path shortened for captions and menus: the name itself when its directory
// part is shorter than 32 characters and the whole name shorter than 54,
// otherwise the drive (or the root), "\...\" and the bare file name. A blank
// and the suffix follow either way.
QString shortenName(const QString& fileName, const QString& suffix);

// The window caption for a document: its shortened name, or "Untitled", then
// a blank and " - Varnik" (so two blanks stand before the dash).
QString windowTitleFor(const QString& fileName);

} // namespace varnik

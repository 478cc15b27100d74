#pragma once

#include "core/app/shortcut.h"

#include <QKeyCombination>
#include <QKeySequence>

namespace varnik {

// A character key becomes the Qt key of that character ("[" is Qt::Key_BracketLeft, "=" Qt::Key_Equal),
// whether or not the keyboard needs Shift to type it; Qt matches such keys across layouts. The empty
// shortcut gives an empty sequence.
QKeyCombination toKeyCombination(const Shortcut& shortcut);
QKeySequence toKeySequence(const Shortcut& shortcut);

// A pressed key as a shortcut; keys the text form cannot name (and combinations with Meta) give the empty
// shortcut. The keypad's Enter counts as Enter, Backtab as Tab.
Shortcut shortcutFromKeyCombination(QKeyCombination combination);

} // namespace varnik

#pragma once

#include "core/app/textedit.h"
#include "core/text/engineenvironment.h"

#include <QString>

#include <functional>

namespace varnik {

// What an empty selection stands for.
enum class EmptySelection {
    WholeDocument, // everything is selected first (the selection engine's way)
    AtCaret,       // the empty text at the caret: the result is inserted there
    Skip,          // nothing happens at all
};

// Whether the selection collapses to its start afterwards, on success and on failure alike.
enum class Collapse {
    UnlessSelectStay, // unless the SelectStay setting is on
    Always,
    Never,
};

struct ApplyPolicy {
    EmptySelection empty = EmptySelection::WholeDocument;
    Collapse collapse = Collapse::UnlessSelectStay;
    bool busy = false; // the busy cursor while the command runs
};

// Takes the selected text by value: operations that keep the length work in its buffer.
using SelectionFunction = std::function<QString(QString selection)>;

// The one way a command's result reaches the document: takes the selection as `policy` says, computes
// `fn` of its text and puts the result in place of the selection as one undo step. What `fn` throws
// leaves the document unchanged and reaches the caller after the closing steps (busy cursor off,
// collapse). False when an empty selection made it skip.
bool applyToSelection(TextEdit& edit, EngineEnvironment& environment, ApplyPolicy policy,
                      const SelectionFunction& fn);

} // namespace varnik

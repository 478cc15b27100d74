#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/text/engineenvironment.h"
#include "core/text/selectionoperation.h"

#include <QString>

namespace varnik {

// Applies one text operation to the active document: takes the selection (the
// whole document when nothing is selected), computes the new text and puts it
// in place of the selection as one undo step. Failures: codes 9, 10, 13, 29,
// 30, 31 leave the document unchanged silently; 15 and 20 to 23 report through
// the message sink; every other code lets its Error reach the caller. In every
// case the selection collapses afterwards unless SelectStay is set.
class SelectionEngine {
public:
    SelectionEngine(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages)
        : edit_(edit), env_(environment), messages_(messages)
    {
    }

    // Codes outside 1 to 35 do nothing but the closing steps.
    void run(int code);
    void run(SelectionOperation op) { run(static_cast<int>(op)); }

    // The text operation `code` puts in place of `selection`; throws what the
    // operation throws.
    static QString compute(int code, QString selection, EngineEnvironment& environment,
                           const EngineSettings& settings);

    // Whether operation `code` reads the selection (and so widens an empty one
    // to the whole document).
    static bool readsSelection(int code);

private:
    TextEdit& edit_;
    EngineEnvironment& env_;
    MessageSink& messages_;
};

// The same, for callers that want a single call.
inline void runSelectionOperation(int code, TextEdit& edit, EngineEnvironment& environment,
                                  MessageSink& messages)
{
    SelectionEngine(edit, environment, messages).run(code);
}

} // namespace varnik

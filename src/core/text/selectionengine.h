#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/text/engineenvironment.h"
#include "core/text/selectionoperation.h"

#include <QString>

namespace varnik {

// Applies one text operation to the active document through applyToSelection: takes the selection
// (the whole document when nothing is selected), computes the new text and puts it in place of the
// selection as one undo step, with the busy cursor on. Failures: SecondsToHms, NumberToRoman, UnixTime,
// HtmlTable, IpToHex and HexToIp leave the document unchanged silently; CodesToChars and the four base
// conversions report through the message sink; every other operation lets its Error reach the caller.
// In every case the selection collapses afterwards unless SelectStay is set.
class SelectionEngine {
public:
    SelectionEngine(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages)
        : edit_(edit), env_(environment), messages_(messages)
    {
    }

    void run(SelectionOperation op);

    // The text operation `op` puts in place of `selection`; throws what the operation throws.
    static QString compute(SelectionOperation op, QString selection, EngineEnvironment& environment,
                           const EngineSettings& settings);

    // Whether `op` reads the selection (and so widens an empty one to the whole document).
    static bool readsSelection(SelectionOperation op);

private:
    TextEdit& edit_;
    EngineEnvironment& env_;
    MessageSink& messages_;
};

} // namespace varnik

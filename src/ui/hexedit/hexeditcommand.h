#pragma once

namespace varnik {

class ActiveDocument;

// Hex edit: the active document's bytes in the modal hex editor window; when
// it closes, edited bytes replace the document's text (one undo step).
void hexEditCommand(ActiveDocument& window);

} // namespace varnik

#pragma once

namespace varnik {

class SDIAppForm;

// Hex edit: the active document's bytes in the modal hex editor window; when
// it closes, edited bytes replace the document's text (one undo step).
void hexEditCommand(SDIAppForm& window);

} // namespace varnik

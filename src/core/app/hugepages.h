#pragma once

#include <QtGlobal>

namespace varnik {

// Asks the system to back a large, not yet touched buffer with huge pages:
// first touch of ordinary 4 KiB pages costs more than reading or decoding a
// large file. A hint only; does nothing for small buffers or where unsupported.
void preferHugePages(void* data, qsizetype bytes);

} // namespace varnik

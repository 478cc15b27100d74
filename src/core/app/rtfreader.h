#pragma once

#include "core/app/codepage.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace varnik {

// Reads the text of a Rich Text Format document and drops its formatting.
// Paragraph ends, line breaks and table rows become LF, tabs and table cells
// become TAB; font, colour and style tables, document information, pictures,
// headers, footers, footnotes, field instructions and ignorable destinations
// are left out. Runs in one pass with an explicit group stack, so any nesting
// depth is safe; a truncated document yields the text read so far.
class RtfReader {
public:
    // True when the bytes begin as a Rich Text Format document.
    static bool isRtf(QByteArrayView bytes);

    // `fallback` decodes 8-bit text when the document names no code page, or
    // one this system does not know.
    static QString toPlainText(QByteArrayView rtf, const std::shared_ptr<const CodePage>& fallback);
};

} // namespace varnik

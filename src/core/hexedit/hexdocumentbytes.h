#pragma once

#include "core/app/documentencoding.h"

#include <QByteArray>

namespace varnik {

// The bytes the hex editor edits for a document: its text in its encoding.
// `utf8` is the text as the edit control holds it (UTF-8, LF line ends).
// Throws Error when a legacy document holds a character its code page lacks.
QByteArray hexBytesOfDocument(QByteArrayView utf8, const DocumentEncoding& encoding);

// What goes back into the document when the hex editor closes.
struct HexHandBack {
    bool changed = false;      // false: leave the document as it is
    QByteArray utf8;           // the new text for the edit control (LF line ends)
    DocumentEncoding encoding; // the document's encoding from now on
    bool encodingSwitched = false;
};

// Bytes valid in the document's encoding come back in it; a UTF-8 document
// whose bytes are no longer valid UTF-8 is decoded with the legacy code page
// instead (every byte round-trips) and takes that encoding. Every byte is
// kept, NUL included; CR LF and lone CR become LF as when a file is opened.
HexHandBack hexHandBack(const QByteArray& original, const QByteArray& edited,
                        const DocumentEncoding& encoding, const std::shared_ptr<const CodePage>& legacy);

// The status bar note for a document that changed its encoding.
QString hexEncodingSwitchNote(const DocumentEncoding& encoding);

} // namespace varnik

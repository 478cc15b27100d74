#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class ILoader;
class QsciScintillaBase;

namespace varnik {

// Builds a plain-text document for a QScintilla control away from the
// control (no change notifications, no undo history, no style bytes) and puts
// it in at the end, keeping the control's per-document settings (code page,
// line end mode, tabs, read-only state, undo collection, character index).
// Pieces are appended at the document's end, so loading in many pieces stays
// linear and the control can repaint between them.
//
// The control's QsciScintilla document object (document(), setDocument())
// no longer describes what the control shows afterwards: do not use it.
class ScintillaDocumentLoader {
public:
    explicit ScintillaDocumentLoader(QsciScintillaBase* control);
    // Drops a document that was not finished.
    ~ScintillaDocumentLoader();
    ScintillaDocumentLoader(const ScintillaDocumentLoader&) = delete;
    ScintillaDocumentLoader& operator=(const ScintillaDocumentLoader&) = delete;

    // Starts a new document with room for `bytes` bytes, dropping any before.
    void begin(qint64 bytes);
    // Appends UTF-8 text; throws std::bad_alloc when memory runs out.
    void append(QByteArrayView utf8);
    // Shows the document in the control (caret at the start, not modified).
    void finish();

private:
    void drop();

    QsciScintillaBase* sci_;
    ILoader* loader_ = nullptr; // Scintilla's, for the document being filled
};

} // namespace varnik

#pragma once

#include "core/app/textedit.h"

#include <QByteArray>

class QsciScintillaBase;

namespace varnik {

class ScintillaDocumentLoader;

// TextEdit over a QScintilla control. The control holds UTF-8 with LF line
// ends in a plain-text document (no style bytes); a UTF-16 character index is
// kept so that offset mapping is cheap.
class ScintillaTextEdit : public TextEdit {
public:
    // Prepares the control (UTF-8, LF line ends, character index, a plain-text
    // document) without taking ownership.
    explicit ScintillaTextEdit(QsciScintillaBase* control);

    QString text() const override;
    void setText(const QString& text) override;
    // Loads UTF-8 bytes (already LF-only) without a QString round trip; the
    // undo history is gone and the document is not modified afterwards.
    void setUtf8Text(QByteArrayView utf8);
    // Replaces the whole text with UTF-8 bytes (LF line ends, NUL allowed) as
    // one undo step; the caret goes to the start.
    void replaceAllUtf8(QByteArrayView utf8);
    // The same for a document loaded piece by piece: finishes the loader.
    void finishLoad(ScintillaDocumentLoader& loader);
    // The whole text as the control holds it (UTF-8, LF line ends), without a
    // copy: valid until the text changes.
    QByteArrayView utf8Text() const;
    qsizetype length() const override;
    QString textRange(qsizetype start, qsizetype end) const override;
    QChar charAt(qsizetype pos) const override;

    qsizetype selectionStart() const override;
    qsizetype selectionLength() const override;
    void setSelection(qsizetype start, qsizetype length) override;
    void replaceSelection(const QString& text) override;

    qsizetype lineCount() const override;
    qsizetype lineFromPosition(qsizetype pos) const override;
    qsizetype lineStart(qsizetype line) const override;
    qsizetype lineLength(qsizetype line) const override;

    void undo() override;
    void redo() override;
    bool canUndo() const override;
    bool canRedo() const override;
    void beginUndoGroup() override;
    void endUndoGroup() override;
    void clearUndoHistory() override;

    bool isModified() const override;
    void setModified(bool modified) override;

    qsizetype find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                   bool backwards = false) const override;

    QsciScintillaBase* control() const { return sci_; }
    // Byte position in the control of a character offset, and back.
    long bytePosition(qsizetype pos) const;
    qsizetype charPosition(long bytePos) const;

private:
    long send(unsigned int msg, unsigned long w = 0, long l = 0) const;
    QByteArray bytes(long start, long end) const;

    QsciScintillaBase* sci_;
    bool forcedModified_ = false;
};

} // namespace varnik

#pragma once

#include <QString>

namespace varnik {

// What the logic asks of an edit control. Positions are offsets in UTF-16 code
// units (as in QString); a line break counts as one position whatever the file
// uses. Text handed out has CR LF line breaks; text handed in may use CR LF,
// a lone CR or a lone LF.
class TextEdit {
public:
    struct FindOptions {
        bool matchCase = false;
        bool wholeWord = false;
    };

    virtual ~TextEdit() = default;

    // Whole document.
    virtual QString text() const = 0;
    // Replaces everything; clears the undo history and the modified flag.
    virtual void setText(const QString& text) = 0;
    virtual qsizetype length() const = 0;
    virtual QString textRange(qsizetype start, qsizetype end) const = 0;
    virtual QChar charAt(qsizetype pos) const = 0;

    // Selection. The caret stands at selectionStart() + selectionLength().
    // A selection holds whole characters: a start inside a surrogate pair
    // moves to the pair's start, an end inside one past the pair.
    virtual qsizetype selectionStart() const = 0;
    virtual qsizetype selectionLength() const = 0;
    virtual void setSelection(qsizetype start, qsizetype length) = 0;
    QString selectedText() const { return textRange(selectionStart(), selectionStart() + selectionLength()); }
    void selectAll() { setSelection(0, length()); }
    void setCaret(qsizetype pos) { setSelection(pos, 0); }
    qsizetype caretPosition() const { return selectionStart() + selectionLength(); }
    // Replaces the selection as one undo step; afterwards the caret stands
    // after the inserted text and nothing is selected.
    virtual void replaceSelection(const QString& text) = 0;

    // Lines, numbered from 0. Line text excludes the line break.
    virtual qsizetype lineCount() const = 0;
    virtual qsizetype lineFromPosition(qsizetype pos) const = 0;
    virtual qsizetype lineStart(qsizetype line) const = 0;
    virtual qsizetype lineLength(qsizetype line) const = 0;
    QString lineText(qsizetype line) const
    {
        return textRange(lineStart(line), lineStart(line) + lineLength(line));
    }
    qsizetype columnFromPosition(qsizetype pos) const { return pos - lineStart(lineFromPosition(pos)); }

    // Undo history. Changes between beginUndoGroup and endUndoGroup undo as one step.
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    virtual void beginUndoGroup() = 0;
    virtual void endUndoGroup() = 0;
    virtual void clearUndoHistory() = 0;

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    // First match of `what` in [start, end), or -1. Searches backwards (the last
    // match in the range) when `backwards` is set.
    virtual qsizetype find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                           bool backwards = false) const = 0;

    // Letters, digits and the underscore make words.
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
};

// Opens an undo group for its lifetime, so that every change made meanwhile undoes as one step, also
// when the changes stop half-way with an exception.
class UndoGroup {
public:
    explicit UndoGroup(TextEdit& edit) : edit_(edit) { edit_.beginUndoGroup(); }
    ~UndoGroup() { edit_.endUndoGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    TextEdit& edit_;
};

// Line ends of text handed in, made uniform: every CR LF and lone CR becomes LF.
QString toLfLineEnds(const QString& text);
// Every LF becomes CR LF.
QString toCrLfLineEnds(const QString& text);
// Offset of the first (or, backwards, the last) match of `what` within
// [start, end) of `text`, or -1; both with LF line breaks.
qsizetype findInText(QStringView text, qsizetype start, qsizetype end, QStringView what,
                     TextEdit::FindOptions options, bool backwards);

} // namespace varnik

#pragma once

#include "core/app/textedit.h"

#include <vector>

namespace varnik {

// The in-memory edit control: the reference implementation of TextEdit, used
// by the headless mode and by tests. Holds the text with LF line breaks.
class PlainTextBuffer : public TextEdit {
public:
    PlainTextBuffer() = default;
    explicit PlainTextBuffer(const QString& text) { setText(text); }

    QString text() const override;
    void setText(const QString& text) override;
    qsizetype length() const override { return text_.size(); }
    QString textRange(qsizetype start, qsizetype end) const override;
    QChar charAt(qsizetype pos) const override;

    qsizetype selectionStart() const override { return selStart_; }
    qsizetype selectionLength() const override { return selLength_; }
    void setSelection(qsizetype start, qsizetype length) override;
    void replaceSelection(const QString& text) override;

    qsizetype lineCount() const override;
    qsizetype lineFromPosition(qsizetype pos) const override;
    qsizetype lineStart(qsizetype line) const override;
    qsizetype lineLength(qsizetype line) const override;

    void undo() override;
    void redo() override;
    bool canUndo() const override { return !undo_.empty(); }
    bool canRedo() const override { return !redo_.empty(); }
    void beginUndoGroup() override;
    void endUndoGroup() override;
    void clearUndoHistory() override;

    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }

    qsizetype find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                   bool backwards = false) const override;

    // The text as held, with LF line breaks (no copy).
    const QString& rawText() const { return text_; }
    // Without an undo history a replacement keeps no copy of what it replaced
    // (the headless mode runs one command and never undoes it).
    void setUndoEnabled(bool enabled) { undoEnabled_ = enabled; }

private:
    struct Edit {
        qsizetype pos;
        QString removed;
        QString inserted;
    };
    using Step = std::vector<Edit>;

    void applyEdit(qsizetype pos, qsizetype removeCount, const QString& insert);
    void record(Edit edit);
    const std::vector<qsizetype>& lineStarts() const;

    QString text_;
    qsizetype selStart_ = 0;
    qsizetype selLength_ = 0;
    bool modified_ = false;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    int groupDepth_ = 0;
    bool undoEnabled_ = true;
    bool groupOpen_ = false;
    mutable std::vector<qsizetype> lineStarts_;
    mutable bool lineStartsValid_ = false;
};

} // namespace varnik

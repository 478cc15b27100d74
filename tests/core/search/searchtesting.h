#pragma once

#include "core/app/messagesink.h"
#include "core/app/plaintextbuffer.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

namespace varnik::test {

// Records every message and answers questions from a script (Yes by default).
class RecordingSink : public MessageSink {
public:
    struct Shown {
        QString text;
        MessageKind kind;
        int buttons;
    };

    int message(const QString& text, MessageKind kind, int buttons) override
    {
        shown.push_back({text, kind, buttons});
        return kind == MessageKind::Confirmation ? answer : Result::OK;
    }
    void errorBox(const QString& text) override { errors.push_back(text); }

    QStringList texts() const
    {
        QStringList out;
        for (const Shown& s : shown)
            out.push_back(s.text);
        return out;
    }

    int answer = Result::Yes;
    std::vector<Shown> shown;
    QStringList errors;
};

// An edit that is not the in-memory buffer (so no shortcut through its raw
// text applies) and counts the calls that cost time on big documents.
class CountingEdit : public TextEdit {
public:
    explicit CountingEdit(const QString& text = {}) : inner(text) {}

    QString text() const override
    {
        ++textCalls;
        return inner.text();
    }
    void setText(const QString& text) override { inner.setText(text); }
    qsizetype length() const override { return inner.length(); }
    QString textRange(qsizetype start, qsizetype end) const override
    {
        ++rangeCalls;
        return inner.textRange(start, end);
    }
    QChar charAt(qsizetype pos) const override { return inner.charAt(pos); }
    qsizetype selectionStart() const override { return inner.selectionStart(); }
    qsizetype selectionLength() const override { return inner.selectionLength(); }
    void setSelection(qsizetype start, qsizetype length) override { inner.setSelection(start, length); }
    void replaceSelection(const QString& text) override
    {
        ++replaceCalls;
        inner.replaceSelection(text);
    }
    qsizetype lineCount() const override { return inner.lineCount(); }
    qsizetype lineFromPosition(qsizetype pos) const override { return inner.lineFromPosition(pos); }
    qsizetype lineStart(qsizetype line) const override
    {
        ++lineCalls;
        return inner.lineStart(line);
    }
    qsizetype lineLength(qsizetype line) const override
    {
        ++lineCalls;
        return inner.lineLength(line);
    }
    void undo() override { inner.undo(); }
    void redo() override { inner.redo(); }
    bool canUndo() const override { return inner.canUndo(); }
    bool canRedo() const override { return inner.canRedo(); }
    void beginUndoGroup() override { inner.beginUndoGroup(); }
    void endUndoGroup() override { inner.endUndoGroup(); }
    void clearUndoHistory() override { inner.clearUndoHistory(); }
    bool isModified() const override { return inner.isModified(); }
    void setModified(bool modified) override { inner.setModified(modified); }
    qsizetype find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                   bool backwards = false) const override
    {
        ++findCalls;
        return inner.find(what, start, end, options, backwards);
    }

    PlainTextBuffer inner;
    mutable int textCalls = 0;
    mutable int rangeCalls = 0;
    mutable int findCalls = 0;
    mutable int lineCalls = 0;
    int replaceCalls = 0;
};

// The selection as (start, length), for readable comparisons.
struct Sel {
    qsizetype start;
    qsizetype length;
    friend bool operator==(const Sel&, const Sel&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Sel& s)
    {
        return os << '(' << s.start << ", " << s.length << ')';
    }
};
inline Sel selectionOf(const TextEdit& edit)
{
    return {edit.selectionStart(), edit.selectionLength()};
}

} // namespace varnik::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

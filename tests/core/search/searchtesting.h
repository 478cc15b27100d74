#pragma once

#include "core/app/messagesink.h"
#include "core/app/plaintextbuffer.h"

#include <QStringList>

#include <ostream>

namespace varnik::test {

// Records every message; questions get `answer`.
class AnsweringSink : public MessageSink {
public:
    int message(const QString& text, MessageKind kind, int) override
    {
        texts << text;
        return kind == MessageKind::Confirmation ? answer : Result::OK;
    }
    void errorBox(const QString& text) override { texts << text; }
    int answer = Result::Yes;
    QStringList texts;
};

// An edit that is not the in-memory buffer (so its raw text is out of reach)
// and counts the calls that cost time on big documents.
class CountingEdit : public TextEdit {
public:
    explicit CountingEdit(const QString& text = {}) : inner(text) {}
    QString text() const override { return ++textCalls, inner.text(); }
    void setText(const QString& t) override { inner.setText(t); }
    qsizetype length() const override { return inner.length(); }
    QString textRange(qsizetype s, qsizetype e) const override { return ++rangeCalls, inner.textRange(s, e); }
    QChar charAt(qsizetype p) const override { return inner.charAt(p); }
    qsizetype selectionStart() const override { return inner.selectionStart(); }
    qsizetype selectionLength() const override { return inner.selectionLength(); }
    void setSelection(qsizetype s, qsizetype l) override { inner.setSelection(s, l); }
    void replaceSelection(const QString& t) override { ++replaceCalls, inner.replaceSelection(t); }
    qsizetype lineCount() const override { return inner.lineCount(); }
    qsizetype lineFromPosition(qsizetype p) const override { return inner.lineFromPosition(p); }
    qsizetype lineStart(qsizetype l) const override { return ++lineCalls, inner.lineStart(l); }
    qsizetype lineLength(qsizetype l) const override { return ++lineCalls, inner.lineLength(l); }
    void undo() override { inner.undo(); }
    void redo() override { inner.redo(); }
    bool canUndo() const override { return inner.canUndo(); }
    bool canRedo() const override { return inner.canRedo(); }
    void beginUndoGroup() override { inner.beginUndoGroup(); }
    void endUndoGroup() override { inner.endUndoGroup(); }
    void clearUndoHistory() override { inner.clearUndoHistory(); }
    bool isModified() const override { return inner.isModified(); }
    void setModified(bool m) override { inner.setModified(m); }
    qsizetype find(const QString& w, qsizetype s, qsizetype e, FindOptions o, bool b = false) const override
    {
        return ++findCalls, inner.find(w, s, e, o, b);
    }

    PlainTextBuffer inner;
    mutable int textCalls = 0, rangeCalls = 0, findCalls = 0, lineCalls = 0;
    int replaceCalls = 0;
};

// A selection as (start, length), for readable comparisons.
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

#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace varnik {

// The grep result list: one entry per line that holds the searched text, with
// the line's index and where its first occurrence starts. The lines' text is
// copied, so the list stays as it was when the document changes.
class GrepResult {
public:
    GrepResult() = default;
    explicit GrepResult(bool lineNumbers) : lineNumbers_(lineNumbers) {}

    // Entries read "Line N:" and the line's text, or the text alone.
    bool lineNumbers() const { return lineNumbers_; }
    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    // 0-based line index in the document when the list was made.
    qsizetype line(qsizetype i) const { return entries_[static_cast<size_t>(i)].line; }
    // 1-based position of the first occurrence within the line.
    qsizetype position(qsizetype i) const { return entries_[static_cast<size_t>(i)].position; }
    QStringView lineText(qsizetype i) const;
    // The entry as the list shows it.
    QString entry(qsizetype i) const;
    // Every entry followed by CR LF: what "Save results to file..." writes and
    // "Copy to clipboard" puts on the clipboard.
    QString toText() const;

    void append(qsizetype line, qsizetype position, QStringView lineText);
    void clear();
    void reserve(qsizetype entries);

private:
    struct Entry {
        qsizetype line;
        qsizetype position;
        qsizetype textStart; // in pool_; the text runs to the next entry's start
    };

    qsizetype textEnd(qsizetype i) const;

    bool lineNumbers_ = true;
    std::vector<Entry> entries_;
    QString pool_; // the matched lines, one after another
};

} // namespace varnik

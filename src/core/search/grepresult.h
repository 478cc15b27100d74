#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

#include <vector>

namespace varnik {

// The grep result list: one entry per line that holds the searched text, with
// the line's index and where its first occurrence starts. The list keeps the
// lines' text as it was when it was made, whatever happens to the document.
class GrepResult {
public:
    GrepResult() = default;
    explicit GrepResult(bool lineNumbers) : lineNumbers_(lineNumbers) {}

    // Entries read "Line N:" and the line's text, or the text alone.
    bool lineNumbers() const { return lineNumbers_; }
    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    // 0-based line index in the document when the list was made.
    qsizetype line(qsizetype i) const { return at(i).line; }
    // 1-based position of the first occurrence within the line.
    qsizetype position(qsizetype i) const { return at(i).position; }
    QStringView lineText(qsizetype i) const
    {
        return QStringView(text_).mid(at(i).textStart, at(i).textLength);
    }
    // The entry as the list shows it.
    QString entry(qsizetype i) const;
    // Every entry followed by CR LF: what "Save results to file..." writes and
    // "Copy to clipboard" puts on the clipboard.
    QString toText() const;
    // The same text written as UTF-8 in pieces, for "Save results to file..."
    // without holding it all at once. False when the device refused a write.
    bool writeText(QIODevice& device) const;

    void clear();

    // Building: entries point into `text` (shared, not copied), whose lines
    // must stay as they are; finish() then keeps only what the list needs.
    void start(const QString& text, qsizetype expectedEntries = 0);
    void append(qsizetype line, qsizetype position, qsizetype textStart, qsizetype textLength)
    {
        entries_.push_back(Entry{line, position, textStart, textLength});
    }
    void finish();

private:
    struct Entry {
        qsizetype line;
        qsizetype position;
        qsizetype textStart;
        qsizetype textLength;
    };
    const Entry& at(qsizetype i) const { return entries_[static_cast<size_t>(i)]; }

    bool lineNumbers_ = true;
    std::vector<Entry> entries_;
    QString text_;
};

} // namespace varnik

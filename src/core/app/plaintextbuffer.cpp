#include "core/app/plaintextbuffer.h"

#include <algorithm>

namespace varnik {

QString PlainTextBuffer::text() const
{
    return toCrLfLineEnds(text_);
}

void PlainTextBuffer::setText(const QString& text)
{
    text_ = toLfLineEnds(text);
    selStart_ = selLength_ = 0;
    modified_ = false;
    undo_.clear();
    redo_.clear();
    groupOpen_ = false;
    lineStartsValid_ = false;
}

QString PlainTextBuffer::textRange(qsizetype start, qsizetype end) const
{
    start = std::clamp<qsizetype>(start, 0, text_.size());
    end = std::clamp<qsizetype>(end, start, text_.size());
    return toCrLfLineEnds(text_.mid(start, end - start));
}

QChar PlainTextBuffer::charAt(qsizetype pos) const
{
    return pos >= 0 && pos < text_.size() ? text_[pos] : QChar();
}

void PlainTextBuffer::setSelection(qsizetype start, qsizetype length)
{
    const qsizetype n = text_.size();
    start = std::clamp<qsizetype>(start, 0, n);
    qsizetype end = start + std::clamp<qsizetype>(length, 0, n - start);
    // A selection never splits a character: its ends leave a surrogate pair.
    auto insidePair = [this, n](qsizetype pos) {
        return pos > 0 && pos < n && text_[pos].isLowSurrogate() && text_[pos - 1].isHighSurrogate();
    };
    if (insidePair(start))
        --start;
    if (length <= 0)
        end = start;
    else if (insidePair(end))
        ++end;
    selStart_ = start;
    selLength_ = std::max<qsizetype>(end, start) - start;
}

void PlainTextBuffer::replaceSelection(const QString& text)
{
    const QString insert = toLfLineEnds(text);
    if (selLength_ == 0 && insert.isEmpty())
        return;
    if (!undoEnabled_) {
        applyEdit(selStart_, selLength_, insert);
        selStart_ += insert.size();
        selLength_ = 0;
        return;
    }
    Edit edit{selStart_, text_.mid(selStart_, selLength_), insert};
    applyEdit(selStart_, selLength_, insert);
    selStart_ += insert.size();
    selLength_ = 0;
    record(std::move(edit));
}

void PlainTextBuffer::applyEdit(qsizetype pos, qsizetype removeCount, const QString& insert)
{
    // Into an empty document the text is shared, not copied.
    if (text_.isEmpty())
        text_ = insert;
    else
        text_.replace(pos, removeCount, insert);
    lineStartsValid_ = false;
    modified_ = true;
}

void PlainTextBuffer::record(Edit edit)
{
    redo_.clear();
    if (groupDepth_ > 0 && groupOpen_) {
        undo_.back().push_back(std::move(edit));
        return;
    }
    undo_.push_back(Step{std::move(edit)});
    groupOpen_ = groupDepth_ > 0;
}

void PlainTextBuffer::beginUndoGroup()
{
    if (groupDepth_++ == 0)
        groupOpen_ = false;
}

void PlainTextBuffer::endUndoGroup()
{
    if (groupDepth_ > 0 && --groupDepth_ == 0)
        groupOpen_ = false;
}

void PlainTextBuffer::undo()
{
    if (undo_.empty())
        return;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    for (auto it = step.rbegin(); it != step.rend(); ++it) {
        applyEdit(it->pos, it->inserted.size(), it->removed);
        setSelection(it->pos, it->removed.size());
    }
    redo_.push_back(std::move(step));
    groupOpen_ = false;
}

void PlainTextBuffer::redo()
{
    if (redo_.empty())
        return;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    for (const Edit& e : step) {
        applyEdit(e.pos, e.removed.size(), e.inserted);
        setSelection(e.pos + e.inserted.size(), 0);
    }
    undo_.push_back(std::move(step));
    groupOpen_ = false;
}

void PlainTextBuffer::clearUndoHistory()
{
    undo_.clear();
    redo_.clear();
    groupOpen_ = false;
}

const std::vector<qsizetype>& PlainTextBuffer::lineStarts() const
{
    if (!lineStartsValid_) {
        lineStarts_.clear();
        lineStarts_.push_back(0);
        const QChar* d = text_.constData();
        for (qsizetype i = 0, n = text_.size(); i < n; ++i)
            if (d[i] == u'\n')
                lineStarts_.push_back(i + 1);
        lineStartsValid_ = true;
    }
    return lineStarts_;
}

qsizetype PlainTextBuffer::lineCount() const
{
    return static_cast<qsizetype>(lineStarts().size());
}

qsizetype PlainTextBuffer::lineFromPosition(qsizetype pos) const
{
    const auto& starts = lineStarts();
    pos = std::clamp<qsizetype>(pos, 0, text_.size());
    auto it = std::upper_bound(starts.begin(), starts.end(), pos);
    return static_cast<qsizetype>(it - starts.begin()) - 1;
}

qsizetype PlainTextBuffer::lineStart(qsizetype line) const
{
    const auto& starts = lineStarts();
    if (line < 0)
        return 0;
    if (line >= static_cast<qsizetype>(starts.size()))
        return text_.size();
    return starts[static_cast<size_t>(line)];
}

qsizetype PlainTextBuffer::lineLength(qsizetype line) const
{
    const auto& starts = lineStarts();
    if (line < 0 || line >= static_cast<qsizetype>(starts.size()))
        return 0;
    const qsizetype start = starts[static_cast<size_t>(line)];
    const qsizetype end = line + 1 < static_cast<qsizetype>(starts.size())
                              ? starts[static_cast<size_t>(line + 1)] - 1
                              : text_.size();
    return end - start;
}

qsizetype PlainTextBuffer::find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                                bool backwards) const
{
    return findInText(text_, start, end, toLfLineEnds(what), options, backwards);
}

} // namespace varnik

#pragma once

#include <QtGlobal>

namespace varnik {

// A hex editor's selection: the bytes selStart .. selEnd (inclusive) and the
// byte it was started from. There is no selection while the anchor is -1.
// In insert mode the caret stands between bytes, so the byte under a caret
// moved away from the anchor is not selected; selEnd may then fall below
// selStart, which selects nothing.
class HexSelection {
public:
    qint64 start() const { return start_; }
    qint64 end() const { return end_; }
    qint64 anchor() const { return anchor_; }
    bool exists() const { return anchor_ != -1; }
    qint64 length() const { return exists() && end_ >= start_ ? end_ - start_ + 1 : 0; }
    bool contains(qint64 pos) const { return exists() && start_ <= pos && pos <= end_; }

    void clear() { start_ = end_ = anchor_ = -1; }
    void set(qint64 start, qint64 end, qint64 anchor)
    {
        start_ = start;
        end_ = end;
        anchor_ = anchor;
    }
    // Extends from the byte the caret left (`from`) to the byte it reached (`to`).
    void extend(qint64 from, qint64 to, bool insertMode)
    {
        if (!exists()) {
            anchor_ = from;
            if (insertMode && to < anchor_)
                --anchor_;
            else if (insertMode && to > anchor_)
                --to;
            start_ = qMin(to, anchor_);
            end_ = qMax(to, anchor_);
        } else if (anchor_ <= to) {
            start_ = anchor_;
            end_ = insertMode ? to - 1 : to;
        } else {
            start_ = to;
            end_ = anchor_;
        }
    }

private:
    qint64 start_ = -1;
    qint64 end_ = -1;
    qint64 anchor_ = -1;
};

} // namespace varnik

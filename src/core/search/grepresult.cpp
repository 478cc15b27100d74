#include "core/search/grepresult.h"

namespace varnik {

qsizetype GrepResult::textEnd(qsizetype i) const
{
    return i + 1 < size() ? entries_[static_cast<size_t>(i + 1)].textStart : pool_.size();
}

QStringView GrepResult::lineText(qsizetype i) const
{
    const qsizetype start = entries_[static_cast<size_t>(i)].textStart;
    return QStringView(pool_).mid(start, textEnd(i) - start);
}

QString GrepResult::entry(qsizetype i) const
{
    if (!lineNumbers_)
        return lineText(i).toString();
    QString out = QStringLiteral("Line ") + QString::number(line(i) + 1) + u':';
    out += lineText(i);
    return out;
}

QString GrepResult::toText() const
{
    const qsizetype n = size();
    QString out;
    out.reserve(pool_.size() + n * (lineNumbers_ ? 20 : 2));
    for (qsizetype i = 0; i < n; ++i) {
        if (lineNumbers_) {
            out += QStringLiteral("Line ");
            out += QString::number(line(i) + 1);
            out += u':';
        }
        out += lineText(i);
        out += QStringLiteral("\r\n");
    }
    return out;
}

void GrepResult::append(qsizetype line, qsizetype position, QStringView lineText)
{
    entries_.push_back(Entry{line, position, pool_.size()});
    pool_.append(lineText);
}

void GrepResult::clear()
{
    entries_.clear();
    pool_.clear();
}

void GrepResult::reserve(qsizetype entries)
{
    entries_.reserve(static_cast<size_t>(entries));
}

} // namespace varnik

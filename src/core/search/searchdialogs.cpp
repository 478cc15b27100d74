#include "core/search/searchdialogs.h"

namespace varnik {

FindDialogControls findDialogControls(bool grep)
{
    // Grep lists every line of the whole text, so the range controls do not apply.
    FindDialogControls c;
    c.wholeWords = c.scope = c.origin = !grep;
    return c;
}

void addToHistory(QStringList& history, const QString& text)
{
    if (!text.isEmpty() && !history.contains(text, Qt::CaseSensitive))
        history.append(text);
}

QString prefillSearchText(const QString& candidate)
{
    qsizetype first = 0;
    qsizetype last = candidate.size();
    while (first < last && candidate[first].unicode() <= u' ')
        ++first;
    while (last > first && candidate[last - 1].unicode() <= u' ')
        --last;
    const QString trimmed = candidate.mid(first, last - first);
    // The field holds one line: a line break could not be shown or typed there.
    if (trimmed.contains(u' ') || trimmed.contains(u'\r') || trimmed.contains(u'\n'))
        return {};
    return trimmed;
}

} // namespace varnik

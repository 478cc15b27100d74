#include "core/tools/multiclipboard.h"

#include "core/tools/tooltexts.h"

namespace varnik {

bool MultiClipboard::Less::operator()(const QString& a, const QString& b) const
{
    const int byLocale = collator->compare(a, b);
    if (byLocale != 0)
        return byLocale < 0;
    // The collation ignores some characters (controls, for one); texts that
    // differ in more than case are still different entries.
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

MultiClipboard::MultiClipboard(const QLocale& locale)
    : collator_(sortingLocale(locale)), entries_(Less{&collator_})
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

bool MultiClipboard::add(const QString& text)
{
    if (text.isEmpty())
        return false;
    return entries_.insert(text).second;
}

bool MultiClipboard::remove(const QString& text)
{
    const auto it = entries_.find(text);
    if (it == entries_.end() || *it != text)
        return false;
    entries_.erase(it);
    return true;
}

QStringList MultiClipboard::entries() const
{
    QStringList list;
    list.reserve(size());
    for (const QString& entry : entries_)
        list.append(entry);
    return list;
}

} // namespace varnik

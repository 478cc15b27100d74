#include "core/tools/tooltexts.h"

namespace varnik {

namespace {

// Cuts after `length` UTF-16 units, never between the halves of a surrogate pair.
QStringView cutAt(QStringView text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    return text.first(length);
}

QStringView trimmedView(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= u' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= u' ')
        --last;
    return text.sliced(first, last - first);
}

} // namespace

QString trimBlanksAndControls(QStringView text)
{
    return trimmedView(text).toString();
}

QString multiClipboardToolTip(QStringView entry)
{
    // Only the part shown is copied: an entry may be a whole large document.
    constexpr qsizetype kShown = 32;
    const QStringView trimmed = trimmedView(entry);
    QString shown = cutAt(trimmed, kShown).toString();
    if (trimmed.size() > kShown)
        shown += QStringLiteral("...");
    return QStringLiteral("In clipboard: ") + shown + QStringLiteral("\r\nDouble click to paste.");
}

QString listRowText(QStringView text, qsizetype maxLength)
{
    const bool cut = text.size() > maxLength;
    QString row = cutAt(text, maxLength).toString();
    for (QChar& c : row)
        if (c.unicode() < u' ' || c.unicode() == 0x7F)
            c = u' ';
    if (cut)
        row += QStringLiteral("...");
    return row;
}

QLocale sortingLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

} // namespace varnik

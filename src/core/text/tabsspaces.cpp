#include "core/text/tabsspaces.h"

namespace varnik {

QString tabsToSpaces(QStringView text, int tabSpaces)
{
    if (tabSpaces <= 0)
        return text.toString();
    qsizetype tabs = 0;
    for (QChar c : text)
        tabs += c.unicode() == u'\t';
    if (tabs == 0)
        return text.toString();
    QString out(text.size() + tabs * (tabSpaces - 1), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (QChar c : text) {
        if (c.unicode() == u'\t') {
            for (int k = 0; k < tabSpaces; ++k)
                *dst++ = u' ';
        } else {
            *dst++ = c.unicode();
        }
    }
    return out;
}

namespace {

// `dst` may be `src`: the output never runs ahead of the input.
qsizetype spacesToTabsUnits(const char16_t* src, char16_t* const begin, qsizetype n, int tabSpaces)
{
    char16_t* dst = begin;
    for (qsizetype i = 0; i < n;) {
        if (src[i] != u' ') {
            *dst++ = src[i++];
            continue;
        }
        qsizetype run = 0;
        while (i + run < n && src[i + run] == u' ')
            ++run;
        i += run;
        for (qsizetype t = run / tabSpaces; t > 0; --t)
            *dst++ = u'\t';
        for (qsizetype s = run % tabSpaces; s > 0; --s)
            *dst++ = u' ';
    }
    return dst - begin;
}

} // namespace

QString spacesToTabs(QStringView text, int tabSpaces)
{
    if (tabSpaces <= 0)
        return text.toString();
    QString out(text.size(), Qt::Uninitialized);
    out.truncate(
        spacesToTabsUnits(text.utf16(), reinterpret_cast<char16_t*>(out.data()), text.size(), tabSpaces));
    return out;
}

void spacesToTabsInPlace(QString& text, int tabSpaces)
{
    if (tabSpaces <= 0 || text.isEmpty())
        return;
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    text.truncate(spacesToTabsUnits(d, d, text.size(), tabSpaces));
}

void tabsToSpacesInPlace(QString& text, int tabSpaces)
{
    if (tabSpaces <= 0)
        return;
    const qsizetype n = text.size();
    const qsizetype tabs = text.count(u'\t');
    if (tabs == 0)
        return;
    text.resize(n + tabs * (tabSpaces - 1));
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    // From the back: the output never overtakes the unread input.
    qsizetype w = text.size();
    for (qsizetype r = n - 1; r >= 0; --r) {
        if (d[r] == u'\t') {
            for (int k = 0; k < tabSpaces; ++k)
                d[--w] = u' ';
        } else {
            d[--w] = d[r];
        }
    }
}

} // namespace varnik

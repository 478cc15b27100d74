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

QString spacesToTabs(QStringView text, int tabSpaces)
{
    if (tabSpaces <= 0)
        return text.toString();
    QString out(text.size(), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data());
    char16_t* dst = begin;
    const char16_t* src = text.utf16();
    const qsizetype n = text.size();
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
    out.truncate(dst - begin);
    return out;
}

} // namespace varnik

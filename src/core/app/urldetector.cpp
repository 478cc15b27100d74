#include "core/app/urldetector.h"

namespace varnik {

namespace {

constexpr QStringView kPrefixes[] = {u"http://", u"https://", u"ftp://", u"mailto:", u"file://", u"www."};

bool endsAddress(QChar c)
{
    return c.isSpace() || c == u'"' || c == u'<' || c == u'>' || c == u'\'' || c.unicode() < 32 ||
           c == u'`' || c == u'{' || c == u'}' || c == u'|' || c == u'\\' || c == u'^';
}

bool startsWord(QStringView text, qsizetype i)
{
    return i == 0 || !(text[i - 1].isLetterOrNumber() || text[i - 1] == u'.' || text[i - 1] == u'/');
}

} // namespace

std::vector<UrlSpan> findUrls(QStringView text)
{
    std::vector<UrlSpan> spans;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i].toLower();
        if (c != u'h' && c != u'f' && c != u'm' && c != u'w')
            continue;
        if (!startsWord(text, i))
            continue;
        for (QStringView prefix : kPrefixes) {
            if (!text.mid(i).startsWith(prefix, Qt::CaseInsensitive))
                continue;
            qsizetype end = i + prefix.size();
            while (end < n && !endsAddress(text[end]))
                ++end;
            // Trailing sentence punctuation and an unmatched closing bracket are not part of it.
            while (end > i + prefix.size()) {
                const QChar last = text[end - 1];
                const QStringView span = text.mid(i, end - i);
                if (last == u'.' || last == u',' || last == u';' || last == u':' || last == u'!' ||
                    last == u'?' || (last == u')' && span.count(u')') > span.count(u'(')))
                    --end;
                else
                    break;
            }
            if (end > i + prefix.size()) {
                spans.push_back({i, end - i});
                i = end - 1;
            }
            break;
        }
    }
    return spans;
}

} // namespace varnik

#include "core/search/websearch.h"

#include "core/app/queryencoding.h"

namespace varnik {

QString webSearchUrl(const QString& selectedText)
{
    return QStringLiteral("https://www.google.com/search?q=") + queryEncode(selectedText);
}

QString filmSearchUrl(const QString& selectedText)
{
    return QStringLiteral("https://www.imdb.com/Find?select=All&for=") + queryEncode(selectedText);
}

} // namespace varnik

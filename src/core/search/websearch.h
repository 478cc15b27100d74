#pragma once

#include <QString>

namespace varnik {

// AskGooglecom1 (F4): the web search engine's query address for a text.
QString webSearchUrl(const QString& selectedText);

// SearchIMDB1 (F5): the film database's search address for a text.
QString filmSearchUrl(const QString& selectedText);

} // namespace varnik

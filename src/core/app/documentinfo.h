#pragma once

#include "core/app/documentencoding.h"
#include "core/search/bookmarks.h"
#include "core/search/searchstate.h"

#include <QString>
#include <QtGlobal>

namespace varnik {

// One document's record: what the program remembers about a document beside
// its text. The single-document record lives for the whole run; each tab owns one.
struct DocumentInfo {
    quint32 id = 0; // the document counter when the record was reset; names autosave files
    bool modified = false;
    qint32 selStart = 0;
    qint32 selLength = 0;
    DocumentSearch search; // find and replace states and the last search text
    Bookmarks bookmarks;
    QString fileName; // empty for an untitled document
    DocumentEncoding encoding; // how the text goes back into its file

    // New and every new tab: a fresh record numbered by the document counter.
    void reset(quint32 documentCounter)
    {
        *this = DocumentInfo();
        id = documentCounter;
    }
};

} // namespace varnik

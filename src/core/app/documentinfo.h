#pragma once

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
    QString fileName; // empty for an untitled document

    // New and every new tab: a fresh record numbered by the document counter.
    void reset(quint32 documentCounter)
    {
        *this = DocumentInfo();
        id = documentCounter;
    }
};

} // namespace varnik

#pragma once

#include <QStringView>
#include <vector>

namespace varnik {

struct UrlSpan {
    qsizetype start;
    qsizetype length;
};

// Web and mail addresses in a piece of text, as an edit control's automatic
// URL detection shows them: "http://", "https://", "ftp://", "mailto:",
// "file://" and "www." up to the next blank or quotation mark, without the
// punctuation that usually ends a sentence.
std::vector<UrlSpan> findUrls(QStringView text);

} // namespace varnik

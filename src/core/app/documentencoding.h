#pragma once

#include "core/app/codepage.h"

#include <QString>

#include <memory>

namespace varnik {

// How a document's text is stored in its file: UTF-8 (with or without a
// byte-order mark) or a single-byte legacy code page.
class DocumentEncoding {
public:
    enum class Kind { Utf8, Utf8Bom, CodePage };

    // UTF-8 without a byte-order mark.
    DocumentEncoding() = default;
    static DocumentEncoding utf8(bool withBom = false);
    static DocumentEncoding legacy(std::shared_ptr<const CodePage> page);
    // Throws Error when the code page is unknown.
    static DocumentEncoding legacy(const QString& codePageName);

    Kind kind() const { return kind_; }
    bool isUtf8() const { return kind_ != Kind::CodePage; }
    bool hasBom() const { return kind_ == Kind::Utf8Bom; }
    // The code page of a legacy encoding, else null.
    const std::shared_ptr<const CodePage>& codePage() const { return page_; }
    // "UTF-8", "UTF-8 with BOM" or the code page's name.
    QString name() const;

    bool operator==(const DocumentEncoding& other) const;

private:
    Kind kind_ = Kind::Utf8;
    std::shared_ptr<const CodePage> page_;
};

} // namespace varnik

#pragma once

#include "core/app/documentencoding.h"
#include "core/app/settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>

namespace varnik {

class CodePage;

// The encoding a document's bytes are in: UTF-8, or a legacy single-byte code
// page such as windows-1250. Byte-level operations (character codes, URL
// encoding) see the text through it, so a legacy document gives exactly the
// bytes the file holds.
class TextEncoding {
public:
    // UTF-8.
    TextEncoding() = default;
    static TextEncoding utf8() { return {}; }
    // A single-byte code page by the name the converter knows it by (by default the CodePage
    // setting's default). Throws Error when the name is unknown.
    static TextEncoding codePage(const QByteArray& name = defaultSettings().codePage.toLatin1());
    // The byte view of a document's encoding: its code page, or UTF-8.
    static TextEncoding of(const DocumentEncoding& encoding);

    bool isUtf8() const { return !table_; }
    QByteArray name() const;

    // Code page only: the character of a byte, and the byte of a character
    // (-1 when the code page has no byte for it).
    QChar charForByte(uchar byte) const;
    int byteForChar(QChar c) const;

    // The bytes of a text. Throws Error naming the first character that the
    // code page cannot hold.
    QByteArray encode(QStringView text) const;
    // The text of bytes; false when they are not valid (broken UTF-8).
    bool decode(QByteArrayView bytes, QString& text) const;

    friend bool operator==(const TextEncoding& a, const TextEncoding& b) { return a.name() == b.name(); }

private:
    std::shared_ptr<const CodePage> table_;
};

// Throws the error `encode` gives for a character a code page cannot hold.
[[noreturn]] void throwUnencodable(QStringView text, qsizetype index, const QByteArray& encodingName);

} // namespace varnik

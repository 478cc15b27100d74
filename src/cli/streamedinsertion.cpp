#include "cli/streamedinsertion.h"

#include "core/app/textcodec.h"

namespace varnik::cli {

StreamedDocumentWriter::StreamedDocumentWriter(FILE* out, const DocumentEncoding& encoding, LineEnd lineEnd)
    : out_(out), encoding_(encoding), lineEnd_(lineEnd)
{
}

void StreamedDocumentWriter::put(QStringView text)
{
    if (text.isEmpty())
        return;
    const QByteArray bytes = encodeDocument(text, encoding_, lineEnd_);
    if (first_ && encoding_.hasBom())
        encoding_ = DocumentEncoding::utf8(false);
    first_ = false;
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out_);
    positions_ += text.size() - text.count(QStringLiteral("\r\n"));
}

void StreamedDocumentWriter::write(QStringView text)
{
    if (text.isEmpty())
        return;
    if (heldCr_) {
        heldCr_ = false;
        if (text.front() == u'\n') {
            put(u"\r\n");
            text = text.mid(1);
        } else {
            put(u"\r");
        }
    }
    if (!text.isEmpty() && text.back() == u'\r') {
        heldCr_ = true;
        text.chop(1);
    }
    put(text);
}

void StreamedDocumentWriter::finish()
{
    if (heldCr_)
        put(u"\r");
    heldCr_ = false;
    if (first_ && encoding_.hasBom()) {
        // An empty document still gets its mark.
        const QByteArray bom = encodeDocument(QStringView(), encoding_, lineEnd_);
        std::fwrite(bom.constData(), 1, static_cast<size_t>(bom.size()), out_);
        first_ = false;
    }
    std::fflush(out_);
}

} // namespace varnik::cli

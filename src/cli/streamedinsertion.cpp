#include "cli/streamedinsertion.h"

#include "cli/standardoutput.h"
#include "core/app/textcodec.h"

namespace varnik::cli {

StreamedDocumentWriter::StreamedDocumentWriter(FILE* out, const DocumentEncoding& encoding, LineEnd lineEnd,
                                               bool countPositions)
    : out_(out), encoding_(encoding), lineEnd_(lineEnd), countPositions_(countPositions)
{
}

void StreamedDocumentWriter::output(const QByteArray& bytes)
{
    // The mark goes before the first bytes only.
    if (first_ && encoding_.hasBom())
        encoding_ = DocumentEncoding::utf8(false);
    first_ = false;
    writeOutput(out_, bytes);
}

void StreamedDocumentWriter::count(QStringView text)
{
    if (!countPositions_)
        return;
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        pairs += text[i] == u'\n' && text[i - 1] == u'\r';
    positions_ += text.size() - pairs;
}

void StreamedDocumentWriter::put(QStringView text)
{
    if (text.isEmpty())
        return;
    output(encodeDocument(text, encoding_, lineEnd_));
    count(text);
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

void StreamedDocumentWriter::writeWithOutputLineEnds(QStringView text)
{
    // Only UTF-8 has a faster way than the general one; a held CR must meet its text.
    if (heldCr_ || !encoding_.isUtf8()) {
        write(text);
        return;
    }
    if (text.isEmpty())
        return;
    QByteArray bytes = text.toUtf8();
    if (first_ && encoding_.hasBom())
        bytes.prepend("\xEF\xBB\xBF");
    output(bytes);
    count(text);
}

void StreamedDocumentWriter::finish()
{
    if (heldCr_)
        put(u"\r");
    heldCr_ = false;
    if (first_ && encoding_.hasBom()) {
        // An empty document still gets its mark.
        output(encodeDocument(QStringView(), encoding_, lineEnd_));
    }
    flushOutput(out_);
}

} // namespace varnik::cli

#pragma once

#include "core/app/documentencoding.h"
#include "core/app/lineends.h"

#include <QString>

#include <cstdio>
#include <functional>

namespace varnik::cli {

// Text a command inserts at the selection start that may be far larger than
// memory (a generated list): the runner writes it straight to the output,
// between the document's text before and after that point.
struct StreamedInsertion {
    // Every character the pieces can hold, to choose the output encoding first.
    QString characters;
    // Appends the next piece to `piece`; false once the last one is given.
    std::function<bool(QString& piece)> next;
    // The pieces' line breaks are already the output's line end (and they
    // hold no other CR or LF), so they need no conversion.
    bool outputLineEnds = false;
};

// Writes a document's text to a file piece by piece exactly as encodeDocument
// writes it whole: lines joined with the line end, the byte-order mark once.
class StreamedDocumentWriter {
public:
    StreamedDocumentWriter(FILE* out, const DocumentEncoding& encoding, LineEnd lineEnd, bool countPositions);

    // Throws Error at a character the encoding cannot represent.
    void write(QStringView text);
    // Text whose only line breaks are the output's line end.
    void writeWithOutputLineEnds(QStringView text);
    void finish();
    // Positions written so far, a line break counting one (when counted).
    qsizetype positions() const { return positions_; }

private:
    void put(QStringView text);
    void output(const QByteArray& bytes);
    void count(QStringView text);

    FILE* out_;
    DocumentEncoding encoding_;
    LineEnd lineEnd_;
    bool countPositions_;
    bool first_ = true;
    // A CR at the end of a piece may pair with an LF at the start of the next.
    bool heldCr_ = false;
    qsizetype positions_ = 0;
};

} // namespace varnik::cli

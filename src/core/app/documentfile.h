#pragma once

#include "core/app/documentencoding.h"
#include "core/app/lineends.h"
#include "core/app/messagesink.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

namespace varnik {

// Files larger than this are refused rather than exhausting memory.
constexpr qint64 kDefaultMaxFileSize = qint64(1) << 30;

struct LoadOptions {
    // The legacy code page (setting CodePage) for files that are not UTF-8; null: the setting's default.
    std::shared_ptr<const CodePage> codePage;
    qint64 maxBytes = kDefaultMaxFileSize;
};

// How a file's text was stored.
struct DocumentFormat {
    DocumentEncoding encoding;
    LineEndCounts lineEnds; // as found in a plain-text file
    bool richText = false;  // read from Rich Text Format: saving writes plain text
};

// A file's contents ready for the edit control.
struct LoadedDocument : DocumentFormat {
    QString text; // LF line breaks
};

// Reads a document file: Rich Text Format as its plain text, anything else as
// text in its encoding. Refuses directories, devices, pipes and sockets
// (without opening them, so nothing blocks) and files over the size limit.
// Throws Error("Error reading file\r\n" + name + "\r\n" + reason).
LoadedDocument loadDocumentFile(const QString& name, const LoadOptions& options = {});
// Standard input read as loadDocumentFile reads a file, with the same size limit;
// a closed standard input is an empty document.
LoadedDocument loadStandardInput(const LoadOptions& options = {});
// The same for bytes already read (a dropped buffer).
LoadedDocument decodeFileContents(QByteArrayView bytes, const LoadOptions& options = {});

// Opens a regular file for reading (unbuffered) without ever blocking on a
// pipe or device. Throws Error(readErrorMessage(...)) for a directory, a
// device, pipe or socket, or a file that cannot be opened.
void openRegularFile(QFile& file, const QString& name);

// Takes a document's text as UTF-8 with LF line breaks, piece by piece.
class TextReceiver {
public:
    virtual ~TextReceiver() = default;
    // Comes before the first piece with the text's expected size in bytes (0:
    // unknown), and again when the file turns out not to be UTF-8 and is read
    // once more from its start: what came before is void then.
    virtual void begin(qint64 bytes) = 0;
    // The next piece; `read` of the file's `size` bytes are read so far.
    virtual void append(QByteArrayView utf8, qint64 read, qint64 size) = 0;
};

// Reads a document file as loadDocumentFile does, but hands its text over in
// pieces as they are read: the file is never held whole, and a UTF-8 file is
// never turned into UTF-16. The text is the UTF-8 of loadDocumentFile's text.
// Throws the same errors (and whatever the receiver throws).
DocumentFormat streamDocumentFile(const QString& name, TextReceiver& receiver,
                                  const LoadOptions& options = {});

// The settings that shape a save.
struct SaveOptions {
    bool createBackup = true;                // CreateBackup
    QString bakExt = QStringLiteral(".BAK"); // BakExt
    int crlf = 0;                            // CRLF: 0 CR LF, 1 LF, 2 CR
};

struct SaveResult {
    bool saved = false;
    // The encoding written: the document's, or UTF-8 when the user chose it
    // for text the document's code page cannot hold.
    DocumentEncoding encoding;
};

// Writes a document to `name`: the lines of `text` (any line ends) joined with
// the CRLF line end, nothing after the last line. With makeBackup and
// CreateBackup an existing file is first copied to name + BakExt (a read-only
// backup is replaced); when that fails the sink is asked whether to save anyway.
// The file is replaced only once the new contents are completely written, so
// a failed save leaves it as it was; a symbolic link is written through to its
// target; the file keeps its permissions. Text the encoding cannot hold is a
// question (save as UTF-8 instead?), never a silent loss. Failures are
// reported through the sink ("Error writing to file") and yield saved = false.
SaveResult saveDocument(const QString& name, bool makeBackup, QStringView text,
                        const DocumentEncoding& encoding, const SaveOptions& options, MessageSink& sink);

// How far a long step has come.
using Progress = std::function<void(qint64 done, qint64 total)>;

// saveDocument for a text held as UTF-8 (as the edit control holds it, see
// TextStreamEncoder): the file is encoded and written piece by piece.
SaveResult saveUtf8Document(const QString& name, bool makeBackup, QByteArrayView text,
                            const DocumentEncoding& encoding, const SaveOptions& options, MessageSink& sink,
                            const Progress& progress = {});

// Block write: the lines of `text`, each followed by CR LF, into a new or
// replaced file; the same failure reports as saveDocument.
bool writeBlockFile(const QString& name, QStringView text, const DocumentEncoding& encoding,
                    MessageSink& sink);

// Block read: a loaded file's text as inserted at the cursor, each line
// followed by CR LF (a final line end adds no empty line).
QString blockInsertText(const QString& loadedText);

// Replaces `path` (or, for a symbolic link, its target) with `bytes` through a
// temporary file in the same directory. Throws Error carrying the system's
// error text.
void replaceFileContents(const QString& path, QByteArrayView bytes);
// The same with the contents made piece by piece: `next` yields the next
// piece, empty at the end, and may throw Error (nothing is replaced then).
void replaceFileContents(const QString& path, const std::function<QByteArrayView()>& next);

// The messages of this module, exactly as shown.
QString readErrorMessage(const QString& name, const QString& reason);
QString writeErrorMessage(const QString& name, const QString& reason);
QString backupErrorQuestion(const QString& name);
QString unencodableQuestion(const QString& name, const DocumentEncoding& encoding);

} // namespace varnik

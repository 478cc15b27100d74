#include "core/app/documentfile.h"

#include "core/app/error.h"
#include "core/app/filereplacement.h"
#include "core/app/hugepages.h"
#include "core/app/rtfreader.h"
#include "core/app/settings.h"
#include "core/app/textcodec.h"
#include "core/app/textedit.h"
#include "core/app/textstreamdecoder.h"
#include "core/app/textstreamencoder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnik {

namespace {

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Error readError(const QString& name, const QString& reason)
{
    return Error(readErrorMessage(name, reason));
}

const QString kNotRegular = QStringLiteral("Not a regular file (a device, pipe or socket)");
const QString kIsDirectory = QStringLiteral("The path is a directory");

} // namespace

// The type is checked on the open handle, so a path swapped after the check
// cannot slip by.
void openRegularFile(QFile& file, const QString& name)
{
    const QFileInfo info(name);
    if (info.isDir())
        throw readError(name, kIsDirectory);
    if (info.exists() && !info.isFile())
        throw readError(name, kNotRegular);
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw readError(name, systemErrorText(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool dir = S_ISDIR(st.st_mode);
        ::close(fd);
        throw readError(name, dir ? kIsDirectory : kNotRegular);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw readError(name, file.errorString());
    }
#else
    file.setFileName(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw readError(name, file.errorString());
#endif
}

namespace {

Error tooLarge(const QString& name, qint64 size, qint64 limit)
{
    return readError(name, QStringLiteral("The file is too large to open (%1 bytes; the limit is %2 bytes)")
                               .arg(size)
                               .arg(limit));
}

// The whole file in one buffer, read once. Files whose size is not known in
// advance (as in /proc) are read until their end.
QByteArray readWholeFile(QFile& file, const QString& name, qint64 limit)
{
    const qint64 size = file.size();
    if (size > limit)
        throw tooLarge(name, size, limit);
    // One byte more than expected shows the end without growing the buffer.
    QByteArray bytes(size + 1, Qt::Uninitialized);
    preferHugePages(bytes.data(), bytes.size());
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit)
                throw tooLarge(name, got, limit);
            bytes.resize(std::min(limit + 1, got + std::max<qint64>(got / 2, 1 << 16)));
        }
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            throw readError(name, file.errorString());
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit)
        throw tooLarge(name, got, limit);
    bytes.truncate(got);
    return bytes;
}

// Copies the file over its backup name, replacing a read-only backup.
void copyToBackup(const QString& name, const QString& backupName)
{
    QFile source(name);
    if (!source.open(QIODevice::ReadOnly))
        throw Error(source.errorString());
    const QFileInfo backupInfo(backupName);
    if (backupInfo.exists() && !backupInfo.isDir() && !backupInfo.isWritable())
        QFile::setPermissions(backupName, backupInfo.permissions() | QFileDevice::WriteOwner);
    QSaveFile backup(resolveLinks(backupName));
    if (!backup.open(QIODevice::WriteOnly))
        throw Error(backup.errorString());
    // The copy is no more readable than the original.
    backup.setPermissions(source.permissions());
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(chunk.data(), chunk.size());
        if (n < 0)
            throw Error(source.errorString());
        if (n == 0)
            break;
        if (backup.write(chunk.constData(), n) != n)
            throw Error(backup.errorString());
    }
    if (!backup.commit())
        throw Error(backup.errorString());
}

// A text to save, whatever form it is held in.
struct TextToSave {
    // Offset of the first character the encoding cannot hold, or -1.
    std::function<qsizetype(const DocumentEncoding&)> firstUnencodable;
    std::function<QString(qsizetype offset, const DocumentEncoding&)> unencodableMessage;
    // Replaces the file with the text in that encoding and line end; throws Error.
    std::function<void(const QString& path, const DocumentEncoding&, LineEnd)> write;
};

// Settles the encoding to write: the document's, or UTF-8 if the user agrees
// to it for text the code page cannot hold. Empty when nothing is to be written.
std::optional<DocumentEncoding> encodingToWrite(const QString& name, const TextToSave& text,
                                                const DocumentEncoding& encoding, MessageSink& sink)
{
    const qsizetype bad = text.firstUnencodable(encoding);
    if (bad < 0)
        return encoding;
    if (encoding.isUtf8()) {
        // Only a broken surrogate pair gets here: no encoding can write it.
        sink.message(writeErrorMessage(name, text.unencodableMessage(bad, encoding)), MessageKind::Error,
                     Buttons::OK);
        return std::nullopt;
    }
    if (sink.message(unencodableQuestion(name, encoding), MessageKind::Confirmation, Buttons::YesNo) !=
        Result::Yes)
        return std::nullopt;
    return DocumentEncoding::utf8();
}

bool writeReporting(const QString& name, const std::function<void()>& write, MessageSink& sink)
{
    try {
        write();
        return true;
    } catch (const Error& e) {
        sink.message(writeErrorMessage(name, e.message()), MessageKind::Error, Buttons::OK);
        return false;
    }
}

SaveResult saveText(const QString& name, bool makeBackup, const TextToSave& text,
                    const DocumentEncoding& encoding, const SaveOptions& options, MessageSink& sink)
{
    SaveResult result{false, encoding};
    if (name.isEmpty())
        return result;
    const auto chosen = encodingToWrite(name, text, encoding, sink);
    if (!chosen)
        return result;
    result.encoding = *chosen;

    // An empty extension would name the file itself: there is nothing to keep apart.
    if (options.createBackup && makeBackup && !options.bakExt.isEmpty() && QFileInfo(name).isFile()) {
        try {
            copyToBackup(name, name + options.bakExt);
        } catch (const Error&) {
            if (sink.message(backupErrorQuestion(name), MessageKind::Error, Buttons::YesNo) != Result::Yes)
                return result;
        }
    }
    result.saved = writeReporting(
        name, [&] { text.write(name, result.encoding, lineEndFromSetting(options.crlf)); }, sink);
    return result;
}

TextToSave utf16Text(QStringView text)
{
    return {
        [text](const DocumentEncoding& e) { return firstUnencodable(text, e); },
        [text](qsizetype at, const DocumentEncoding& e) { return unencodableMessage(text, at, e); },
        [text](const QString& path, const DocumentEncoding& e, LineEnd eol) {
            replaceFileContents(path, encodeDocument(text, e, eol));
        },
    };
}

constexpr qint64 kReadPiece = qint64(2) << 20;

// Reads the next piece of a file into `buffer`; returns how much was read.
qint64 readPiece(QFile& file, QByteArray& buffer, const QString& name)
{
    const qint64 n = file.read(buffer.data(), buffer.size());
    if (n < 0)
        throw readError(name, file.errorString());
    return n;
}

void rewind(QFile& file, const QString& name)
{
    if (!file.seek(0))
        throw readError(name, file.errorString());
}

// Decodes the file from its start in `mode`, piece by piece into the receiver.
// False when the file is not UTF-8 after all (Utf8 mode).
bool streamPass(QFile& file, const QString& name, qint64 limit, TextStreamDecoder& decoder,
                TextReceiver& receiver, QByteArray& piece, QByteArrayView first)
{
    const qint64 size = file.size();
    QByteArray text;
    qint64 read = first.size();
    for (QByteArrayView bytes = first;;) {
        if (read > limit)
            throw tooLarge(name, read, limit);
        text.resize(0);
        if (bytes.isEmpty()) {
            if (!decoder.finish(text))
                return false;
            if (!text.isEmpty())
                receiver.append(text, read, std::max(size, read));
            return true;
        }
        if (!decoder.decode(bytes, text))
            return false;
        receiver.append(text, read, std::max(size, read));
        const qint64 n = readPiece(file, piece, name);
        read += n;
        bytes = QByteArrayView(piece.constData(), n);
    }
}

} // namespace

QString readErrorMessage(const QString& name, const QString& reason)
{
    return QStringLiteral("Error reading file\r\n") + name + QStringLiteral("\r\n") + reason;
}

QString writeErrorMessage(const QString& name, const QString& reason)
{
    return QStringLiteral("Error writing to file\r\n") + name + QStringLiteral("\r\n") + reason;
}

QString backupErrorQuestion(const QString& name)
{
    return QStringLiteral("Error creating backup file for\r\n") + name + QStringLiteral("\r\nSave anyway?");
}

QString unencodableQuestion(const QString& name, const DocumentEncoding& encoding)
{
    return QStringLiteral("The text holds characters that %1 cannot represent.\r\nSave %2 as UTF-8 instead?")
        .arg(encoding.name(), name);
}

LoadedDocument decodeFileContents(QByteArrayView bytes, const LoadOptions& options)
{
    const auto page = options.codePage ? options.codePage : legacyCodePage(defaultSettings().codePage);
    LoadedDocument doc;
    if (RtfReader::isRtf(bytes)) {
        doc.text = RtfReader::toPlainText(bytes, page);
        doc.richText = true;
        const auto legacy = DocumentEncoding::legacy(page);
        doc.encoding = encodesLosslessly(doc.text, legacy) ? legacy : DocumentEncoding::utf8();
        return doc;
    }
    DecodedText d = decodeDocument(bytes, page);
    doc.text = std::move(d.text);
    doc.encoding = d.encoding;
    doc.lineEnds = d.lineEnds;
    return doc;
}

DocumentFormat streamDocumentFile(const QString& name, TextReceiver& receiver, const LoadOptions& options)
{
    if (name.isEmpty())
        throw readError(name, systemErrorText(ENOENT));
    QFile file;
    openRegularFile(file, name);
    const qint64 size = file.size();
    const qint64 limit = options.maxBytes;
    if (size > limit)
        throw tooLarge(name, size, limit);
    QByteArray piece(std::min(kReadPiece, std::max<qint64>(size, 1 << 16)), Qt::Uninitialized);
    const QByteArrayView first(piece.constData(), readPiece(file, piece, name));

    if (RtfReader::isRtf(first)) {
        rewind(file, name);
        const QByteArray bytes = readWholeFile(file, name, limit);
        LoadedDocument doc = decodeFileContents(bytes, options);
        const QByteArray utf8 = doc.text.toUtf8();
        receiver.begin(utf8.size());
        receiver.append(utf8, bytes.size(), bytes.size());
        const DocumentFormat format = doc;
        return format;
    }

    // Most files are UTF-8: decode as such until a byte says otherwise.
    TextStreamDecoder utf8(TextStreamDecoder::Mode::Utf8);
    receiver.begin(first.startsWith("\xEF\xBB\xBF") ? size - 3 : size);
    if (streamPass(file, name, limit, utf8, receiver, piece, first))
        return {utf8.encoding(), utf8.lineEnds(), false};

    // A legacy file: count its exact size first so that the receiver can
    // make room once, then decode it from the start.
    const auto page = options.codePage ? options.codePage : legacyCodePage(defaultSettings().codePage);
    TextStreamDecoder::LegacySize counter(*page);
    rewind(file, name);
    qint64 read = 0;
    for (qint64 n; (n = readPiece(file, piece, name)) > 0;) {
        read += n;
        if (read > limit)
            throw tooLarge(name, read, limit);
        counter.add(QByteArrayView(piece.constData(), n));
    }
    rewind(file, name);
    TextStreamDecoder legacy(TextStreamDecoder::Mode::Legacy, page);
    receiver.begin(counter.bytes());
    streamPass(file, name, limit, legacy, receiver, piece,
               QByteArrayView(piece.constData(), readPiece(file, piece, name)));
    return {legacy.encoding(), legacy.lineEnds(), false};
}

LoadedDocument loadDocumentFile(const QString& name, const LoadOptions& options)
{
    if (name.isEmpty())
        throw readError(name, systemErrorText(ENOENT));
    QFile file;
    openRegularFile(file, name);
    const QByteArray bytes = readWholeFile(file, name, options.maxBytes);
    file.close();
    return decodeFileContents(bytes, options);
}

LoadedDocument loadStandardInput(const LoadOptions& options)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return decodeFileContents({}, options);
    return decodeFileContents(readWholeFile(in, QStringLiteral("standard input"), options.maxBytes), options);
}

void replaceFileContents(const QString& path, const std::function<QByteArrayView()>& next)
{
    replaceFileAtomicallyOrInPlace(path, next);
}

void replaceFileContents(const QString& path, QByteArrayView bytes)
{
    bool given = false;
    replaceFileContents(path, [&]() -> QByteArrayView {
        if (given)
            return {};
        given = true;
        return bytes;
    });
}

SaveResult saveDocument(const QString& name, bool makeBackup, QStringView text,
                        const DocumentEncoding& encoding, const SaveOptions& options, MessageSink& sink)
{
    return saveText(name, makeBackup, utf16Text(text), encoding, options, sink);
}

SaveResult saveUtf8Document(const QString& name, bool makeBackup, QByteArrayView text,
                            const DocumentEncoding& encoding, const SaveOptions& options, MessageSink& sink,
                            const Progress& progress)
{
    const TextToSave toSave{
        [text](const DocumentEncoding& e) { return firstUnencodableUtf8(text, e); },
        [](qsizetype at, const DocumentEncoding& e) {
            return unencodableMessage(QStringView(), at, e); // UTF-8 can hold anything: never asked
        },
        [text, &progress](const QString& path, const DocumentEncoding& e, LineEnd eol) {
            TextStreamEncoder encoder(text, e, eol);
            replaceFileContents(path, [&] {
                const QByteArrayView piece = encoder.next();
                if (progress)
                    progress(encoder.done(), text.size());
                return piece;
            });
        },
    };
    return saveText(name, makeBackup, toSave, encoding, options, sink);
}

bool writeBlockFile(const QString& name, QStringView text, const DocumentEncoding& encoding,
                    MessageSink& sink)
{
    if (name.isEmpty())
        return false;
    const TextToSave toSave = utf16Text(text);
    const auto chosen = encodingToWrite(name, toSave, encoding, sink);
    if (!chosen)
        return false;
    QByteArray bytes = encodeDocument(text, *chosen, LineEnd::CrLf);
    const bool endsWithBreak = !text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r');
    if (!text.isEmpty() && !endsWithBreak)
        bytes += "\r\n";
    return writeReporting(
        name, [&] { replaceFileContents(name, bytes); }, sink);
}

QString blockInsertText(const QString& loadedText)
{
    QString out = toCrLfLineEnds(toLfLineEnds(loadedText));
    if (!out.isEmpty() && !out.endsWith(u'\n'))
        out += QStringLiteral("\r\n");
    return out;
}

} // namespace varnik

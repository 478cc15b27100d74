#include "core/app/documentfile.h"

#include "core/app/error.h"
#include "core/app/hugepages.h"
#include "core/app/rtfreader.h"
#include "core/app/textcodec.h"
#include "core/app/textedit.h"

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
    return Error(QStringLiteral("Error reading file\r\n") + name + QStringLiteral("\r\n") + reason);
}

const QString kNotRegular = QStringLiteral("Not a regular file (a device, pipe or socket)");
const QString kIsDirectory = QStringLiteral("The path is a directory");

// Opens for reading without ever blocking on a pipe or device: the type is
// checked on the open handle, so a path swapped after the check cannot slip by.
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

// Follows a chain of symbolic links to the file they name, existing or not.
QString resolveLinks(const QString& path)
{
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        current = info.symLinkTarget(); // dangling: the file the link will create
    }
    return current;
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

// Settles the encoding to write: the document's, or UTF-8 if the user agrees
// to it for text the code page cannot hold. Empty when nothing is to be written.
std::optional<DocumentEncoding> encodingToWrite(const QString& name, QStringView text,
                                                const DocumentEncoding& encoding, MessageSink& sink)
{
    const qsizetype bad = firstUnencodable(text, encoding);
    if (bad < 0)
        return encoding;
    if (encoding.isUtf8()) {
        // Only a broken surrogate pair gets here: no encoding can write it.
        sink.message(writeErrorMessage(name, unencodableMessage(text, bad, encoding)), MessageKind::Error,
                     Buttons::OK);
        return std::nullopt;
    }
    if (sink.message(unencodableQuestion(name, encoding), MessageKind::Confirmation, Buttons::YesNo) !=
        Result::Yes)
        return std::nullopt;
    return DocumentEncoding::utf8();
}

bool writeReporting(const QString& name, QByteArrayView bytes, MessageSink& sink)
{
    try {
        replaceFileContents(name, bytes);
        return true;
    } catch (const Error& e) {
        sink.message(writeErrorMessage(name, e.message()), MessageKind::Error, Buttons::OK);
        return false;
    }
}

} // namespace

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
    const auto page = options.codePage ? options.codePage : CodePage::windows1250();
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

void replaceFileContents(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(resolveLinks(path));
    if (!file.open(QIODevice::WriteOnly))
        throw Error(file.errorString());
    // A short write (a full disk, the file size limit) is not flagged as an
    // error by the device and commit() would keep the truncated file: check
    // the count and take the reason from the failed system call.
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const int error = errno;
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                               : error != 0                         ? systemErrorText(error)
                                            : QStringLiteral("The file was not completely written");
        file.cancelWriting();
        file.commit();
        throw Error(reason);
    }
    if (!file.commit())
        throw Error(file.errorString());
}

SaveResult saveDocument(const QString& name, bool makeBackup, QStringView text,
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
    const QByteArray bytes = encodeDocument(text, result.encoding, lineEndFromSetting(options.crlf));
    result.saved = writeReporting(name, bytes, sink);
    return result;
}

bool writeBlockFile(const QString& name, QStringView text, const DocumentEncoding& encoding,
                    MessageSink& sink)
{
    if (name.isEmpty())
        return false;
    const auto chosen = encodingToWrite(name, text, encoding, sink);
    if (!chosen)
        return false;
    QByteArray bytes = encodeDocument(text, *chosen, LineEnd::CrLf);
    const bool endsWithBreak = !text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r');
    if (!text.isEmpty() && !endsWithBreak)
        bytes += "\r\n";
    return writeReporting(name, bytes, sink);
}

QString blockInsertText(const QString& loadedText)
{
    QString out = toCrLfLineEnds(toLfLineEnds(loadedText));
    if (!out.isEmpty() && !out.endsWith(u'\n'))
        out += QStringLiteral("\r\n");
    return out;
}

} // namespace varnik

#include "core/app/filereplacement.h"

#include "core/app/error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace varnik {

namespace {

// What a file has beside its contents, taken before it is rewritten.
struct FileTraits {
    bool exists = false;
#ifdef Q_OS_UNIX
    struct stat st {};
#endif
    std::vector<std::pair<QByteArray, QByteArray>> attributes;
};

FileTraits traitsOf(const QString& target)
{
    FileTraits t;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(target);
    t.exists = ::stat(name.constData(), &t.st) == 0 && S_ISREG(t.st.st_mode);
#ifdef Q_OS_LINUX
    if (!t.exists)
        return t;
    QByteArray names(65536, Qt::Uninitialized);
    const ssize_t n = ::listxattr(name.constData(), names.data(), size_t(names.size()));
    for (const QByteArray& attr : names.left(n > 0 ? n : 0).split('\0')) {
        if (attr.isEmpty())
            continue;
        QByteArray value(65536, Qt::Uninitialized);
        const ssize_t v = ::getxattr(name.constData(), attr.constData(), value.data(), size_t(value.size()));
        if (v >= 0)
            t.attributes.emplace_back(attr, value.left(v));
    }
#endif
#else
    t.exists = QFileInfo(target).isFile();
#endif
    return t;
}

// Gives a replaced file back what the old one had; what this user may not set
// (another owner) stays as the system made it.
void restoreTraits(const QString& target, const FileTraits& t)
{
#ifdef Q_OS_UNIX
    if (!t.exists)
        return;
    const QByteArray name = QFile::encodeName(target);
    struct stat now {};
    if (::stat(name.constData(), &now) != 0)
        return;
    if (now.st_uid != t.st.st_uid || now.st_gid != t.st.st_gid) [[maybe_unused]]
        const int ignored = ::chown(name.constData(), t.st.st_uid, t.st.st_gid);
    if ((now.st_mode & 07777) != (t.st.st_mode & 07777))
        ::chmod(name.constData(), t.st.st_mode & 07777);
#ifdef Q_OS_LINUX
    for (const auto& [attr, value] : t.attributes)
        ::setxattr(name.constData(), attr.constData(), value.constData(), size_t(value.size()), 0);
#endif
#else
    Q_UNUSED(target);
    Q_UNUSED(t);
#endif
}

// A rename puts a new file in the old one's place: right only when nothing
// else points at the old file and the new one can be made just like it.
bool renameIsSafe(const QString& path, const QString& target, const FileTraits& t)
{
#ifdef Q_OS_UNIX
    if (!t.exists)
        return true;
    if (QFileInfo(path).isSymLink() || t.st.st_nlink > 1 || t.st.st_uid != ::geteuid())
        return false;
    return ::access(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), W_OK) == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(target);
    Q_UNUSED(t);
    return true;
#endif
}

// A short write (a full disk, the file size limit) is not flagged as an error
// by the device: check the count and take the reason from the failed call.
void writeAll(QFileDevice& file, QByteArrayView bytes)
{
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) == bytes.size())
        return;
    const int error = errno;
    throw Error(file.error() != QFileDevice::NoError ? file.errorString()
                : error != 0                         ? QString::fromLocal8Bit(std::strerror(error))
                                                     : QStringLiteral("The file was not completely written"));
}

void flushAll(QFileDevice& file)
{
    if (!file.flush())
        throw Error(file.errorString());
}

void replaceByRename(const QString& target, const std::function<QByteArrayView()>& next)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(file.errorString());
    try {
        for (QByteArrayView piece; !(piece = next()).isEmpty();)
            writeAll(file, piece);
        flushAll(file);
    } catch (...) {
        file.cancelWriting();
        file.commit();
        throw;
    }
    if (!file.commit())
        throw Error(file.errorString());
}

// Copies `from` (from its start) over `to` and cuts `to` there.
void copyOver(QFile& from, QFile& to)
{
    if (!from.seek(0) || !to.seek(0))
        throw Error(to.errorString());
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 n; (n = from.read(chunk.data(), chunk.size())) != 0;) {
        if (n < 0)
            throw Error(from.errorString());
        writeAll(to, QByteArrayView(chunk.constData(), n));
    }
    flushAll(to);
    if (!to.resize(from.size()))
        throw Error(to.errorString());
}

void replaceInPlace(const QString& target, const std::function<QByteArrayView()>& next)
{
    // The new contents are made whole first, so a failure there leaves the file untouched.
    QTemporaryFile fresh;
    if (!fresh.open())
        throw Error(fresh.errorString());
    for (QByteArrayView piece; !(piece = next()).isEmpty();)
        writeAll(fresh, piece);
    flushAll(fresh);

    QFile file(target);
    if (!file.open(QIODevice::ReadWrite))
        throw Error(file.errorString());
    // The old contents wait aside until the new ones are in.
    QTemporaryFile old;
    if (!old.open())
        throw Error(old.errorString());
    copyOver(file, old);
    try {
        copyOver(fresh, file);
    } catch (const Error& e) {
        try {
            copyOver(old, file);
        } catch (const Error&) {
            old.setAutoRemove(false);
            throw Error(e.message() + QStringLiteral("\r\nThe previous contents are kept in ") +
                        old.fileName());
        }
        throw Error(e.message() + QStringLiteral("\r\nThe file keeps its previous contents."));
    }
}

} // namespace

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

void replaceFileAtomicallyOrInPlace(const QString& path, const std::function<QByteArrayView()>& next)
{
    const QString target = resolveLinks(path);
    const FileTraits traits = traitsOf(target);
    if (renameIsSafe(path, target, traits))
        replaceByRename(target, next);
    else
        replaceInPlace(target, next);
    restoreTraits(target, traits);
}

} // namespace varnik

#include "core/app/autosavestore.h"

#include "core/app/error.h"
#include "core/app/filetexts.h"
#include "core/app/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnik {

namespace {

QString copyName(const QString& token, int documentId)
{
    return QStringLiteral("Varnik.%1.%2.tmp").arg(token).arg(documentId);
}

QString lockName(const QString& token)
{
    return QStringLiteral("session-%1.lock").arg(token);
}

const QRegularExpression& copyPattern()
{
    static const QRegularExpression re(QStringLiteral("^Varnik\\.([0-9a-f]{16})\\.(-?[0-9]{1,10})\\.tmp$"));
    return re;
}

Error notPrivate(const QString& dir, const QString& why)
{
    return Error(QStringLiteral("The autosave directory %1 is not private: %2").arg(dir, why));
}

} // namespace

QString AutosaveStore::defaultDirectory()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath();
    return base + QStringLiteral("/Varnik/autosave");
}

AutosaveStore::AutosaveStore(QString directory) : directory_(std::move(directory))
{
    token_ = QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QChar(u'0'));
}

AutosaveStore::~AutosaveStore() = default;

void AutosaveStore::ensurePrivateDirectory() const
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(directory_);
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) {
        if (errno != ENOENT)
            throw notPrivate(directory_, QString::fromLocal8Bit(std::strerror(errno)));
        QDir().mkpath(QFileInfo(directory_).absolutePath());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            throw Error(QStringLiteral("Cannot create the autosave directory %1: %2")
                            .arg(directory_, QString::fromLocal8Bit(std::strerror(errno))));
        if (::lstat(path.constData(), &st) != 0)
            throw notPrivate(directory_, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISDIR(st.st_mode))
        throw notPrivate(directory_, QStringLiteral("it is not a directory"));
    if (st.st_uid != ::geteuid())
        throw notPrivate(directory_, QStringLiteral("it belongs to another user"));
    if ((st.st_mode & 077) != 0)
        throw notPrivate(directory_, QStringLiteral("others may open it (its mode must be 0700)"));
#else
    if (!QDir().mkpath(directory_))
        throw Error(QStringLiteral("Cannot create the autosave directory %1").arg(directory_));
#endif
}

void AutosaveStore::lockSession()
{
    if (lock_)
        return;
    auto lock = std::make_unique<QLockFile>(directory_ + u'/' + lockName(token_));
    // Only a session that is gone counts as ended, however long it runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        throw Error(QStringLiteral("Cannot lock the autosave session in %1").arg(directory_));
    lock_ = std::move(lock);
}

QString AutosaveStore::save(int documentId, QStringView text, int crlf)
{
    ensurePrivateDirectory();
    lockSession();
    const QString path = directory_ + u'/' + copyName(token_, documentId);
    replaceFileContents(path, encodeDocument(text, DocumentEncoding::utf8(), lineEndFromSetting(crlf)));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    copies_[documentId] = path;
    return path;
}

QString AutosaveStore::pathOf(int documentId) const
{
    const auto it = copies_.find(documentId);
    return it == copies_.end() ? QString() : it->second;
}

void AutosaveStore::discard(int documentId)
{
    const auto it = copies_.find(documentId);
    if (it == copies_.end())
        return;
    QFile::remove(it->second);
    copies_.erase(it);
}

void AutosaveStore::discardAll()
{
    for (const auto& [id, path] : copies_)
        QFile::remove(path);
    copies_.clear();
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

std::vector<AutosaveStore::Recoverable> AutosaveStore::recoverable() const
{
    std::vector<Recoverable> found;
    const QDir dir(directory_);
    if (!dir.exists())
        return found;
    ensurePrivateDirectory();
    std::map<QString, bool> ended; // session token -> no longer running
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const auto m = copyPattern().match(info.fileName());
        if (!m.hasMatch() || info.isSymLink())
            continue;
        const QString token = m.captured(1);
        if (token == token_)
            continue;
        auto it = ended.find(token);
        if (it == ended.end()) {
            QLockFile other(dir.filePath(lockName(token)));
            other.setStaleLockTime(0);
            // Taking the lock succeeds only when its holder is gone (or it
            // never existed); it is given back at once.
            const bool gone = other.tryLock(0);
            if (gone)
                other.unlock();
            it = ended.emplace(token, gone).first;
        }
        if (!it->second)
            continue;
        found.push_back({info.absoluteFilePath(), m.captured(2).toInt(), info.lastModified(), info.size()});
    }
    std::sort(found.begin(), found.end(), [](const Recoverable& a, const Recoverable& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.path < b.path;
    });
    return found;
}

void AutosaveStore::removeRecovered(const QString& path) const
{
    const QFileInfo info(path);
    const auto m = copyPattern().match(info.fileName());
    if (!m.hasMatch() || QDir(info.absolutePath()) != QDir(directory_) || m.captured(1) == token_)
        return;
    // Only copies of an ended session: its lock can be taken.
    QLockFile lock(directory_ + u'/' + lockName(m.captured(1)));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return;
    QFile::remove(path);
    lock.unlock(); // removes the ended session's lock file; a missing one also means ended
}

AutosaveOutcome autosaveDocument(AutosaveStore& store, const AutosaveDocument& doc,
                                 const SaveOptions& options, MessageSink& sink)
{
    AutosaveOutcome outcome;
    if (!doc.fileName.isEmpty() && encodesLosslessly(doc.text, doc.encoding)) {
        if (saveDocument(doc.fileName, true, doc.text, doc.encoding, options, sink).saved) {
            store.discard(doc.id);
            outcome.written = outcome.saved = true;
            outcome.status = FileTexts::kStatusAutosaved.toString();
            return outcome;
        }
    }
    try {
        const QString path = store.save(doc.id, doc.text, options.crlf);
        outcome.written = true;
        outcome.status = FileTexts::kStatusAutosavedUntitled.toString() + path;
    } catch (const Error& e) {
        sink.message(writeErrorMessage(store.directory(), e.message()), MessageKind::Error, Buttons::OK);
    }
    return outcome;
}

} // namespace varnik

#pragma once

#include "core/app/documentencoding.h"
#include "core/app/documentfile.h"
#include "core/app/messagesink.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QLockFile;

namespace varnik {

// Autosave copies of documents in a private per-user directory (mode 0700).
// Each running session has an unpredictable token; its copies are named
// "Varnik.<token>.<document id>.tmp" and a lock file marks the session as
// alive, so copies left by a session that ended without cleaning up (a crash)
// can be found and offered for recovery, while those of sessions still
// running are left alone.
class AutosaveStore {
public:
    // The default directory: the per-user data location + "/Varnik/autosave"
    // (~/.local/share/Varnik/autosave on Linux).
    static QString defaultDirectory();

    explicit AutosaveStore(QString directory = defaultDirectory());
    ~AutosaveStore();
    AutosaveStore(const AutosaveStore&) = delete;
    AutosaveStore& operator=(const AutosaveStore&) = delete;

    const QString& directory() const { return directory_; }
    const QString& sessionToken() const { return token_; }

    // Creates the directory (mode 0700) when missing. Throws Error when it
    // exists but is not a directory of this user's that no one else can open.
    void ensurePrivateDirectory() const;

    // Writes the copy of a document (UTF-8, which holds any text, with the
    // CRLF setting's line ends); the same path for the same document for the
    // whole session. Returns the path; throws Error.
    QString save(int documentId, QStringView text, int crlf);
    // The copy's path, empty when none was written.
    QString pathOf(int documentId) const;
    // Removes a document's copy: it was closed normally or saved under its name.
    void discard(int documentId);
    // Removes every copy this session wrote (a normal end).
    void discardAll();

    struct Recoverable {
        QString path;
        int documentId = 0;
        QDateTime modified;
        qint64 size = 0;
    };
    // Copies left by sessions that are no longer running, newest first.
    std::vector<Recoverable> recoverable() const;
    // Removes a recovered (or declined) copy of an ended session, and that
    // session's lock file. Copies of running sessions are left alone.
    void removeRecovered(const QString& path) const;

private:
    void lockSession();

    QString directory_;
    QString token_;
    std::unique_ptr<QLockFile> lock_;
    std::map<int, QString> copies_;
};

// One autosave tick for one modified document.
struct AutosaveDocument {
    int id = 0;
    QString fileName; // empty: untitled
    QStringView text;
    DocumentEncoding encoding;
};

struct AutosaveOutcome {
    bool written = false;
    // Saved under its own name: no longer modified.
    bool saved = false;
    QString status; // for the status bar
};

// Untitled documents, and titled ones whose text their encoding cannot hold
// (no question may interrupt a timer), are copied into the store and stay
// modified ("Autosaved: " + path). Titled documents are saved under their
// name with a backup ("Autosaved..."); when that fails the error is reported
// and a copy is kept in the store instead.
AutosaveOutcome autosaveDocument(AutosaveStore& store, const AutosaveDocument& doc,
                                 const SaveOptions& options, MessageSink& sink);

} // namespace varnik

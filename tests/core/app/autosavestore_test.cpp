#include "core/app/autosavestore.h"
#include "core/app/error.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnik {
namespace {

using test::readFile;
using test::RecordingSink;
using test::writeFile;

unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

std::string privateDirectoryError(const QString& dir)
{
    try {
        AutosaveStore(dir).ensurePrivateDirectory();
    } catch (const Error& e) {
        return e.message().toStdString();
    }
    return "";
}

class AutosaveStoreTest : public ::testing::Test {
protected:
    QString store() const { return root.filePath(u"autosave"_qs); }
    QTemporaryDir root;
};

TEST_F(AutosaveStoreTest, directoryMustBePrivate)
{
    const QString base = root.path();
    QDir(base).mkpath(u"open"_qs);
    QFile::setPermissions(base + u"/open"_qs, QFileDevice::Permissions(0x7755));
    QDir(base).mkpath(u"private"_qs);
    QFile::setPermissions(base + u"/private"_qs, QFileDevice::Permissions(0x7700));
    writeFile(base + u"/file"_qs, "x");
    QFile::link(base + u"/private"_qs, base + u"/link"_qs);
    QDir(base).mkpath(u"foreign"_qs);
    QFile::setPermissions(base + u"/foreign"_qs, QFileDevice::Permissions(0x7700));
    const bool chowned = ::chown(QFile::encodeName(base + u"/foreign"_qs).constData(), 65534, 65534) == 0;
    const auto refused = [&](const char* dir, const char* why) {
        return "The autosave directory " + base.toStdString() + "/" + dir + " is not private: " + why;
    };
    struct Row {
        const char* name;
        const char* dir;
        std::string error;
    };
    const Row rows[] = {
        {"createdWhenMissing", "new/deeper/autosave", ""},
        {"privateIsAccepted", "private", ""},
        {"openToOthersIsRefused", "open", refused("open", "others may open it (its mode must be 0700)")},
        {"fileIsRefused", "file", refused("file", "it is not a directory")},
        {"symbolicLinkIsRefused", "link", refused("link", "it is not a directory")},
        {"anotherUsersIsRefused", "foreign",
         chowned ? refused("foreign", "it belongs to another user") : std::string()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString dir = base + u'/' + QString::fromLatin1(r.dir);
        EXPECT_EQ(privateDirectoryError(dir), r.error);
        if (r.error.empty()) {
            EXPECT_EQ(modeOf(dir), 0700u);
        }
    }
}

TEST_F(AutosaveStoreTest, copiesHaveUnpredictableStableNames)
{
    AutosaveStore a(store());
    AutosaveStore b(store());
    EXPECT_NE(a.sessionToken(), b.sessionToken());
    const QString first = a.save(7, u"one\r\ntwo"_qs, 1);
    const QString again = a.save(7, u"changed"_qs, 1);
    const QString other = b.save(7, u"b"_qs, 0);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    EXPECT_EQ(a.pathOf(7), first);
    EXPECT_TRUE(a.pathOf(8).isEmpty());
    const QRegularExpression name(u"^Varnik\\.[0-9a-f]{16}\\.7\\.tmp$"_qs);
    EXPECT_TRUE(name.match(QFileInfo(first).fileName()).hasMatch()) << first.toStdString();
    EXPECT_EQ(QFileInfo(first).absolutePath(), QFileInfo(store()).absoluteFilePath());
    EXPECT_EQ(readFile(again), QByteArray("changed"));
    EXPECT_EQ(modeOf(first), 0600u);
    EXPECT_EQ(modeOf(store()), 0700u);
}

TEST_F(AutosaveStoreTest, writesUtf8WithTheConfiguredLineEnds)
{
    AutosaveStore s(store());
    EXPECT_EQ(readFile(s.save(1, u"ą\r\nж"_qs, 1)), QByteArray("\xC4\x85\n\xD0\xB6"));
    EXPECT_EQ(readFile(s.save(2, u"a\nb"_qs, 0)), QByteArray("a\r\nb"));
}

TEST_F(AutosaveStoreTest, normalEndLeavesNothing)
{
    {
        AutosaveStore s(store());
        s.save(1, u"a"_qs, 0);
        const QString two = s.save(2, u"b"_qs, 0);
        s.discard(2);
        EXPECT_FALSE(QFileInfo::exists(two));
        s.discardAll();
    }
    EXPECT_EQ(QDir(store()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

// A session that crashed: a child process writes copies and ends without cleaning up.
void crashedSession(const QString& dir, const std::vector<std::pair<int, QString>>& docs)
{
    const pid_t child = ::fork();
    if (child == 0) {
        AutosaveStore s(dir);
        for (const auto& [id, text] : docs)
            s.save(id, text, 0);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST_F(AutosaveStoreTest, listsOnlyCopiesOfEndedSessions)
{
    crashedSession(store(), {{1, u"first"_qs}, {2, u"second"_qs}});
    AutosaveStore running(store()); // another live session
    running.save(3, u"live"_qs, 0);
    AutosaveStore self(store());
    self.save(4, u"mine"_qs, 0);
    writeFile(store() + u"/notes.txt"_qs, "x");
    writeFile(store() + u"/Varnik.0123456789abcdef.5.tmp.Ab12Cd"_qs, "half written");
    writeFile(store() + u"/Varnik.short.6.tmp"_qs, "x");

    const auto found = self.recoverable();
    std::set<int> ids;
    std::set<QByteArray> texts;
    for (const auto& r : found) {
        ids.insert(r.documentId);
        texts.insert(readFile(r.path));
        EXPECT_EQ(r.size, readFile(r.path).size());
    }
    EXPECT_EQ(ids, (std::set<int>{1, 2}));
    EXPECT_EQ(texts, (std::set<QByteArray>{"first", "second"}));

    for (const auto& r : found)
        self.removeRecovered(r.path);
    EXPECT_TRUE(self.recoverable().empty());
    // The ended session's lock is gone; the live ones stay.
    const QStringList locks = QDir(store()).entryList({u"session-*.lock"_qs}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(locks.size(), 2);
    EXPECT_EQ(readFile(running.pathOf(3)), QByteArray("live"));
}

TEST_F(AutosaveStoreTest, removeRecoveredTouchesNothingElse)
{
    AutosaveStore running(store());
    const QString live = running.save(1, u"live"_qs, 0);
    AutosaveStore self(store());
    writeFile(root.filePath(u"outside.txt"_qs), "x");
    const QString own = self.save(2, u"own"_qs, 0);
    self.removeRecovered(live);
    self.removeRecovered(own);
    self.removeRecovered(root.filePath(u"outside.txt"_qs));
    EXPECT_TRUE(QFileInfo::exists(root.filePath(u"outside.txt"_qs)));
    EXPECT_EQ(readFile(live), QByteArray("live"));
    EXPECT_EQ(readFile(own), QByteArray("own"));
    EXPECT_EQ(QDir(store()).entryList({u"session-*.lock"_qs}, QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_TRUE(AutosaveStore(root.filePath(u"never-created"_qs)).recoverable().empty());
}

TEST_F(AutosaveStoreTest, autosaveTickPerDocument)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    struct Row {
        const char* name;
        bool titled;
        const char* fileSetup; // nullptr: a plain file "old"; "dir": the name is a directory
        QString text;
        DocumentEncoding encoding;
        bool saved, copied;
        QByteArray fileAfter;
        size_t messages;
    };
    const Row rows[] = {
        {"untitledGoesToTheStore", false, nullptr, u"draft"_qs, cp1250, false, true, QByteArray(), 0},
        {"titledIsSavedWithBackup", true, nullptr, u"new"_qs, cp1250, true, false, "new", 0},
        {"titledBeyondItsCodePageIsCopiedWithoutAsking", true, nullptr, u"ж"_qs, cp1250, false, true, "old",
         0},
        {"titledFailingIsReportedAndCopied", true, "dir", u"new"_qs, cp1250, false, true, QByteArray(), 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir work;
        AutosaveStore store(work.filePath(u"autosave"_qs));
        const QString file = work.filePath(u"doc.txt"_qs);
        if (r.fileSetup)
            QDir(work.path()).mkdir(u"doc.txt"_qs);
        else
            writeFile(file, "old");
        RecordingSink sink;
        SaveOptions options;
        const AutosaveOutcome out =
            autosaveDocument(store, {5, r.titled ? file : QString(), r.text, r.encoding}, options, sink);
        EXPECT_TRUE(out.written);
        EXPECT_EQ(out.saved, r.saved);
        EXPECT_EQ(sink.messages.size(), r.messages);
        if (r.copied) {
            EXPECT_EQ(out.status, u"Autosaved: "_qs + store.pathOf(5));
            EXPECT_EQ(QString::fromUtf8(readFile(store.pathOf(5))), r.text);
        } else {
            EXPECT_EQ(out.status, u"Autosaved..."_qs);
            EXPECT_TRUE(store.pathOf(5).isEmpty());
            EXPECT_EQ(readFile(file + u".BAK"_qs), QByteArray("old"));
        }
        if (!r.fileAfter.isEmpty()) {
            EXPECT_EQ(readFile(file), r.fileAfter);
        }
    }
}

TEST_F(AutosaveStoreTest, savingUnderItsNameDropsTheEarlierCopy)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    AutosaveStore s(store());
    const QString file = root.filePath(u"doc.txt"_qs);
    RecordingSink sink;
    autosaveDocument(s, {1, file, u"ж"_qs, cp1250}, {}, sink);
    const QString copy = s.pathOf(1);
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_TRUE(autosaveDocument(s, {1, file, u"ż"_qs, cp1250}, {}, sink).saved);
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_EQ(readFile(file), QByteArray("\xBF"));
}

TEST_F(AutosaveStoreTest, storeThatIsNotPrivateIsReported)
{
    QDir().mkpath(store());
    QFile::setPermissions(store(), QFileDevice::Permissions(0x7777));
    AutosaveStore s(store());
    RecordingSink sink;
    const AutosaveOutcome out =
        autosaveDocument(s, {1, QString(), u"x"_qs, DocumentEncoding::utf8()}, {}, sink);
    EXPECT_FALSE(out.written);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, u"Error writing to file\r\n"_qs + store() +
                                         u"\r\nThe autosave directory "_qs + store() +
                                         u" is not private: others may open it (its mode must be 0700)"_qs);
    EXPECT_EQ(QDir(store()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

} // namespace
} // namespace varnik

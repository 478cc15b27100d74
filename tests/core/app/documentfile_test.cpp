#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
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
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

class DocumentFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    QTemporaryDir dir;
};

std::string loadError(const QString& name, const LoadOptions& options = {})
{
    try {
        loadDocumentFile(name, options);
    } catch (const Error& e) {
        return e.message().toStdString();
    }
    return "<opened>";
}

TEST_F(DocumentFileTest, refusesWhatIsNotAReadableRegularFile)
{
    writeFile(path(u"eleven.txt"_qs), "12345678901");
    ::mkfifo(QFile::encodeName(path(u"pipe"_qs)).constData(), 0600);
    QDir(dir.path()).mkdir(u"sub"_qs);
    struct Row {
        const char* name;
        QString file;
        qint64 limit;
        std::string message;
    };
    const auto expected = [](const QString& file, const char* reason) {
        return ("Error reading file\r\n" + file + "\r\n" + QString::fromUtf8(reason)).toStdString();
    };
    const Row rows[] = {
        {"missing", path(u"none.txt"_qs), kDefaultMaxFileSize,
         expected(path(u"none.txt"_qs), "No such file or directory")},
        {"directory", path(u"sub"_qs), kDefaultMaxFileSize,
         expected(path(u"sub"_qs), "The path is a directory")},
        {"deviceThatNeverEnds", u"/dev/zero"_qs, kDefaultMaxFileSize,
         expected(u"/dev/zero"_qs, "Not a regular file (a device, pipe or socket)")},
        {"pipeWithoutWriter", path(u"pipe"_qs), kDefaultMaxFileSize,
         expected(path(u"pipe"_qs), "Not a regular file (a device, pipe or socket)")},
        {"overTheSizeLimit", path(u"eleven.txt"_qs), 10,
         expected(path(u"eleven.txt"_qs), "The file is too large to open (11 bytes; the limit is 10 bytes)")},
        {"exactlyAtTheLimit", path(u"eleven.txt"_qs), 11, "<opened>"},
        {"emptyName", QString(), kDefaultMaxFileSize, expected(QString(), "No such file or directory")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        LoadOptions options;
        options.maxBytes = r.limit;
        EXPECT_EQ(loadError(r.file, options), r.message);
    }
}

TEST_F(DocumentFileTest, readsFilesWhoseSizeIsNotKnownInAdvance)
{
    // Files under /proc report size 0 yet have contents.
    const LoadedDocument d = loadDocumentFile(u"/proc/self/status"_qs);
    EXPECT_TRUE(d.text.contains(u"Name:"_qs));
}

TEST_F(DocumentFileTest, opensPlainTextRichTextAndLinks)
{
    writeFile(path(u"cp1250.txt"_qs), "\xB9\xE6\r\nx");
    writeFile(path(u"doc.rtf"_qs), "{\\rtf1\\ansi\\ansicpg1250 \\'b9\\par x\\par}");
    writeFile(path(u"emoji.rtf"_qs), "{\\rtf1 \\u55357?\\u56832?}");
    QFile::link(path(u"cp1250.txt"_qs), path(u"link.txt"_qs));
    struct Row {
        const char* name;
        QString file;
        QString text;
        QString encoding;
        bool richText;
    };
    const Row rows[] = {
        {"legacyText", path(u"cp1250.txt"_qs), u"ąć\nx"_qs, u"windows-1250"_qs, false},
        {"richTextInCodePage", path(u"doc.rtf"_qs), u"ą\nx"_qs, u"windows-1250"_qs, true},
        {"richTextBeyondCodePage", path(u"emoji.rtf"_qs), u"😀"_qs, u"UTF-8"_qs, true},
        {"symbolicLink", path(u"link.txt"_qs), u"ąć\nx"_qs, u"windows-1250"_qs, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const LoadedDocument d = loadDocumentFile(r.file);
        EXPECT_EQ(d.text, r.text);
        EXPECT_EQ(d.encoding.name(), r.encoding);
        EXPECT_EQ(d.richText, r.richText);
    }
}

TEST_F(DocumentFileTest, openedAndSavedUnchangedIsTheSameFile)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        const char b = char((i * 131 + 7) & 0xFF);
        if (b != '\r' && b != '\n')
            binary.append(b);
    }
    struct Row {
        const char* name;
        QByteArray bytes;
        int crlf;
    };
    const Row rows[] = {
        {"cp1250CrLf", "Za\xBF\xF3\xB3\xE6\r\ng\xEA\x9C\x6C\xB9\r\n", 0},
        {"utf8BomLf", "\xEF\xBB\xBF\xC5\xBC\xC3\xB3\xC5\x82w\nb", 1},
        {"utf8Cr", "a\rb\r\r", 2},
        {"nulBytes", QByteArray("a\0\0b\r\n\0", 7), 0},
        {"binary", binary, 0},
    };
    SaveOptions options;
    options.createBackup = false;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = path(QString::fromLatin1(r.name));
        writeFile(file, r.bytes);
        const LoadedDocument d = loadDocumentFile(file);
        options.crlf = r.crlf;
        RecordingSink sink;
        EXPECT_TRUE(saveDocument(file, true, d.text, d.encoding, options, sink).saved);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(readFile(file).toHex(' ').toStdString(), r.bytes.toHex(' ').toStdString());
    }
}

TEST_F(DocumentFileTest, backupKeepsThePreviousContents)
{
    struct Row {
        const char* name;
        bool fileExists;
        const char* oldBackup; // nullptr: none
        bool backupReadOnly;
        bool makeBackup;
        bool createBackup;
        QString bakExt;
        const char* expectedBackup; // nullptr: none
    };
    const Row rows[] = {
        {"saveKeepsOldContents", true, nullptr, false, true, true, u".BAK"_qs, "old"},
        {"readOnlyBackupIsReplaced", true, "older", true, true, true, u".BAK"_qs, "old"},
        {"saveAsMakesNone", true, nullptr, false, false, true, u".BAK"_qs, nullptr},
        {"settingOffMakesNone", true, "older", false, true, false, u".BAK"_qs, "older"},
        {"newFileHasNothingToKeep", false, nullptr, false, true, true, u".BAK"_qs, nullptr},
        {"otherExtensionIsAppended", true, nullptr, false, true, true, u"~"_qs, "old"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir d;
        const QString file = d.filePath(u"notes.txt"_qs);
        const QString backup = file + r.bakExt;
        if (r.fileExists)
            writeFile(file, "old");
        if (r.oldBackup) {
            writeFile(backup, r.oldBackup);
            if (r.backupReadOnly)
                QFile::setPermissions(backup, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        }
        SaveOptions options;
        options.createBackup = r.createBackup;
        options.bakExt = r.bakExt;
        RecordingSink sink;
        EXPECT_TRUE(
            saveDocument(file, r.makeBackup, u"new"_qs, DocumentEncoding::utf8(), options, sink).saved);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(readFile(file), QByteArray("new"));
        EXPECT_EQ(readFile(backup), QByteArray(r.expectedBackup ? r.expectedBackup : "<missing>"));
    }
}

TEST_F(DocumentFileTest, backupIsNoMoreReadableThanTheFile)
{
    const QString file = path(u"private.txt"_qs);
    writeFile(file, "old");
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    RecordingSink sink;
    ASSERT_TRUE(saveDocument(file, true, u"new"_qs, DocumentEncoding::utf8(), {}, sink).saved);
    EXPECT_EQ(modeOf(file + u".BAK"_qs), 0600u);
    EXPECT_EQ(modeOf(file), 0600u);
}

TEST_F(DocumentFileTest, failedBackupAsksWhetherToSaveAnyway)
{
    struct Row {
        const char* name;
        int answer;
        bool saved;
        const char* contents;
    };
    const Row rows[] = {
        {"noLeavesTheFile", Result::No, false, "old"},
        {"yesSavesWithoutBackup", Result::Yes, true, "new"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir d;
        const QString file = d.filePath(u"a.txt"_qs);
        writeFile(file, "old");
        QDir(d.path()).mkdir(u"a.txt.BAK"_qs); // the backup name is taken by a directory
        RecordingSink sink({r.answer});
        EXPECT_EQ(saveDocument(file, true, u"new"_qs, DocumentEncoding::utf8(), {}, sink).saved, r.saved);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text,
                  u"Error creating backup file for\r\n"_qs + file + u"\r\nSave anyway?"_qs);
        EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(sink.messages[0].buttons, Buttons::YesNo);
        EXPECT_EQ(readFile(file), QByteArray(r.contents));
    }
}

TEST_F(DocumentFileTest, failedWriteReportsAndLeavesTheOldFile)
{
    QDir(dir.path()).mkdir(u"folder"_qs);
    writeFile(path(u"kept.txt"_qs), "old");
    struct Row {
        const char* name;
        QString file;
        QString reason;
    };
    const Row rows[] = {
        {"pathIsADirectory", path(u"folder"_qs), u"Filename refers to a directory"_qs},
        {"missingDirectory", path(u"nowhere/kept.txt"_qs), u"No such file or directory"_qs},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSink sink;
        EXPECT_FALSE(saveDocument(r.file, true, u"new"_qs, DocumentEncoding::utf8(), {}, sink).saved);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text.toStdString(),
                  (u"Error writing to file\r\n"_qs + r.file + u"\r\n"_qs + r.reason).toStdString());
        EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(sink.messages[0].buttons, Buttons::OK);
    }
    EXPECT_EQ(entries(), QStringList({u"folder"_qs, u"kept.txt"_qs}));
}

// Permissions do not bind root, and the tests may run as root: then the body
// runs in a child process as the unprivileged user "nobody". Returns what the
// body found wrong, empty when nothing.
std::string unprivileged(const std::function<std::string()>& body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child < 0)
        return "no fork";
    if (child == 0) {
        ::close(fds[0]);
        std::string failure;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            failure = "cannot drop privileges";
        else
            failure = body();
        [[maybe_unused]] const auto n = ::write(fds[1], failure.data(), failure.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string failure;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        failure.append(buffer, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        failure += " (the child process ended abnormally)";
    return failure;
}

std::string expectText(const QString& actual, const QString& expected)
{
    return actual == expected ? std::string() : "got \"" + actual.toStdString() + "\"; ";
}

// Saves "new" (UTF-8) to `file` and describes what differs from the expected
// outcome: whether it was saved, the one message shown (none when empty) and
// the file's contents afterwards.
std::string saveOutcome(const QString& file, bool makeBackup, bool saved, const QString& message,
                        const QString& contents, const QString& text = u"new"_qs)
{
    RecordingSink sink;
    SaveOptions options;
    std::string failure;
    if (saveDocument(file, makeBackup, text, DocumentEncoding::utf8(), options, sink).saved != saved)
        failure += saved ? "not saved; " : "saved; ";
    if (sink.messages.size() != (message.isEmpty() ? 0u : 1u))
        failure += "messages: " + std::to_string(sink.messages.size()) + "; ";
    else if (!message.isEmpty())
        failure += expectText(sink.messages[0].text, message);
    return failure + expectText(QString::fromLatin1(readFile(file)), contents);
}

TEST_F(DocumentFileTest, permissionsAreRespected)
{
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    struct Row {
        const char* name;
        std::function<std::string(const QString& dir)> body;
    };
    const Row rows[] = {
        {"unreadableFileIsRefused",
         [](const QString& d) {
             const QString file = d + u"/secret.txt"_qs;
             writeFile(file, "x");
             QFile::setPermissions(file, QFileDevice::WriteOwner);
             return expectText(QString::fromStdString(loadError(file)),
                               u"Error reading file\r\n"_qs + file + u"\r\nPermission denied"_qs);
         }},
        {"readOnlyFileIsNotOverwritten",
         [](const QString& d) {
             const QString file = d + u"/locked.txt"_qs;
             writeFile(file, "old");
             QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther);
             return saveOutcome(file, false, false,
                                u"Error writing to file\r\n"_qs + file + u"\r\nExisting file "_qs + file +
                                    u" is not writable"_qs,
                                u"old"_qs);
         }},
        {"writableFileInAReadOnlyDirectoryIsWrittenInPlace",
         [](const QString& d) {
             const QString file = d + u"/ro/a.txt"_qs;
             QDir().mkdir(d + u"/ro"_qs);
             writeFile(file, "old");
             QFile::setPermissions(d + u"/ro"_qs, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
             return saveOutcome(file, false, true, QString(), u"new"_qs);
         }},
        {"readOnlyBackupIsReplaced",
         [](const QString& d) {
             const QString file = d + u"/notes.txt"_qs;
             writeFile(file, "old");
             writeFile(file + u".BAK"_qs, "older");
             QFile::setPermissions(file + u".BAK"_qs, QFileDevice::ReadOwner);
             const std::string failure = saveOutcome(file, true, true, QString(), u"new"_qs);
             return failure + expectText(QString::fromLatin1(readFile(file + u".BAK"_qs)), u"old"_qs);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString sub = path(QString::fromLatin1(r.name));
        QDir().mkdir(sub);
        QFile::setPermissions(sub, QFileDevice::Permissions(0x7777));
        EXPECT_EQ(unprivileged([&] { return r.body(sub); }), "");
    }
}

// The file size limit makes the write fail half way: the old file must survive
// and no temporary file may be left behind. Runs in a child process, whose
// limit and signal disposition the test runner does not share.
TEST_F(DocumentFileTest, writeCutShortByTheFileSizeLimitLeavesTheOldFile)
{
    const QString file = path(u"big.txt"_qs);
    writeFile(file, "old contents");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string failure =
            saveOutcome(file, false, false, u"Error writing to file\r\n"_qs + file + u"\r\nFile too large"_qs,
                        u"old contents"_qs, QString(1 << 20, u'x'));
        if (QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() != 1)
            failure += "a temporary file was left";
        if (!failure.empty())
            std::fprintf(stderr, "%s\n", failure.c_str());
        const int code = failure.empty() ? 0 : 1;
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(DocumentFileTest, symbolicLinkIsSavedThroughToItsTarget)
{
    QDir(dir.path()).mkdir(u"real"_qs);
    const QString target = path(u"real/target.txt"_qs);
    const QString link = path(u"link.txt"_qs);
    writeFile(target, "old");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(QFile::link(u"real/target.txt"_qs, link));
    RecordingSink sink;
    ASSERT_TRUE(saveDocument(link, true, u"new"_qs, DocumentEncoding::utf8(), {}, sink).saved);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(target), QByteArray("new"));
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(readFile(link + u".BAK"_qs), QByteArray("old"));
    EXPECT_EQ(QDir(path(u"real"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList({u"target.txt"_qs}));
}

TEST_F(DocumentFileTest, textTheCodePageCannotHoldIsAQuestion)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    struct Row {
        const char* name;
        int answer;
        bool saved;
        QByteArray contents;
        const char* encoding;
    };
    const Row rows[] = {
        {"yesWritesUtf8", Result::Yes, true, "\xC4\x85\xD0\xB6", "UTF-8"},
        {"noWritesNothing", Result::No, false, "old", "windows-1250"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir d;
        const QString file = d.filePath(u"a.txt"_qs);
        writeFile(file, "old");
        RecordingSink sink({r.answer});
        const SaveResult result = saveDocument(file, true, u"ąж"_qs, cp1250, {}, sink);
        EXPECT_EQ(result.saved, r.saved);
        EXPECT_EQ(result.encoding.name(), QString::fromLatin1(r.encoding));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, u"The text holds characters that windows-1250 cannot represent.\r\n"
                                         u"Save "_qs +
                                             file + u" as UTF-8 instead?"_qs);
        EXPECT_EQ(sink.messages[0].buttons, Buttons::YesNo);
        EXPECT_EQ(readFile(file), r.contents);
        EXPECT_EQ(QFileInfo::exists(file + u".BAK"_qs), r.saved);
    }
}

TEST_F(DocumentFileTest, emptyNameDoesNothing)
{
    RecordingSink sink;
    EXPECT_FALSE(saveDocument(QString(), true, u"x"_qs, DocumentEncoding::utf8(), {}, sink).saved);
    EXPECT_FALSE(writeBlockFile(QString(), u"x"_qs, DocumentEncoding::utf8(), sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(DocumentFileTest, blockWriteEndsEveryLineWithCrLf)
{
    struct Row {
        const char* name;
        QString selection;
        QByteArray file;
    };
    const Row rows[] = {
        {"twoLines", u"a\r\nb"_qs, "a\r\nb\r\n"},
        {"lineEndAtTheEnd", u"a\r\n"_qs, "a\r\n"},
        {"lfAndCrInput", u"a\nb\rc"_qs, "a\r\nb\r\nc\r\n"},
        {"nothingSelected", QString(), ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSink sink;
        const QString file = path(u"block.txt"_qs);
        EXPECT_TRUE(writeBlockFile(file, r.selection, DocumentEncoding::utf8(), sink));
        EXPECT_EQ(readFile(file).toHex(' ').toStdString(), r.file.toHex(' ').toStdString());
    }
}

TEST(BlockInsertText, everyLineFollowedByCrLf)
{
    struct Row {
        QString loaded;
        QString inserted;
    };
    const Row rows[] = {
        {u"a\nb"_qs, u"a\r\nb\r\n"_qs},           {u"a\n"_qs, u"a\r\n"_qs}, {u"a\n\n"_qs, u"a\r\n\r\n"_qs},
        {u"a\r\nb\rc"_qs, u"a\r\nb\r\nc\r\n"_qs}, {QString(), QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(blockInsertText(r.loaded), r.inserted) << r.loaded.toStdString();
}

} // namespace
} // namespace varnik

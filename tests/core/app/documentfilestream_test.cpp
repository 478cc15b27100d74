#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace varnik {
namespace {

using test::readFile;
using test::RecordingSink;
using test::writeFile;

// Collects what a streamed load hands over.
class CollectingReceiver : public TextReceiver {
public:
    void begin(qint64 bytes) override
    {
        begins.push_back(bytes);
        text.clear();
    }
    void append(QByteArrayView utf8, qint64 read, qint64 size) override
    {
        text += utf8;
        lastRead = read;
        lastSize = size;
        ++pieces;
    }

    std::vector<qint64> begins;
    QByteArray text;
    qint64 lastRead = -1;
    qint64 lastSize = -1;
    int pieces = 0;
};

// Refuses to take any text: the load must stop before it would begin.
class RefusingReceiver : public TextReceiver {
public:
    void begin(qint64) override { ADD_FAILURE() << "a file over the limit began to load"; }
    void append(QByteArrayView, qint64, qint64) override {}
};

TEST(DocumentFileStream, fileOfOneGibibyte_isRefusedBeforeReading)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"huge.txt"_qs);
    QFile f(file);
    // Sparse: no disk space and nothing read.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(1) << 30));
    f.close();
    RefusingReceiver receiver;
    try {
        streamDocumentFile(file, receiver);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u"too large to open (1073741824 bytes"_qs))
            << e.message().toStdString();
    }
}

std::string hex(const QByteArray& b)
{
    return b.toHex(' ').toStdString();
}

class DocumentFileStreamTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(DocumentFileStreamTest, streamedTextIsTheLoadedText)
{
    // Past the reader's 4 MiB piece: a UTF-8 start, then a legacy byte that
    // sends the reader back to the beginning.
    QByteArray lateLegacy = QByteArray("za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 line\r\n").repeated(300000);
    lateLegacy += "\xB9";
    QByteArray bigUtf8 = QByteArray("\xC4\x85\xC4\x99 tekst\r\n").repeated(600000);
    const struct Row {
        const char* name;
        QByteArray file;
        int begins; // 2: read again as a legacy file
        qint64 firstBegin;
    } rows[] = {
        {"utf8BomCrLf", "\xEF\xBB\xBFZa\xC5\xBC\r\nx", 1, 7},
        {"cp1250", "\xB9\xE6\r\nx", 2, 5},
        {"empty", "", 1, 0},
        {"richText", "{\\rtf1\\ansi\\ansicpg1250 \\'b9\\par x\\par}", 1, 4},
        {"bigUtf8", bigUtf8, 1, bigUtf8.size()},
        {"legacyAfterTheFirstPiece", lateLegacy, 2, lateLegacy.size()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = path(QString::fromLatin1(r.name));
        writeFile(file, r.file);
        const LoadedDocument loaded = loadDocumentFile(file);
        CollectingReceiver receiver;
        const DocumentFormat format = streamDocumentFile(file, receiver);
        EXPECT_EQ(receiver.text.size(), loaded.text.toUtf8().size());
        EXPECT_TRUE(receiver.text == loaded.text.toUtf8());
        EXPECT_EQ(format.encoding.name(), loaded.encoding.name());
        EXPECT_EQ(format.lineEnds, loaded.lineEnds);
        EXPECT_EQ(format.richText, loaded.richText);
        ASSERT_EQ(int(receiver.begins.size()), r.begins);
        EXPECT_EQ(receiver.begins.front(), r.firstBegin);
        // A legacy file's room is known exactly before it is read again.
        EXPECT_GE(receiver.begins.back(), receiver.text.size());
        if (r.begins == 2) {
            EXPECT_EQ(receiver.begins.back(), receiver.text.size());
        }
        if (!r.file.isEmpty()) {
            EXPECT_EQ(receiver.lastRead, r.file.size());
            EXPECT_EQ(receiver.lastSize, r.file.size());
        }
    }
}

TEST_F(DocumentFileStreamTest, bigFileArrivesInPieces)
{
    const QString file = path(u"big.txt"_qs);
    writeFile(file, QByteArray("abc\n").repeated(3 << 20)); // 12 MiB
    CollectingReceiver receiver;
    streamDocumentFile(file, receiver);
    EXPECT_GE(receiver.pieces, 3);
    EXPECT_EQ(receiver.text.size(), 12 << 20);
}

TEST_F(DocumentFileStreamTest, refusesWhatLoadingRefuses)
{
    writeFile(path(u"eleven.txt"_qs), "12345678901");
    QDir(dir.path()).mkdir(u"sub"_qs);
    const struct Row {
        const char* name;
        QString file;
        qint64 limit;
    } rows[] = {
        {"missing", path(u"none.txt"_qs), kDefaultMaxFileSize},
        {"directory", path(u"sub"_qs), kDefaultMaxFileSize},
        {"device", u"/dev/zero"_qs, kDefaultMaxFileSize},
        {"overTheLimit", path(u"eleven.txt"_qs), 10},
        {"emptyName", QString(), kDefaultMaxFileSize},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        LoadOptions options;
        options.maxBytes = r.limit;
        std::string loadMessage, streamMessage;
        try {
            loadDocumentFile(r.file, options);
        } catch (const Error& e) {
            loadMessage = e.message().toStdString();
        }
        CollectingReceiver receiver;
        try {
            streamDocumentFile(r.file, receiver, options);
        } catch (const Error& e) {
            streamMessage = e.message().toStdString();
        }
        EXPECT_FALSE(streamMessage.empty());
        EXPECT_EQ(streamMessage, loadMessage);
        EXPECT_TRUE(receiver.text.isEmpty());
    }
}

TEST_F(DocumentFileStreamTest, procFilesWithoutASizeAreReadToTheirEnd)
{
    CollectingReceiver receiver;
    streamDocumentFile(u"/proc/self/status"_qs, receiver);
    EXPECT_TRUE(receiver.text.contains("Name:"));
}

TEST_F(DocumentFileStreamTest, streamedAndSavedUnchangedIsTheSameFile)
{
    const struct Row {
        const char* name;
        QByteArray bytes;
        int crlf;
    } rows[] = {
        {"cp1250CrLf", "Za\xBF\xF3\xB3\xE6\r\ng\xEA\x9C\x6C\xB9\r\n", 0},
        {"utf8BomLf", "\xEF\xBB\xBF\xC5\xBC\xC3\xB3\xC5\x82w\nb", 1},
        {"utf8Cr", "a\rb\r\r", 2},
        {"nulBytes", QByteArray("a\0\0b\r\n\0", 7), 0},
        {"allCp1250Bytes",
         [] {
             QByteArray b;
             for (int i = 0; i < 256; ++i)
                 if (i != '\r' && i != '\n')
                     b.append(char(i));
             return b;
         }(),
         0},
    };
    SaveOptions options;
    options.createBackup = false;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = path(QString::fromLatin1(r.name));
        writeFile(file, r.bytes);
        CollectingReceiver receiver;
        const DocumentFormat format = streamDocumentFile(file, receiver);
        options.crlf = r.crlf;
        RecordingSink sink;
        EXPECT_TRUE(saveUtf8Document(file, true, receiver.text, format.encoding, options, sink).saved);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(hex(readFile(file)), hex(r.bytes));
    }
}

TEST_F(DocumentFileStreamTest, savingUtf8TextKeepsTheSaveRules)
{
    const auto cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    const QByteArray polishAndCyrillic = "\xC4\x85\xD0\xB6"; // "ąж"
    const struct Row {
        const char* name;
        QByteArray text;
        DocumentEncoding encoding;
        bool makeBackup;
        std::deque<int> answers;
        bool saved;
        QByteArray contents;
        const char* encodingWritten;
        const char* backup; // nullptr: none
        int messages;
    } rows[] = {
        {"saveKeepsABackup",
         "new\nline",
         DocumentEncoding::utf8(),
         true,
         {},
         true,
         "new\r\nline",
         "UTF-8",
         "old",
         0},
        {"saveAsMakesNone", "new", DocumentEncoding::utf8(), false, {}, true, "new", "UTF-8", nullptr, 0},
        {"legacyText", "\xC4\x85", cp1250, true, {}, true, "\xB9", "windows-1250", "old", 0},
        {"unencodableYesWritesUtf8",
         polishAndCyrillic,
         cp1250,
         true,
         {Result::Yes},
         true,
         polishAndCyrillic,
         "UTF-8",
         "old",
         1},
        {"unencodableNoWritesNothing",
         polishAndCyrillic,
         cp1250,
         true,
         {Result::No},
         false,
         "old",
         "windows-1250",
         nullptr,
         1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir d;
        const QString file = d.filePath(u"a.txt"_qs);
        writeFile(file, "old");
        RecordingSink sink(r.answers);
        qint64 lastDone = -1, lastTotal = -1;
        const SaveResult result = saveUtf8Document(file, r.makeBackup, r.text, r.encoding, {}, sink,
                                                   [&](qint64 done, qint64 total) {
                                                       lastDone = done;
                                                       lastTotal = total;
                                                   });
        EXPECT_EQ(result.saved, r.saved);
        EXPECT_EQ(result.encoding.name(), QString::fromLatin1(r.encodingWritten));
        EXPECT_EQ(hex(readFile(file)), hex(r.contents));
        EXPECT_EQ(readFile(file + u".BAK"_qs), QByteArray(r.backup ? r.backup : "<missing>"));
        EXPECT_EQ(int(sink.messages.size()), r.messages);
        if (r.saved) {
            EXPECT_EQ(lastDone, r.text.size());
            EXPECT_EQ(lastTotal, r.text.size());
        }
    }
}

TEST_F(DocumentFileStreamTest, failedWriteOfUtf8TextReportsAndKeepsTheFile)
{
    QDir(dir.path()).mkdir(u"folder"_qs);
    RecordingSink sink;
    EXPECT_FALSE(saveUtf8Document(path(u"folder"_qs), true, "x", DocumentEncoding::utf8(), {}, sink).saved);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, u"Error writing to file\r\n"_qs + path(u"folder"_qs) +
                                         u"\r\nFilename refers to a directory"_qs);
}

TEST_F(DocumentFileStreamTest, producerThatFailsHalfWayLeavesTheOldFile)
{
    const QString file = path(u"kept.txt"_qs);
    writeFile(file, "old");
    int calls = 0;
    EXPECT_THROW(replaceFileContents(file,
                                     [&]() -> QByteArrayView {
                                         if (++calls > 2)
                                             throw Error(u"no more"_qs);
                                         return "piece";
                                     }),
                 Error);
    EXPECT_EQ(readFile(file), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({u"kept.txt"_qs}));

    replaceFileContents(file, [&]() -> QByteArrayView { return calls-- > 0 ? "ab" : ""; });
    EXPECT_EQ(readFile(file), QByteArray("ababab"));
}

} // namespace
} // namespace varnik

#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/bytesource.h"
#include "core/text/cconversion.h"
#include "core/text/fileimport.h"
#include "core/text/hexconversion.h"
#include "core/text/importcommand.h"
#include "core/text/pasconversion.h"
#include "core/text/unicodeconversion.h"

#include "texttestsupport.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnik::test {
namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += static_cast<char>(v);
    return b;
}

QByteArray counting(int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += static_cast<char>(i);
    return b;
}

QString render(const QByteArray& data, ImportKind kind, const QString& name = QStringLiteral("x.bin"))
{
    return convertBytes(data, kind, name).text;
}

// A dump line: its hex part, then the character column at 62.
QString dumpLine(const char* hex, const char* chars)
{
    return QString::fromLatin1(hex).leftJustified(62) + QString::fromLatin1(chars) + QStringLiteral("\r\n");
}

TEST(HexImport, rendersDumpLines)
{
    struct Row {
        const char* name;
        QByteArray data;
        QString expected;
    } rows[] = {
        {"fullLine", bytes({0x4D, 0x5A, 0x90, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0, 0}),
         QStringLiteral(
             ";00000  4D 5A 90 00  03 00 00 00  04 00 00 00  FF FF 00 00    MZ..............\r\n")},
        {"shortLastLine_paddedToTheCharacterColumn", QByteArray("0123456789abcdefXYZ"),
         dumpLine(";00000  30 31 32 33  34 35 36 37  38 39 61 62  63 64 65 66", "0123456789abcdef") +
             dumpLine(";00010  58 59 5A", "XYZ")},
        {"trailingSpaceByteTrimmed", QByteArray("A "), dumpLine(";00000  41 20", "A")},
        {"onlySpaces_characterColumnGoes", QByteArray("  "), QStringLiteral(";00000  20 20\r\n")},
        {"controlAndHighBytesAsDots", bytes({0x09, 0x7F, 0x80, 0x7E}),
         dumpLine(";00000  09 7F 80 7E", "...~")},
        {"empty", QByteArray(), QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(render(r.data, ImportKind::Hex), r.expected) << r.name;
    EXPECT_EQ(rows[0].expected.size(), 78 + 2) << "a full line is 78 characters and CR LF";
}

TEST(HexImport, offsetsGrowBeyondFiveDigits)
{
    const QString dump = render(QByteArray(0x100010, 'a'), ImportKind::Hex);
    EXPECT_TRUE(dump.contains(QStringLiteral("\r\n;FFFF0  61 61"))) << "five digits";
    EXPECT_TRUE(dump.endsWith(QStringLiteral(
        ";100000  61 61 61 61  61 61 61 61  61 61 61 61  61 61 61 61   aaaaaaaaaaaaaaaa\r\n")));
}

TEST(HexImport, columnsCanBeSwitchedOff)
{
    struct Row {
        const char* name;
        bool offset, chars;
        const char* expected;
    } rows[] = {
        {"neither", false, false, "41 42 43 44  45\r\n"},
        {"charactersOnly", false, true, nullptr},
    };
    for (const Row& r : rows) {
        QByteArray data("ABCDE");
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        ByteSource in(device);
        QChar buffer[100];
        HexConversion conversion(r.offset, r.chars);
        const qsizetype n = conversion.convertChunk(in, buffer, 100);
        const QString expected =
            r.expected ? QString::fromLatin1(r.expected) : dumpLine("41 42 43 44  45", "ABCDE");
        EXPECT_EQ(QString(buffer, n), expected) << r.name;
    }
}

TEST(ByteListImport, rendersCAndPascalDeclarations)
{
    struct Row {
        const char* name;
        QByteArray data;
        ImportKind kind;
        const char* file;
        const char* expected;
    } rows[] = {
        {"emptyC", QByteArray(), ImportKind::C, "/tmp/my file.bin",
         "unsigned char MY_FILE_BIN_BINARY[0] = {\r\n};\r\n"},
        {"threeBytesC", bytes({0, 0x7F, 0xFF}), ImportKind::C, "a.b",
         "unsigned char A_B_BINARY[3] = {\r\n0x00, 0x7F, 0xFF};\r\n"},
        {"seventeenBytesPascal", counting(17), ImportKind::Pascal, "data.bin",
         "const DATA_BIN_BINARY: array[1..17] of byte = (\r\n"
         "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, \r\n16);\r\n"},
        {"decimalWidths", bytes({9, 10, 99, 100, 255}), ImportKind::Pascal, "p",
         "const P_BINARY: array[1..5] of byte = (\r\n9, 10, 99, 100, 255);\r\n"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(render(r.data, r.kind, QString::fromUtf8(r.file)), QString::fromLatin1(r.expected))
            << r.name;

    const QString c = render(counting(33), ImportKind::C);
    const QStringList lines = c.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5); // header, 16, 16, 1 with "};", and the empty rest
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("0x0F, ")));
    EXPECT_EQ(lines[3], QStringLiteral("0x20};"));
}

TEST(ByteListImport, arrayNamesFromOddFileNames)
{
    struct Row {
        const char* path;
        const char* name;
    } rows[] = {
        {"dir/my file.bin", "MY_FILE_BIN_BINARY"},
        {"C:/x/Ünïcode-ż.dat", "_N_CODE___DAT_BINARY"},
        {".hidden", "_HIDDEN_BINARY"},
        {"no_ext", "NO_EXT_BINARY"},
        {"straße", "STRA_E_BINARY"},
        {"emoji😀.bin", "EMOJI__BIN_BINARY"},
        {"123", "123_BINARY"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(importArrayName(QString::fromUtf8(r.path)), QString::fromLatin1(r.name)) << r.path;
}

TEST(UnicodeImport, decodesBothByteOrdersWithSurrogatePairs)
{
    struct Row {
        const char* name;
        QByteArray data;
        const char* expected;
        bool warned;
    } rows[] = {
        {"littleEndian", bytes({0xFF, 0xFE, 0x41, 0, 0x05, 0x01}), "Aą", false},
        {"bigEndian", bytes({0xFE, 0xFF, 0, 0x41, 0x01, 0x05}), "Aą", false},
        {"littlePair", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), "😀", false},
        {"bigPair", bytes({0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00}), "😀", false},
        {"noMark_readAsLittleEndian", bytes({0x7C, 0x01, 0x42, 0}), "żB", false},
        {"markOnly", bytes({0xFF, 0xFE}), "", false},
        {"empty", QByteArray(), "", false},
        {"oneByte", bytes({0x41}), "", true},
        {"oddTrailingByte", bytes({0xFF, 0xFE, 0x41, 0, 0x42}), "A", true},
    };
    for (const Row& r : rows) {
        const ImportResult result = convertBytes(r.data, ImportKind::Unicode, QStringLiteral("u.txt"));
        EXPECT_EQ(result.text, QString::fromUtf8(r.expected)) << r.name;
        EXPECT_EQ(!result.warning.isEmpty(), r.warned) << r.name;
    }
    // Only the first mark is one; a second is the text's own character.
    EXPECT_EQ(convertBytes(bytes({0xFF, 0xFE, 0xFF, 0xFE, 0x41, 0}), ImportKind::Unicode, QString()).text,
              QString(QChar(0xFEFF)) + u'A');
}

TEST(UnicodeImport, refusesUnpairedSurrogates)
{
    struct Row {
        const char* name;
        QByteArray data;
        const char* message;
    } rows[] = {
        {"loneHigh", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x41, 0}),
         "The file is not valid UTF-16: an unpaired surrogate at byte 2"},
        {"loneLow", bytes({0xFE, 0xFF, 0, 0x41, 0xDE, 0}),
         "The file is not valid UTF-16: an unpaired surrogate at byte 4"},
        {"highAtTheEnd", bytes({0xFF, 0xFE, 0x3D, 0xD8}),
         "The file is not valid UTF-16: an unpaired surrogate at byte 2"},
        {"noMark_loneLow", bytes({0x41, 0, 0x00, 0xDC}),
         "The file has no byte-order mark and is not UTF-16 little-endian text (byte 2)"},
        {"noMark_nonCharacter", bytes({0xFF, 0xFF}),
         "The file has no byte-order mark and is not UTF-16 little-endian text (byte 0)"},
    };
    for (const Row& r : rows) {
        try {
            convertBytes(r.data, ImportKind::Unicode, QStringLiteral("u.txt"));
            ADD_FAILURE() << r.name;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(r.message)) << r.name;
        }
    }
}

TEST(Conversions, writeNothingIntoATooSmallBuffer)
{
    struct Row {
        const char* name;
        std::unique_ptr<Conversion> conversion;
        qsizetype minimum;
    };
    Row rows[] = {
        {"hex", std::make_unique<HexConversion>(), 83},
        {"c", std::make_unique<CConversion>(), 97},
        {"pascal", std::make_unique<PasConversion>(), 81},
        {"unicode", std::make_unique<UnicodeConversion>(), 2},
    };
    for (Row& r : rows) {
        QByteArray data(40, 'A');
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        ByteSource in(device);
        QChar buffer[128];
        EXPECT_EQ(r.conversion->convertChunk(in, buffer, r.minimum - 1), 0) << r.name;
        EXPECT_EQ(in.pos(), 0) << r.name << ": read nothing";
        EXPECT_GT(r.conversion->convertChunk(in, buffer, r.minimum), 0) << r.name;
        EXPECT_LE(in.pos(), 16) << r.name << ": at most 16 bytes a call";
    }
}

class ImportFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& data)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            ADD_FAILURE() << "cannot write " << name.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ImportFileTest, refusesWhatCannotBeReadWithTheReason)
{
    std::vector<std::pair<QString, QString>> rows = {
        {dir.filePath(QStringLiteral("missing.bin")), QStringLiteral("No such file or directory")},
        {dir.path(), QStringLiteral("The path is a directory")},
    };
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0)
        rows.emplace_back(fifo, QStringLiteral("Not a regular file (a device, pipe or socket)"));
    const QString locked = write(QStringLiteral("locked.bin"), "abc");
    if (::geteuid() != 0 && QFile::setPermissions(locked, QFileDevice::Permissions()))
        rows.emplace_back(locked, QStringLiteral("Permission denied"));
    // A sparse file far beyond what its rendering could take.
    const QString sparse = dir.filePath(QStringLiteral("sparse.bin"));
    QFile s(sparse);
    if (s.open(QIODevice::WriteOnly) && s.resize(qint64(1) << 30))
        rows.emplace_back(sparse,
                          QStringLiteral("The file is too large to import (1073741824 bytes; the limit "
                                         "is %1 bytes)")
                              .arg(importSizeLimit(ImportKind::Hex)));
#endif
    for (const auto& [path, reason] : rows) {
        try {
            importFile(path, ImportKind::Hex);
            ADD_FAILURE() << path.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("Error reading file\r\n") + path + QStringLiteral("\r\n") + reason);
        }
    }
}

TEST_F(ImportFileTest, insertsAtTheCaretWithStatusAndBusyCursor)
{
    const QString path = write(QStringLiteral("two.bin"), "AB");
    struct Row {
        const char* name;
        qsizetype start, length;
        bool selectStay;
        const char* expected;
    } rows[] = {
        {"atTheCaret", 1, 0, true, "x0x41, 0x42};\r\ny"},
        {"selectionKeptAfter_collapsedToItsStart", 0, 2, false, "0x41, 0x42};\r\nxy"},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(QStringLiteral("xy"));
        edit.setSelection(r.start, r.length);
        FakeEnvironment env;
        env.values.selectStay = r.selectStay;
        RecordingSink sink;
        importFileAtCaret(edit, env, sink, ImportKind::C, path);
        const QString header = QStringLiteral("unsigned char TWO_BIN_BINARY[2] = {\n");
        QString expected =
            QString::fromLatin1(r.expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        expected.insert(r.start == 1 ? 1 : 0, header);
        EXPECT_EQ(edit.text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), expected) << r.name;
        EXPECT_EQ(edit.selectionLength(), 0) << r.name;
        EXPECT_EQ(edit.selectionStart(), r.start + header.size() + 13) << r.name;
        EXPECT_EQ(env.statusTexts, (std::vector<QString>{QStringLiteral("Opening file..."), QString()}))
            << r.name;
        EXPECT_EQ(env.busyDepth, 0) << r.name;
        EXPECT_EQ(env.busyCalls, 2) << r.name;
        EXPECT_TRUE(sink.messages.empty()) << r.name;
    }
}

TEST_F(ImportFileTest, aFailedImportLeavesTheDocumentAndRestoresTheCursor)
{
    PlainTextBuffer edit(QStringLiteral("xy"));
    edit.setCaret(1);
    FakeEnvironment env;
    RecordingSink sink;
    EXPECT_THROW(importFileAtCaret(edit, env, sink, ImportKind::Unicode,
                                   write(QStringLiteral("bad"), bytes({0xFF, 0xFE, 0x00, 0xDC}))),
                 Error);
    EXPECT_EQ(edit.text(), QStringLiteral("xy"));
    EXPECT_EQ(env.busyDepth, 0);
    EXPECT_EQ(env.statusTexts.back(), QString());
}

TEST_F(ImportFileTest, anOddTrailingByteIsReportedAfterTheText)
{
    PlainTextBuffer edit;
    FakeEnvironment env;
    RecordingSink sink;
    importFileAtCaret(edit, env, sink, ImportKind::Unicode,
                      write(QStringLiteral("odd"), bytes({0x41, 0, 0x42})));
    EXPECT_EQ(edit.text(), QStringLiteral("A"));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Warning);
}

TEST(ImportCommands, dialogTitlesNameTheFile)
{
    std::vector<QString> titles;
    for (const ImportCommand& c : importCommands())
        titles.push_back(c.dialogTitle());
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("Varnik - Import binary file..."),
                                            QStringLiteral("Varnik - Import binary file as C source..."),
                                            QStringLiteral("Varnik - Import binary file as Pascal source..."),
                                            QStringLiteral("Varnik - Import unicode UTF-16 file...")}));
}

} // namespace
} // namespace varnik::test

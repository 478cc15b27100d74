#include "core/app/codepage.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/cnvtable.h"
#include "core/text/cnvtablecommand.h"
#include "core/text/cnvtablegenerator.h"

#include "texttestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnik::test {
namespace {

QByteArray shippedTable(QStringView fileName)
{
    QFile f(QDir(QStringLiteral(VARNIK_SHIPPED_DATA)).filePath(fileName.toString()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const CnvTableCommand& command(const char16_t* id)
{
    const CnvTableCommand* c = findCnvTableCommand(QStringView(id));
    if (!c)
        throw std::logic_error("no such table command");
    return *c;
}

TEST(CnvTable, parsesTheFileFormat)
{
    struct Row {
        const char* name;
        QByteArray file;
        QByteArray sources; // empty: the file is not usable
        QByteArray targets;
    } rows[] = {
        {"oneMapping", "Title\r\nB9 B1\r\n", "\xB9", "\xB1"},
        {"lfAndCrLineEnds", "T\nB9 B1\rA5 A1\n", "\xB9\xA5", "\xB1\xA1"},
        {"noFinalLineEnd", "T\nB9 B1", "\xB9", "\xB1"},
        {"lowerCaseDigits", "T\nb9-b1", "\xB9", "\xB1"},
        {"separatorNotRead_restIgnored", "T\n41x42 whatever follows", "A", "B"},
        {"nonHexPairReadsAsZero", "T\nG1 4Z\n", QByteArray(1, '\0'), QByteArray(1, '\0')},
        {"duplicateSourceKept", "T\n41 42\n41 43\n", "AA", "BC"},
        {"empty", "", {}, {}},
        {"titleOnly", "Title\r\n", {}, {}},
        {"emptyTitle", "\nB9 B1\n", {}, {}},
        {"emptyLineAmongMappings", "T\n41 42\n\n43 44\n", {}, {}},
        {"emptyLineAtTheEnd", "T\n41 42\n\n", {}, {}},
        {"shortLine", "T\n41 42\n41 4\n", {}, {}},
        {"binaryGarbage", QByteArray("\x00\xFF\x7F\x01\r\x02\x03", 7), {}, {}},
    };
    for (const Row& r : rows) {
        const CnvTable table = CnvTable::parse(r.file);
        EXPECT_EQ(table.isEmpty(), r.sources.isEmpty()) << r.name;
        EXPECT_EQ(table.sources(), r.sources) << r.name;
        EXPECT_EQ(table.targets(), r.targets) << r.name;
    }
}

TEST(CnvTable, titleIsCutAt255AndMappingsAfterThe255thAreNotKept)
{
    QByteArray file = QByteArray(300, 'T') + '\n';
    for (int i = 0; i < 10000; ++i)
        file += QByteArray::number(i % 256, 16).rightJustified(2, '0') + " 41\n";
    const CnvTable table = CnvTable::parse(file);
    EXPECT_EQ(table.title(), QByteArray(255, 'T'));
    EXPECT_EQ(table.sources().size(), 255);
    EXPECT_EQ(table.map(0xFE), 0x41);
    EXPECT_EQ(table.map(0xFF), -1);
}

TEST(CnvTable, convertFollowsNoChainsAndTheFirstMappingWins)
{
    const auto page = CodePage::windows1250();
    struct Row {
        const char* name;
        QByteArray file;
        const char* text;
        const char* expected;
    } rows[] = {
        {"chain", "T\n41 42\n42 43\n", "AB", "BC"},
        {"firstWins", "T\n41 42\n41 43\n", "AAx", "BBx"},
        {"unmappedStay", "T\nB9 B1\n", "xyz", "xyz"},
        // Bytes of the document's code page: 0xB9 is "ą" in windows-1250, 0xB1 is "±".
        {"bytesOfThePage", "T\nB9 B1\n", "ząb", "z±b"},
        {"outsideThePageStays", "T\nB9 B1\n", "€☃ą", "€☃±"},
    };
    for (const Row& r : rows) {
        const CnvTable table = CnvTable::parse(r.file);
        EXPECT_EQ(table.convert(u8(r.text), *page, *page), u8(r.expected)) << r.name;
    }
}

TEST(CnvTable, loadReadsFilesAndRefusesWhatIsNoTable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("good.cnv"));
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Title\r\nB9 B1\r\n");
    f.close();
    EXPECT_EQ(CnvTable::load(good).sources(), QByteArray("\xB9"));
    EXPECT_TRUE(CnvTable::load(dir.filePath(QStringLiteral("missing.cnv"))).isEmpty());
    EXPECT_TRUE(CnvTable::load(dir.path()).isEmpty());
    EXPECT_TRUE(CnvTable::load(QString()).isEmpty());
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath(QStringLiteral("fifo.cnv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(CnvTable::load(fifo).isEmpty()); // and does not wait for a writer
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(good, QFileDevice::Permissions()));
        EXPECT_TRUE(CnvTable::load(good).isEmpty());
    }
#endif
}

TEST(CnvTableCommand, convertsTheSelectionOrTheWholeDocumentAndCollapses)
{
    const CnvTable table = CnvTable::parse("T\nB9 B1\n");
    const auto cp1250 = CodePage::windows1250();
    struct Row {
        const char* name;
        qsizetype start, length;
        const char* expected;
        qsizetype caret;
    } rows[] = {
        {"nothingSelected_wholeDocument", 1, 0, "±a±", 3},
        {"selection", 0, 2, "±aą", 2},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(u8("ąaą"));
        edit.setSelection(r.start, r.length);
        RecordingSink sink;
        DocumentEncoding encoding = DocumentEncoding::legacy(cp1250);
        applyCnvTableCommand(edit, sink, table, command(u"CP1250toNOPL1"), encoding);
        EXPECT_EQ(edit.text(), u8(r.expected)) << r.name;
        EXPECT_EQ(edit.selectionLength(), 0) << r.name;
        EXPECT_EQ(edit.selectionStart(), r.caret) << r.name;
        EXPECT_TRUE(sink.messages.empty()) << r.name;
    }
}

TEST(CnvTableCommand, anEmptyTableIsAnErrorAndChangesNothing)
{
    PlainTextBuffer edit(u8("ąb"));
    edit.setModified(false);
    RecordingSink sink;
    DocumentEncoding encoding;
    applyCnvTableCommand(edit, sink, CnvTable::parse("Title only\n"), command(u"CP1250toISO885921"),
                         encoding);
    EXPECT_EQ(edit.text(), u8("ąb"));
    EXPECT_FALSE(edit.isModified());
    EXPECT_TRUE(encoding.isUtf8());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, QStringLiteral("Error loading converter!"));
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
}

TEST(CnvTableCommand, codePageTablesInAUtf8DocumentChangeItsEncodingOnly)
{
    for (const char16_t* id : {u"CP1250toISO885921", u"ISO88592toCP12501"}) {
        const CnvTableCommand& c = command(id);
        PlainTextBuffer edit(u8("Zażółć gęślą jaźń"));
        edit.setModified(false);
        edit.setSelection(2, 3);
        RecordingSink sink;
        DocumentEncoding encoding = DocumentEncoding::utf8();
        applyCnvTableCommand(edit, sink, CnvTable::parse(shippedTable(c.fileName)), c, encoding);
        EXPECT_EQ(edit.text(), u8("Zażółć gęślą jaźń"));
        EXPECT_EQ(encoding, DocumentEncoding::legacy(c.targetPage.toString()));
        EXPECT_TRUE(edit.isModified());
        EXPECT_EQ(edit.selectionStart(), 5);
        EXPECT_EQ(edit.selectionLength(), 0);
    }
}

TEST(ShippedCnvTables, areWhatTheGeneratorWrites)
{
    for (const CnvTableCommand& c : cnvTableCommands())
        EXPECT_EQ(shippedTable(c.fileName), generateCnvTable(c)) << c.fileName.toString().toStdString();
}

// Every Polish letter, through each shipped table, in a document of each code
// page and in a UTF-8 document.
TEST(ShippedCnvTables, convertEveryPolishLetter)
{
    const QString polish = u8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const QString plain = QStringLiteral("acelnoszzACELNOSZZ");
    const auto cp1250 = CodePage::forName(QStringLiteral("windows-1250"));
    const auto iso = CodePage::forName(QStringLiteral("ISO-8859-2"));
    // A document's bytes are the letters in the table's source page; after the
    // conversion they must be the same letters in the target page.
    struct Row {
        const char16_t* id;
        std::shared_ptr<const CodePage> from, to;
        QString expected; // as the target page reads the bytes
    } rows[] = {
        {u"CP1250toISO885921", cp1250, iso, polish},
        {u"ISO88592toCP12501", iso, cp1250, polish},
        {u"CP1250toNOPL1", cp1250, cp1250, plain},
        {u"ISO88592toNOPL1", iso, iso, plain},
    };
    for (const Row& r : rows) {
        const CnvTableCommand& c = command(r.id);
        const CnvTable table = CnvTable::parse(shippedTable(c.fileName));
        ASSERT_FALSE(table.isEmpty()) << c.fileName.toString().toStdString();

        // Legacy document in the source page: its bytes are converted.
        QByteArray sourceBytes;
        for (QChar ch : polish)
            sourceBytes += static_cast<char>(r.from->fromUnicode(ch));
        PlainTextBuffer legacy(r.from->decode(sourceBytes));
        RecordingSink sink;
        DocumentEncoding encoding = DocumentEncoding::legacy(r.from);
        applyCnvTableCommand(legacy, sink, table, c, encoding);
        QByteArray resultBytes;
        for (QChar ch : legacy.text())
            resultBytes += static_cast<char>(r.from->fromUnicode(ch));
        EXPECT_EQ(r.to->decode(resultBytes), r.expected) << c.fileName.toString().toStdString();

        // UTF-8 document: plain-letter tables strip the diacritics.
        if (c.toPlainLetters()) {
            PlainTextBuffer unicode(u8("Zażółć gęślą jaźń ") + polish);
            DocumentEncoding utf8 = DocumentEncoding::utf8();
            applyCnvTableCommand(unicode, sink, table, c, utf8);
            EXPECT_EQ(unicode.text(), QStringLiteral("Zazolc gesla jazn ") + plain);
            EXPECT_TRUE(utf8.isUtf8());
        }
        EXPECT_TRUE(sink.messages.empty());
    }
}

} // namespace
} // namespace varnik::test

// Between a document's text and the bytes the hex editor edits.
#include "core/app/error.h"
#include "core/hexedit/hexdocumentbytes.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(HexDocumentBytes, aDocumentIsItsBytesInItsEncoding)
{
    const QByteArray utf8 = QString::fromUtf8("zażółć\n").toUtf8();
    EXPECT_EQ(hexBytesOfDocument(utf8, DocumentEncoding::utf8()).toHex(' '),
              "7a 61 c5 bc c3 b3 c5 82 c4 87 0a");
    const DocumentEncoding cp1250 = DocumentEncoding::legacy(CodePage::windows1250());
    EXPECT_EQ(hexBytesOfDocument(utf8, cp1250).toHex(' '), "7a 61 bf f3 b3 e6 0a");
    try {
        hexBytesOfDocument(QString::fromUtf8("a€ж").toUtf8(), cp1250);
        ADD_FAILURE() << "a character outside the code page";
    } catch (const Error& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
}

TEST(HexDocumentBytes, handBack)
{
    const auto cp1250 = CodePage::windows1250();
    const DocumentEncoding utf8 = DocumentEncoding::utf8();
    const DocumentEncoding legacy = DocumentEncoding::legacy(cp1250);
    struct Row {
        const char* name;
        DocumentEncoding encoding;
        QByteArray original;
        QByteArray edited;
        bool changed;
        QString text; // of the document afterwards
        bool switched;
    };
    const Row rows[] = {
        {"nothing edited", utf8, "AB", "AB", false, {}, false},
        {"valid UTF-8 stays UTF-8", utf8, "AB",
         "\xC5\xBC"
         "B",
         true, QString::fromUtf8("żB"), false},
        {"NUL is kept", utf8, "AB", QByteArray("A\0B", 3), true,
         QString(QStringLiteral("A")) + QChar(0) + u'B', false},
        {"invalid UTF-8 turns legacy", utf8, "AB",
         "\xBF"
         "B",
         true, QString::fromUtf8("żB"), true},
        {"legacy decodes with its page", legacy, "AB", QByteArray("\xB9\0", 2), true,
         QString::fromUtf8("ą") + QChar(0), false},
        {"line ends as when opened", utf8, "A", "A\r\nB\rC", true, QStringLiteral("A\nB\nC"), false},
    };
    for (const Row& r : rows) {
        const HexHandBack back = hexHandBack(r.original, r.edited, r.encoding, cp1250);
        EXPECT_EQ(back.changed, r.changed) << r.name;
        EXPECT_EQ(back.encodingSwitched, r.switched) << r.name;
        if (!r.changed)
            continue;
        EXPECT_EQ(QString::fromUtf8(back.utf8), r.text) << r.name;
        EXPECT_EQ(back.encoding.isUtf8(), r.encoding.isUtf8() && !r.switched) << r.name;
    }
    EXPECT_EQ(hexEncodingSwitchNote(legacy),
              "The edited bytes are not valid UTF-8: the document is now windows-1250");
}

} // namespace
} // namespace varnik

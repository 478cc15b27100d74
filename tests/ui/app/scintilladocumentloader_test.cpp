#include "ui/app/scintilladocumentloader.h"
#include "ui/app/scintillatextedit.h"

#include <QSignalSpy>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <functional>

namespace varnik {
namespace {

using Sci = QsciScintillaBase;

class ScintillaDocumentLoaderTest : public ::testing::Test {
public:
    long send(unsigned int msg, unsigned long w = 0, long l = 0) { return control.SendScintilla(msg, w, l); }

    QsciScintilla control;
    ScintillaTextEdit edit{&control};
};

// Loads `utf8` in pieces of `piece` bytes.
void loadInPieces(ScintillaTextEdit& edit, QByteArrayView utf8, qsizetype piece)
{
    ScintillaDocumentLoader loader(edit.control());
    loader.begin(utf8.size());
    for (qsizetype at = 0; at < utf8.size(); at += piece)
        loader.append(utf8.sliced(at, std::min(piece, utf8.size() - at)));
    edit.finishLoad(loader);
}

TEST_F(ScintillaDocumentLoaderTest, textLoadedInPiecesIsTheWholeText)
{
    const QString text = u"zażółć\n😀x\0y\nęą\n"_qs;
    const QByteArray utf8 = text.toUtf8();
    for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(1000)}) {
        SCOPED_TRACE(piece);
        edit.setText(u"old text"_qs);
        loadInPieces(edit, utf8, piece);
        EXPECT_EQ(edit.utf8Text(), utf8);
        EXPECT_EQ(edit.text(), u"zażółć\r\n😀x\0y\r\nęą\r\n"_qs);
        // The character index came along: UTF-16 offsets map as in any document.
        EXPECT_EQ(edit.length(), 16);
        EXPECT_EQ(edit.lineStart(1), 7);
        EXPECT_EQ(edit.charAt(9), QChar(u'x'));
        EXPECT_EQ(edit.lineFromPosition(14), 2);
        EXPECT_FALSE(edit.isModified());
        EXPECT_FALSE(edit.canUndo());
        EXPECT_EQ(edit.caretPosition(), 0);
    }
}

// What Scintilla keeps with a document (not the view) must survive the new document.
TEST_F(ScintillaDocumentLoaderTest, documentSettingsAndPlainTextFormSurvive)
{
    const struct Row {
        const char* name;
        std::function<void(ScintillaDocumentLoaderTest&)> set;
        unsigned int get;
        long expected;
    } rows[] = {
        {"noStyleBytes", [](auto&) {}, Sci::SCI_GETDOCUMENTOPTIONS, Sci::SC_DOCUMENTOPTION_STYLES_NONE},
        {"utf8", [](auto&) {}, Sci::SCI_GETCODEPAGE, Sci::SC_CP_UTF8},
        {"lfLineEnds", [](auto&) {}, Sci::SCI_GETEOLMODE, Sci::SC_EOL_LF},
        {"utf16Index", [](auto&) {}, Sci::SCI_GETLINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF16},
        {"tabWidth", [](auto& t) { t.send(Sci::SCI_SETTABWIDTH, 5); }, Sci::SCI_GETTABWIDTH, 5},
        {"undoCollectionOff", [](auto& t) { t.send(Sci::SCI_SETUNDOCOLLECTION, 0); },
         Sci::SCI_GETUNDOCOLLECTION, 0},
        {"undoCollectionOn", [](auto&) {}, Sci::SCI_GETUNDOCOLLECTION, 1},
        {"readOnly", [](auto& t) { t.send(Sci::SCI_SETREADONLY, 1); }, Sci::SCI_GETREADONLY, 1},
        {"wordWrap", [](auto& t) { t.send(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_WORD); }, Sci::SCI_GETWRAPMODE,
         Sci::SC_WRAP_WORD},
    };
    QsciScintilla fresh;
    ScintillaTextEdit freshEdit(&fresh);
    EXPECT_EQ(fresh.SendScintilla(Sci::SCI_GETDOCUMENTOPTIONS), Sci::SC_DOCUMENTOPTION_STYLES_NONE);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ScintillaDocumentLoaderTest& t = *this;
        t.edit.setText(QString());
        t.send(Sci::SCI_SETTABWIDTH, 8);
        t.send(Sci::SCI_SETUNDOCOLLECTION, 1);
        t.send(Sci::SCI_SETREADONLY, 0);
        t.send(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_NONE);
        r.set(t);
        t.edit.setUtf8Text("a\nb");
        EXPECT_EQ(t.send(r.get), r.expected);
        EXPECT_EQ(t.edit.text(), u"a\r\nb"_qs);
    }
}

TEST_F(ScintillaDocumentLoaderTest, editingAfterALoadIsUndoneToTheLoadedText)
{
    edit.setUtf8Text("abc");
    edit.setSelection(3, 0);
    edit.replaceSelection(u"d"_qs);
    EXPECT_TRUE(edit.isModified());
    ASSERT_TRUE(edit.canUndo());
    edit.undo();
    EXPECT_EQ(edit.text(), u"abc"_qs);
    EXPECT_FALSE(edit.isModified());
}

TEST_F(ScintillaDocumentLoaderTest, unfinishedOrRestartedLoadsLeaveNoTrace)
{
    edit.setUtf8Text("kept");
    {
        ScintillaDocumentLoader abandoned(&control);
        abandoned.begin(3);
        abandoned.append("new");
    }
    EXPECT_EQ(edit.text(), u"kept"_qs);

    ScintillaDocumentLoader restarted(&control);
    restarted.begin(5);
    restarted.append("first");
    restarted.begin(6); // the file was read again from its start
    restarted.append("second");
    edit.finishLoad(restarted);
    EXPECT_EQ(edit.text(), u"second"_qs);
}

TEST_F(ScintillaDocumentLoaderTest, newDocumentIsShownFromItsStart)
{
    control.resize(300, 200);
    edit.setUtf8Text(QByteArray("line\n").repeated(1000));
    send(Sci::SCI_SETFIRSTVISIBLELINE, 500);
    ASSERT_EQ(send(Sci::SCI_GETFIRSTVISIBLELINE), 500);
    edit.setUtf8Text(QByteArray("other\n").repeated(1000));
    EXPECT_EQ(send(Sci::SCI_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(edit.caretPosition(), 0);
}

TEST_F(ScintillaDocumentLoaderTest, listenersLearnOfTheNewText)
{
    QSignalSpy changed(&control, &QsciScintilla::textChanged);
    edit.setUtf8Text("new");
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
} // namespace varnik

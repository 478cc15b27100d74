// Hex edit on the main window's document: what goes in, what comes back.
#include "core/commands/commandids.h"
#include "core/hexedit/hexdocumentbytes.h"
#include "ui/app/commandactions.h"
#include "ui/hexedit/hexeditform.h"
#include "ui/hexedit/hexeditorview.h"
#include "ui/search/searchwindowtesting.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace varnik::test {
namespace {

class HexEditCommandTest : public SearchWindowTest {
protected:
    // Ctrl+Q (or `open`) opens the hex window on the document; `work` acts in it, then it closes.
    void hexEdit(const std::function<void(HexEditForm&, HexEditorView&)>& work,
                 const std::function<void()>& open = {})
    {
        bool seen = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto* form = qobject_cast<HexEditForm*>(QApplication::activeModalWidget());
            if (!form)
                return;
            seen = true;
            work(*form, *form->editor());
            form->close();
        });
        if (open)
            open();
        else
            press(Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(seen) << "the hex editor window was shown";
    }
    static void type(HexEditorView& view, const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(&view, *k);
    }
    QString document() { return text().text(); }
};

TEST_F(HexEditCommandTest, closingWithoutEditsLeavesTheDocumentAlone)
{
    setDocument(QStringLiteral("AB"));
    text().setModified(false);
    window->activeRecord().modified = false;
    const bool couldUndo = text().canUndo();
    hexEdit([](HexEditForm&, HexEditorView& view) {
        EXPECT_EQ(view.model().getAsText(), "AB");
        EXPECT_TRUE(view.model().isSelected(0));
    });
    EXPECT_EQ(document(), "AB");
    EXPECT_FALSE(window->activeRecord().modified);
    EXPECT_EQ(text().canUndo(), couldUndo);
}

TEST_F(HexEditCommandTest, anEditModifiesAtOnceAndComesBackAsOneUndoStep)
{
    setDocument(QStringLiteral("AB\nC"));
    window->activeRecord().modified = false;
    hexEdit([this](HexEditForm&, HexEditorView& view) {
        EXPECT_EQ(view.model().getAsText().toHex(' '), "41 42 0a 43");
        QTest::keyClick(&view, Qt::Key_Right);
        type(view, "c");
        EXPECT_TRUE(window->activeRecord().modified) << "before the window closes";
    });
    EXPECT_EQ(document(), "LB\r\nC");
    EXPECT_TRUE(window->activeRecord().modified);
    text().undo();
    EXPECT_EQ(document(), "AB\r\nC");
}

TEST_F(HexEditCommandTest, theToolbarButtonOpensItToo)
{
    window->settings().toolbarButtons = QStringLiteral("0E");
    window->applySettings();
    setDocument(QStringLiteral("x"));
    auto* button = window->findChild<QToolButton*>(QStringLiteral("tbHex"));
    ASSERT_NE(button, nullptr);
    hexEdit([](HexEditForm&, HexEditorView& view) { type(view, "7"); }, [button] { button->click(); });
    EXPECT_EQ(document(), "x"); // 78 -> 78: the first digit was 7 already
    hexEdit([](HexEditForm&, HexEditorView& view) { type(view, "4"); }, [button] { button->click(); });
    EXPECT_EQ(document(), "H");
}

TEST_F(HexEditCommandTest, zeroBytesAreKept)
{
    setDocument(QStringLiteral("ABC"));
    hexEdit([](HexEditForm&, HexEditorView& view) {
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Right);
        type(view, "00");
    });
    EXPECT_EQ(document(), QString(QStringLiteral("A")) + QChar(0) + u'C');
}

TEST_F(HexEditCommandTest, invalidUtf8SwitchesToTheLegacyCodePage)
{
    setDocument(QString::fromUtf8("żx"));
    ASSERT_TRUE(window->activeRecord().encoding.isUtf8());
    hexEdit([](HexEditForm&, HexEditorView& view) {
        EXPECT_EQ(view.model().getAsText().toHex(' '), "c5 bc 78");
        type(view, "f"); // C5 becomes F5: no longer UTF-8
    });
    EXPECT_FALSE(window->activeRecord().encoding.isUtf8());
    EXPECT_EQ(window->activeRecord().encoding.name(), "windows-1250");
    EXPECT_EQ(document(), QString::fromUtf8("őĽx"));
    EXPECT_EQ(window->statusPanels()[6]->text(), hexEncodingSwitchNote(window->activeRecord().encoding));
}

TEST_F(HexEditCommandTest, anEmptyDocumentOpensAnEmptyBuffer)
{
    setDocument(QString());
    EXPECT_TRUE(window->commands().action(ids::Hexedit1)->isEnabled()) << "whenever a document is active";
    hexEdit([](HexEditForm&, HexEditorView& view) {
        EXPECT_EQ(view.model().dataSize(), 0);
        QTest::keyClick(&view, Qt::Key_Insert);
        type(view, "41");
    });
    EXPECT_EQ(document(), QString(QStringLiteral("A")) + QChar(0));
}

} // namespace
} // namespace varnik::test

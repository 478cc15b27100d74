// The hex editor window driven by keys and clicks as a user would: the model
// and the painted cells.
#include "core/hexedit/hexcells.h"
#include "ui/hexedit/hexeditform.h"
#include "ui/hexedit/hexeditorview.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace varnik {
namespace {

struct Window {
    HexEditForm form;
    HexEditorView* view = form.editor();
    HexEditor& model = view->model();

    explicit Window(const QByteArray& bytes)
    {
        form.load(bytes);
        form.show();
        view->setFocus();
        QApplication::setActiveWindow(&form);
    }
    void keys(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(view, c.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(view, k, m); }
    QString hex() const { return QString::fromLatin1(model.getAsText().toHex(' ')); }
    // The background as painted: a pixel in the cell's bottom right corner, clear of the text.
    QColor paintedBackground(int column, qint64 row)
    {
        const QImage image = view->viewport()->grab().toImage();
        const QRect cell = view->cellRect(column, row);
        return image.pixelColor(cell.right() - 1, cell.bottom() - 1);
    }
    QString cellText(int column, qint64 row)
    {
        return HexCells(model, view->displayOptions()).cell(column, row).text;
    }
};

TEST(HexEditForm, opensTheDocumentWithTheFirstByteSelected)
{
    Window w("AB");
    EXPECT_EQ(w.form.windowTitle(), "Hex editor");
    EXPECT_EQ(w.hex(), "41 42");
    EXPECT_EQ(w.cellText(2, 0) + w.cellText(3, 0), "41");
    EXPECT_EQ(w.cellText(4, 0) + w.cellText(5, 0), "42");
    EXPECT_EQ(w.cellText(w.model.layout().firstCharColumn(), 0), "A");
    EXPECT_TRUE(w.model.isSelected(0));
    EXPECT_FALSE(w.model.isSelected(1));
    EXPECT_FALSE(w.model.modified());
    // Selected: the digit colour (blue) becomes the background; the next byte is on the window colour.
    EXPECT_EQ(w.paintedBackground(3, 0), QColor(0, 0, 255));
    EXPECT_EQ(w.paintedBackground(5, 0), w.view->palette().color(QPalette::Base));
}

TEST(HexEditForm, overwritingMarksTheByteAndTheFirstEditModifies)
{
    Window w("AB");
    QSignalSpy edited(&w.form, &HexEditForm::edited);
    w.key(Qt::Key_Right); // to the second digit of 41
    EXPECT_EQ(edited.count(), 0);
    w.keys(QStringLiteral("c"));
    EXPECT_EQ(w.hex(), "4c 42");
    EXPECT_GE(edited.count(), 1);
    EXPECT_TRUE(w.model.isChanged(0));
    EXPECT_EQ(w.paintedBackground(2, 0), QColor(255, 255, 168));
    EXPECT_EQ(HexCells(w.model, w.view->displayOptions()).cell(2, 0).textColor, 0x800000u);
    w.keys(QStringLiteral("g")); // not a digit: nothing
    EXPECT_EQ(w.hex(), "4c 42");

    w.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.hex(), "41 42");
    EXPECT_FALSE(w.model.isChanged(0));
}

TEST(HexEditForm, insertModeTyping)
{
    Window w(QByteArray("\x10\x20\x30", 3));
    w.key(Qt::Key_Insert);
    ASSERT_TRUE(w.model.isInsertMode());
    EXPECT_EQ(w.view->displayOptions().caretStyle, CaretStyle::LeftLine);
    w.key(Qt::Key_Right);
    w.key(Qt::Key_Right); // first digit of byte 1
    w.keys(QStringLiteral("41"));
    EXPECT_EQ(w.hex(), "10 41 20 30");
    EXPECT_FALSE(w.model.isChanged(1));
    w.key(Qt::Key_End, Qt::ControlModifier);
    w.key(Qt::Key_Right); // second digit of the last byte
    w.keys(QStringLiteral("f"));
    EXPECT_EQ(w.hex(), "10 41 20 3f 00"); // completing the last byte appends a selected zero
    EXPECT_TRUE(w.model.isSelected(4));
    w.key(Qt::Key_Backspace); // the selection only
    EXPECT_EQ(w.hex(), "10 41 20 3f");
    w.key(Qt::Key_Backspace);
    EXPECT_EQ(w.hex(), "10 41 3f");
    w.key(Qt::Key_Insert);
    EXPECT_EQ(w.view->displayOptions().caretStyle, CaretStyle::Full);
}

TEST(HexEditForm, shiftArrowsSelectOverRowEnds)
{
    Window w(QByteArray(40, 'x'));
    w.model.setBytesPerLine(8);
    w.key(Qt::Key_Tab); // the characters: one column a byte
    w.key(Qt::Key_End); // last byte of row 0
    QTest::keyPress(w.view, Qt::Key_Shift);
    for (int i = 0; i < 3; ++i)
        w.key(Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(w.view, Qt::Key_Shift);
    EXPECT_EQ(w.model.selection().start(), 7);
    EXPECT_EQ(w.model.selection().end(), 10);
    EXPECT_EQ(w.model.caretRow(), 1);
    w.key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(w.model.selection().end(), 18);
    w.key(Qt::Key_Left); // a plain key ends it
    EXPECT_FALSE(w.model.hasSelection());
}

TEST(HexEditForm, swapNibblesAndTheCharacterArea)
{
    Window w(QByteArray("\x3C"
                        "bc",
                        3));
    w.model.setSwapNibbles(true);
    EXPECT_EQ(w.cellText(2, 0) + w.cellText(3, 0), "C3");
    w.key(Qt::Key_Right); // the second column shows the high digit
    w.keys(QStringLiteral("a"));
    EXPECT_EQ(w.hex(), "ac 62 63");

    w.key(Qt::Key_Tab); // to the characters
    EXPECT_TRUE(w.model.caretInCharacters());
    QTest::keyClick(w.view, Qt::Key_Z, Qt::NoModifier);
    EXPECT_EQ(w.hex(), "ac 7a 63");
    // Alt released just before: the next character enters its OEM code.
    QTest::keyRelease(w.view, Qt::Key_Alt);
    QTest::sendKeyEvent(QTest::Press, w.view, Qt::Key_unknown, QStringLiteral("ą"), Qt::NoModifier);
    EXPECT_EQ(w.hex(), "ac 7a a5");
}

TEST(HexEditForm, mouseAndResize)
{
    Window w(QByteArray(40, 'x'));
    w.form.resize(492, 424);
    QApplication::processEvents();
    EXPECT_EQ(w.model.bytesPerLine(), (w.view->width() - 50) / 44);
    const int perLine = w.model.bytesPerLine();
    w.form.resize(60, 424); // below 94 pixels: refused, the previous value stays
    QApplication::processEvents();
    EXPECT_EQ(w.model.bytesPerLine(), perLine);
    w.form.resize(492, 424);
    QApplication::processEvents();

    const HexLayout& layout = w.model.layout();
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {},
                      w.view->cellRect(layout.gapColumn(), 1).center());
    EXPECT_EQ(w.model.caretColumn(), layout.lastHexColumn());
    EXPECT_EQ(w.model.caretRow(), 1);
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.view->cellRect(6, 0).center());
    EXPECT_EQ(w.model.caretPosition(), 2);
    EXPECT_FALSE(w.model.hasSelection());
}

TEST(HexEditForm, emptyDocumentTakesBytesInInsertMode)
{
    Window w{QByteArray()};
    EXPECT_EQ(w.model.dataSize(), 0);
    EXPECT_EQ(w.cellText(0, 0), "0x0:");
    w.keys(QStringLiteral("12"));
    EXPECT_EQ(w.model.dataSize(), 0); // overwrite mode: nothing to overwrite
    w.key(Qt::Key_Insert);
    w.keys(QStringLiteral("12"));
    EXPECT_EQ(w.hex(), "12 00");
}

TEST(HexEditForm, keysHeldDownForThousandsOfRepeats)
{
    Window w(QByteArray(5000, '\0'));
    w.key(Qt::Key_Insert);
    for (int i = 0; i < 3000; ++i)
        w.key(Qt::Key_Delete);
    EXPECT_EQ(w.model.dataSize(), 2000);
    for (int i = 0; i < 3000; ++i)
        w.key(Qt::Key_PageDown);
    EXPECT_EQ(w.model.caretRow(), w.model.rowCount() - 1);
    w.key(Qt::Key_Insert);
    for (int i = 0; i < 3000; ++i)
        w.keys(QStringLiteral("7"));
    EXPECT_EQ(w.model.dataSize(), 2000); // overwriting past the end adds nothing
}

} // namespace
} // namespace varnik

// What keys, typed characters and clicks do to the model.
#include "core/hexedit/hexinput.h"

#include "hexedittesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::loadHex;

struct Fixture {
    HexEditor editor;
    HexInput input{editor};
    HexViewport viewport{0, 10};

    explicit Fixture(const QByteArray& data, bool insertMode = false)
    {
        editor.setAllowInsertMode(true);
        loadHex(editor, data);
        if (insertMode)
            editor.toggleInsert();
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier, int digit = -1)
    {
        input.keyPress(k, m, digit, viewport);
    }
    void type(const QString& text)
    {
        for (QChar c : text)
            input.typeCharacter(c);
    }
    // The caret on a byte, nothing selected.
    void caretOn(qint64 pos, bool chars, int digit = 0)
    {
        editor.clearSelection();
        editor.placeCaret(pos, chars, digit);
    }
    void caretOnHex(qint64 pos, int digit = 0) { caretOn(pos, false, digit); }
};

TEST(HexInput, typingHexDigitsInOverwriteMode)
{
    struct Row {
        const char* name;
        int digit;
        bool swap;
        const char* typed;
        quint8 expected;
    };
    const Row rows[] = {
        {"first digit", 0, false, "a", 0xAC},
        {"second digit", 1, false, "a", 0x3A},
        {"upper case", 0, false, "F", 0xFC},
        {"not a hex digit", 0, false, "g", 0x3C},
        {"swapped: first column is the low digit", 0, true, "a", 0x3A},
        {"swapped: second column is the high digit", 1, true, "a", 0xAC},
    };
    for (const Row& r : rows) {
        Fixture f(QByteArray("\x00\x3C\x00", 3));
        f.editor.setSwapNibbles(r.swap);
        f.caretOnHex(1, r.digit);
        f.type(QString::fromLatin1(r.typed));
        EXPECT_EQ(f.editor.byteAt(1), r.expected) << r.name;
        EXPECT_EQ(f.editor.isChanged(1), r.expected != 0x3C) << r.name;
        EXPECT_EQ(f.editor.dataSize(), 3) << r.name;
    }
}

TEST(HexInput, typingTwoDigitsInInsertModeInsertsOneByte)
{
    Fixture f(test::countingBytes(8), true);
    f.caretOnHex(5);
    f.type(QStringLiteral("41"));
    EXPECT_EQ(f.editor.getAsText().toHex(' '), "00 01 02 03 04 41 05 06 07");
    EXPECT_FALSE(f.editor.isChanged(5));
    EXPECT_EQ(f.editor.caretPosition(), 6);
    EXPECT_EQ(f.editor.layout().digitOf(f.editor.caretColumn()), 0);
}

TEST(HexInput, completingTheLastByteInInsertModeAppendsASelectedZero)
{
    Fixture f(QByteArray("\x11\x22", 2), true);
    f.caretOnHex(1, 1);
    f.type(QStringLiteral("9"));
    EXPECT_EQ(f.editor.getAsText().toHex(' '), "11 29 00");
    EXPECT_EQ(f.editor.caretPosition(), 2);
    EXPECT_TRUE(f.editor.isSelected(2));
    f.type(QStringLiteral("ab")); // replaces the zero, then appends again
    EXPECT_EQ(f.editor.getAsText().toHex(' '), "11 29 ab 00");
}

TEST(HexInput, typingIntoAnEmptyBuffer)
{
    Fixture overwrite{QByteArray()};
    overwrite.type(QStringLiteral("4"));
    EXPECT_EQ(overwrite.editor.dataSize(), 0);

    Fixture f{QByteArray(), true};
    f.type(QStringLiteral("414"));
    EXPECT_EQ(f.editor.getAsText().toHex(' '), "41 40");
    EXPECT_FALSE(f.editor.modified() == false);
}

TEST(HexInput, typingCharacters)
{
    struct Row {
        const char* name;
        bool insertMode;
        bool alt;
        QChar typed;
        const char* expected;
    };
    const Row rows[] = {
        {"overwrite", false, false, u'z', "61 7a 63"},
        {"insert", true, false, u'z', "61 7a 62 63"},
        {"Polish letter in the code page", false, false, u'ą', "61 b9 63"},
        {"control character refused", false, false, u'\t', "61 62 63"},
        {"not in the code page", false, false, u'ж', "61 62 63"},
        {"Alt: the OEM code", false, true, u'ą', "61 a5 63"},
    };
    for (const Row& r : rows) {
        Fixture f("abc", r.insertMode);
        f.caretOn(1, true);
        if (r.alt) {
            f.input.keyRelease(Qt::Key_Alt);
            EXPECT_TRUE(f.input.altFlag());
        }
        f.input.typeCharacter(r.typed);
        EXPECT_EQ(f.editor.getAsText().toHex(' '), r.expected) << r.name;
        EXPECT_FALSE(f.input.altFlag()) << r.name;
    }
}

TEST(HexInput, backspaceAndDelete)
{
    struct Row {
        const char* name;
        bool insertMode;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool select; // bytes 1..2 selected first
        const char* expected;
        qint64 caret;
    };
    const Row rows[] = {
        {"backspace, insert", true, Qt::Key_Backspace, Qt::NoModifier, false, "00 02 03", 1},
        {"backspace, insert, selection only", true, Qt::Key_Backspace, Qt::NoModifier, true, "00 03", 1},
        {"backspace, overwrite moves left", false, Qt::Key_Backspace, Qt::NoModifier, false, "00 01 02 03",
         1},
        {"delete, insert", true, Qt::Key_Delete, Qt::NoModifier, false, "00 01 03", 2},
        {"delete, insert, selection", true, Qt::Key_Delete, Qt::NoModifier, true, "00 03", 1},
        {"delete, overwrite does nothing", false, Qt::Key_Delete, Qt::NoModifier, false, "00 01 02 03", 2},
        {"ctrl+delete, overwrite", false, Qt::Key_Delete, Qt::ControlModifier, false, "00 01 03", 2},
    };
    for (const Row& r : rows) {
        Fixture f(test::countingBytes(4));
        f.caretOnHex(2);
        if (r.select) {
            f.editor.setSelStart(1);
            f.editor.setSelEnd(2);
        }
        if (r.insertMode)
            f.editor.toggleInsert();
        f.key(r.key, r.modifiers);
        EXPECT_EQ(f.editor.getAsText().toHex(' '), r.expected) << r.name;
        EXPECT_EQ(f.editor.caretPosition(), r.caret) << r.name;
    }
}

TEST(HexInput, navigationKeys)
{
    struct Row {
        const char* name;
        qint64 pos;
        bool chars;
        int digit;
        int key;
        Qt::KeyboardModifiers modifiers;
        qint64 expectedPos;
        bool expectedChars;
        int expectedDigit;
    };
    const auto none = Qt::NoModifier;
    const auto ctrl = Qt::ControlModifier;
    // 100 bytes, 16 per line, 10 rows visible from row 0.
    const Row rows[] = {
        {"right to the second digit", 5, false, 0, Qt::Key_Right, none, 5, false, 1},
        {"right to the next byte", 5, false, 1, Qt::Key_Right, none, 6, false, 0},
        {"right over the row end", 15, false, 1, Qt::Key_Right, none, 16, false, 0},
        {"right stops at the last byte", 99, false, 1, Qt::Key_Right, none, 99, false, 1},
        {"left to the previous byte's second digit", 16, false, 0, Qt::Key_Left, none, 15, false, 1},
        {"left stops at byte 0", 0, false, 0, Qt::Key_Left, none, 0, false, 0},
        {"left in the characters", 16, true, 0, Qt::Key_Left, none, 15, true, 0},
        {"ctrl+right to the row's last character", 17, false, 0, Qt::Key_Right, ctrl, 31, true, 0},
        {"down", 5, true, 0, Qt::Key_Down, none, 21, true, 0},
        {"down past the data goes to the last byte", 90, false, 0, Qt::Key_Down, none, 99, false, 0},
        {"up at row 0", 5, false, 0, Qt::Key_Up, none, 5, false, 0},
        {"home", 37, true, 0, Qt::Key_Home, none, 32, true, 0},
        {"ctrl+home", 37, false, 1, Qt::Key_Home, ctrl, 0, false, 0},
        {"end", 37, false, 0, Qt::Key_End, none, 47, false, 0},
        {"end of the last row", 97, true, 0, Qt::Key_End, none, 99, true, 0},
        {"ctrl+end", 3, false, 0, Qt::Key_End, ctrl, 99, false, 0},
        {"page down", 3, false, 0, Qt::Key_PageDown, none, 3 + 9 * 16, false, 0},
        {"ctrl+page down: the last visible row", 3, false, 0, Qt::Key_PageDown, ctrl, 3 + 6 * 16, false, 0},
        {"page up", 83, false, 0, Qt::Key_PageUp, none, 3, false, 0},
        {"tab to the twin", 7, false, 1, Qt::Key_Tab, none, 7, true, 0},
        {"ctrl+t back to the hex", 7, true, 0, Qt::Key_T, ctrl, 7, false, 0},
    };
    for (const Row& r : rows) {
        Fixture f(test::countingBytes(100));
        f.viewport = {0, 10};
        f.caretOn(r.pos, r.chars, r.digit);
        f.key(r.key, r.modifiers);
        EXPECT_EQ(f.editor.caretPosition(), qMin<qint64>(r.expectedPos, 99)) << r.name;
        EXPECT_EQ(f.editor.caretInCharacters(), r.expectedChars) << r.name;
        EXPECT_EQ(f.editor.layout().digitOf(f.editor.caretColumn()), r.expectedDigit) << r.name;
        EXPECT_FALSE(f.editor.hasSelection()) << r.name;
    }
}

TEST(HexInput, shiftArrowsSelectOverRowEnds)
{
    Fixture f(test::countingBytes(40));
    f.caretOn(14, true);
    f.key(Qt::Key_Shift, Qt::ShiftModifier);
    for (int i = 0; i < 4; ++i)
        f.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(f.editor.selection().start(), 14);
    EXPECT_EQ(f.editor.selection().end(), 18);
    f.key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(f.editor.selection().start(), 2);
    EXPECT_EQ(f.editor.selection().end(), 14);
    f.key(Qt::Key_Right); // a plain key ends it
    EXPECT_FALSE(f.editor.hasSelection());
}

TEST(HexInput, markers)
{
    Fixture f(test::countingBytes(100));
    f.editor.placeCaret(50, false); // row 3
    f.key(Qt::Key_ParenRight, Qt::ControlModifier | Qt::ShiftModifier, 0);
    EXPECT_EQ(f.editor.getMarker(0), 3);
    f.editor.placeCaret(2, false);
    f.key(Qt::Key_0, Qt::ControlModifier, 0);
    EXPECT_EQ(f.editor.caretPosition(), 48);
    EXPECT_EQ(f.editor.caretColumn(), 2);
    f.editor.setMarker(5, 999); // past the rows: the caret stays
    f.key(Qt::Key_5, Qt::ControlModifier, 5);
    EXPECT_EQ(f.editor.caretPosition(), 48);
}

TEST(HexInput, mouse)
{
    Fixture f(test::countingBytes(40));
    const HexLayout& layout = f.editor.layout();
    f.input.mousePress(layout.gapColumn(), 1, false);
    EXPECT_EQ(f.editor.caretColumn(), layout.lastHexColumn());
    EXPECT_EQ(f.editor.caretRow(), 1);
    f.input.mousePress(layout.charColumn(12), 2, false); // past the data
    EXPECT_EQ(f.editor.caretPosition(), 39);
    EXPECT_FALSE(f.editor.caretInCharacters()); // in the area it was in

    f.input.mousePress(layout.hexColumn(3), 0, false);
    f.input.mouseDrag(layout.hexColumn(5), 1);
    EXPECT_EQ(f.editor.selection().start(), 3);
    EXPECT_EQ(f.editor.selection().end(), 21);
    f.input.mousePress(layout.hexColumn(8), 0, false); // a new click starts afresh
    EXPECT_FALSE(f.editor.hasSelection());
    f.input.mousePress(layout.hexColumn(8), 0, true);
    f.input.mouseDrag(layout.hexColumn(9), 0); // double click: no drag selection
    EXPECT_FALSE(f.editor.hasSelection());
}

TEST(HexInput, insertKeyFlipsModeAndClearsMarks)
{
    Fixture f(test::countingBytes(4));
    f.editor.changeByte(1, 0xFF);
    ASSERT_TRUE(f.editor.isChanged(1));
    f.key(Qt::Key_Insert);
    EXPECT_TRUE(f.editor.isInsertMode());
    EXPECT_TRUE(f.input.insertModeChanged());
    EXPECT_FALSE(f.editor.isChanged(1));
    f.key(Qt::Key_Insert);
    EXPECT_FALSE(f.editor.isChanged(1));
}

} // namespace
} // namespace varnik

// Caret, selection, modes, changed marks, markers and property checks.
#include "core/app/error.h"
#include "core/hexedit/hexeditor.h"

#include "hexedittesting.h"

#include <gtest/gtest.h>

#include <functional>

namespace varnik {
namespace {

using test::loadHex;

void expectError(const std::function<void()>& action, const char* message)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(message));
    }
}

struct Sel {
    qint64 start, end, anchor;
    bool operator==(const Sel&) const = default;
};
void PrintTo(const Sel& s, std::ostream* os)
{
    *os << "[" << s.start << ".." << s.end << " anchor " << s.anchor << "]";
}
Sel selectionOf(const HexEditor& e)
{
    return {e.selection().start(), e.selection().end(), e.selection().anchor()};
}

TEST(HexEditor, openingSelectsTheFirstByteWithNothingChanged)
{
    HexEditor editor;
    loadHex(editor, QByteArray("AB"));
    EXPECT_EQ(editor.getAsText().toHex(), "4142");
    EXPECT_EQ(selectionOf(editor), (Sel{0, 0, 0}));
    EXPECT_EQ(editor.caretPosition(), 0);
    EXPECT_FALSE(editor.isChanged(0));
    EXPECT_FALSE(editor.modified());
    EXPECT_FALSE(editor.journal().canUndo());
    EXPECT_FALSE(editor.undo()); // the load is not an edit to take back
    EXPECT_EQ(editor.getAsText(), "AB");
}

TEST(HexEditor, propertyChecks)
{
    HexEditor editor;
    loadHex(editor, 20);
    struct Row {
        const char* name;
        std::function<void()> action;
        const char* message;
    };
    const Row rows[] = {
        {"BytesPerLine 0", [&] { editor.setBytesPerLine(0); }, "Invalid BytesPerLine argument"},
        {"BytesPerLine 257", [&] { editor.setBytesPerLine(257); }, "Invalid BytesPerLine argument"},
        {"BytesPerLine -1", [&] { editor.setBytesPerLine(-1); }, "Invalid BytesPerLine argument"},
        {"SelStart -1", [&] { editor.setSelStart(-1); }, "Invalid SelStart"},
        {"SelStart at size", [&] { editor.setSelStart(20); }, "Invalid SelStart"},
        {"SelEnd -1", [&] { editor.setSelEnd(-1); }, "Invalid SelEnd"},
        {"SelEnd at size", [&] { editor.setSelEnd(20); }, "Invalid SelEnd"},
        {"marker 10", [&] { editor.setMarker(10, 1); }, "SetMarker : Invalid marker index"},
        {"marker -1", [&] { editor.setMarker(-1, 1); }, "SetMarker : Invalid marker index"},
        {"BytesPerColumn 0", [&] { editor.setBytesPerColumn(0); }, "Invalid BytesPerColumn argument"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectError(row.action, row.message);
        EXPECT_EQ(editor.bytesPerLine(), 16);
        EXPECT_EQ(selectionOf(editor), (Sel{0, 0, 0}));
    }
    editor.setBytesPerLine(256);
    EXPECT_EQ(editor.rowCount(), 1);
    editor.setBytesPerLine(1);
    EXPECT_EQ(editor.rowCount(), 20);
    EXPECT_EQ(editor.columnCount(), 6);

    HexEditor empty;
    empty.newBuffer(QStringLiteral("Untitled"));
    expectError([&] { empty.setSelEnd(0); }, "Invalid SelEnd");
    EXPECT_EQ(empty.rowCount(), 1);
}

TEST(HexEditor, extendingTheSelection)
{
    struct Row {
        const char* name;
        bool insertMode;
        qint64 caret;
        std::vector<qint64> moves; // successive caret positions with the selecting flag on
        Sel expected;
    };
    // clang-format off
    const Row rows[] = {
        {"overwrite forwards", false, 5, {6, 7}, {5, 7, 5}},
        {"overwrite backwards", false, 5, {4, 3}, {3, 5, 5}},
        {"overwrite back across the anchor", false, 5, {7, 3}, {3, 5, 5}},
        {"insert forwards leaves the caret byte out", true, 5, {6, 7}, {5, 6, 5}},
        {"insert backwards moves the anchor down", true, 5, {4}, {4, 4, 4}},
        {"insert back to the anchor selects nothing", true, 5, {6, 5}, {5, 4, 5}},
        {"insert backwards twice", true, 5, {4, 3}, {3, 4, 4}},
    };
    // clang-format on
    for (const Row& row : rows) {
        HexEditor editor;
        editor.setAllowInsertMode(true);
        loadHex(editor, 16);
        if (row.insertMode)
            editor.toggleInsert();
        ASSERT_EQ(editor.isInsertMode(), row.insertMode);
        editor.setSelStart(row.caret);
        qint64 from = row.caret;
        for (qint64 to : row.moves) {
            editor.extendSelection(from, to);
            from = to;
        }
        EXPECT_EQ(selectionOf(editor), row.expected) << row.name;
    }
}

TEST(HexEditor, selectionReadsStartFromTheAnchor)
{
    HexEditor editor;
    loadHex(editor, 16);
    editor.setSelStart(9);
    EXPECT_EQ(editor.selStart(), 9);
    EXPECT_EQ(editor.selEnd(), 9);
    EXPECT_EQ(editor.selectionLength(), 0);
    editor.setSelEnd(4);
    EXPECT_EQ(selectionOf(editor), (Sel{4, 9, 9}));
    EXPECT_EQ(editor.selStart(), 9);
    EXPECT_EQ(editor.selEnd(), 4);
    EXPECT_EQ(editor.selectionLength(), 6);
    EXPECT_EQ(editor.caretPosition(), 4);
}

TEST(HexEditor, insertModeRules)
{
    HexEditor editor;
    loadHex(editor, 4);
    editor.toggleInsert();
    EXPECT_TRUE(editor.insertToggle());
    EXPECT_FALSE(editor.isInsertMode()); // not allowed
    editor.setAllowInsertMode(true);
    EXPECT_TRUE(editor.isInsertMode());
    editor.setNoSizeChange(true);
    EXPECT_FALSE(editor.isInsertMode());
    EXPECT_FALSE(editor.allowInsertMode());
    editor.setAllowInsertMode(true); // refused while the size is fixed
    EXPECT_FALSE(editor.allowInsertMode());
    editor.setNoSizeChange(false);
    EXPECT_FALSE(editor.allowInsertMode()); // stays off until allowed again
    editor.setAllowInsertMode(true);
    EXPECT_TRUE(editor.isInsertMode());
}

TEST(HexEditor, changedMarks)
{
    HexEditor editor;
    editor.setAllowInsertMode(true);
    loadHex(editor, 32);
    for (qint64 p : {3, 10, 11, 20})
        editor.changeByte(p, 0xEE);
    editor.changeByte(5, 5); // its own value: no mark, no record
    EXPECT_FALSE(editor.isChanged(5));
    EXPECT_EQ(editor.journal().count(), 4 + 1);
    EXPECT_TRUE(editor.isChanged(3));
    EXPECT_TRUE(editor.isChanged(20));

    editor.placeCaret(0, false);
    editor.insertBuffer("x", 10); // drops the marks from 10 on
    EXPECT_TRUE(editor.isChanged(3));
    EXPECT_FALSE(editor.isChanged(10));
    EXPECT_FALSE(editor.isChanged(11));
    EXPECT_FALSE(editor.isChanged(21));
    EXPECT_EQ(editor.changedMarks().length(), 10);

    editor.changeByte(7, 0xEE);
    editor.toggleInsert(); // either direction clears them
    EXPECT_FALSE(editor.isChanged(3));
    editor.changeByte(8, 0xEE); // insert mode: no mark
    editor.toggleInsert();
    EXPECT_FALSE(editor.isChanged(8));
    editor.changeByte(9, 0xEE);
    EXPECT_TRUE(editor.isChanged(9));
    editor.setModified(false);
    EXPECT_FALSE(editor.isChanged(9));
}

TEST(HexEditor, noSizeChangeReplacesWithinTheSelection)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QByteArray expected;
    };
    const Row rows[] = {
        {"longer is cut", "VWXYZ", QByteArray("\x00VWX\x04\x05", 6)},
        {"shorter replaces the first bytes", "VW", QByteArray("\x00VW\x03\x04\x05", 6)},
        {"same length", "VWX", QByteArray("\x00VWX\x04\x05", 6)},
    };
    for (const Row& row : rows) {
        HexEditor editor;
        loadHex(editor, 6);
        editor.setNoSizeChange(true);
        editor.setSelStart(1);
        editor.setSelEnd(3);
        editor.replaceSelection(row.bytes);
        EXPECT_EQ(editor.getAsText().toHex(' '), row.expected.toHex(' ')) << row.name;
        EXPECT_EQ(editor.dataSize(), 6) << row.name;
    }
}

TEST(HexEditor, bytesPerLineKeepsCaretAndSelectionOnTheirBytes)
{
    HexEditor editor;
    loadHex(editor, 100);
    editor.setSelStart(37);
    editor.setSelEnd(45);
    editor.placeCaret(45, true);
    for (int perLine : {7, 1, 256, 16, 9}) {
        editor.setBytesPerLine(perLine);
        EXPECT_EQ(editor.caretPosition(), 45) << perLine;
        EXPECT_TRUE(editor.caretInCharacters()) << perLine;
        EXPECT_EQ(selectionOf(editor), (Sel{37, 45, 37})) << perLine;
        EXPECT_EQ(editor.rowCount(), (100 + perLine - 1) / perLine) << perLine;
    }
    editor.placeCaret(12, false, 1);
    editor.setBytesPerLine(5);
    EXPECT_EQ(editor.caretPosition(), 12);
    EXPECT_EQ(editor.layout().digitOf(editor.caretColumn()), 1);
}

TEST(HexEditor, insertAppendAndReplacePlaceCaretAndSelection)
{
    HexEditor editor;
    loadHex(editor, 8);
    editor.setSelStart(3);
    editor.insertBuffer("abc", 3); // at the caret: the new bytes are selected
    EXPECT_EQ(selectionOf(editor), (Sel{3, 5, 3}));
    editor.clearSelection();
    editor.insertBuffer("z", 0); // elsewhere: no selection
    EXPECT_FALSE(editor.hasSelection());

    editor.appendBuffer("tail");
    EXPECT_EQ(editor.dataSize(), 16);
    EXPECT_EQ(editor.caretPosition(), 12);
    EXPECT_EQ(selectionOf(editor), (Sel{12, 15, 12}));

    editor.setSelStart(2);
    editor.setSelEnd(4);
    editor.replaceSelection("XY");
    EXPECT_EQ(editor.getAsText().mid(0, 6), QByteArray("z\x00XYbc", 6));
    EXPECT_EQ(editor.caretPosition(), 4); // the caret was not on the start: no selection
    EXPECT_FALSE(editor.hasSelection());
}

TEST(HexEditor, deleting)
{
    struct Row {
        const char* name;
        qint64 caret;
        bool backwards;
        QByteArray expected;
        qint64 caretAfter;
    };
    const Row rows[] = {
        {"forwards", 2, false, QByteArray("\x00\x01\x03", 3), 2},
        {"forwards at the last byte", 3, false, QByteArray("\x00\x01\x02", 3), 2},
        {"backwards", 2, true, QByteArray("\x00\x02\x03", 3), 1},
        {"backwards at 0", 0, true, QByteArray("\x00\x01\x02\x03", 4), 0},
    };
    for (const Row& row : rows) {
        HexEditor editor;
        loadHex(editor, 4);
        editor.setSelStart(row.caret);
        editor.deleteAtCaret(row.backwards);
        EXPECT_EQ(editor.getAsText().toHex(), row.expected.toHex()) << row.name;
        EXPECT_EQ(editor.caretPosition(), row.caretAfter) << row.name;
    }

    HexEditor editor;
    loadHex(editor, 6);
    editor.setSelStart(4);
    editor.setSelEnd(5);
    editor.deleteSelection();
    EXPECT_EQ(editor.dataSize(), 4);
    EXPECT_EQ(editor.caretPosition(), 3); // past the data: onto the last byte
    editor.setSelStart(0);
    editor.setSelEnd(3);
    editor.deleteSelection();
    EXPECT_EQ(editor.dataSize(), 0);
    EXPECT_EQ(editor.caretColumn(), 2);
    EXPECT_EQ(editor.caretRow(), 0);
    EXPECT_EQ(editor.rowCount(), 1);
}

TEST(HexEditor, seek)
{
    struct Row {
        qint64 offset;
        int origin;
        bool strict;
        bool ok;
        qint64 caret;
    };
    const Row rows[] = {
        {3, 0, true, true, 3},    {-1, 0, true, false, 5}, {-1, 0, false, true, 0}, {10, 0, false, true, 9},
        {2, 1, true, true, 7},    {5, 1, true, false, 5},  {0, 2, true, true, 9},   {-9, 2, true, true, 0},
        {-10, 2, true, false, 5}, {0, 3, false, false, 5},
    };
    for (const Row& r : rows) {
        HexEditor editor;
        loadHex(editor, 10);
        editor.setSelStart(5);
        EXPECT_EQ(editor.seek(r.offset, r.origin, r.strict), r.ok) << r.offset << " " << r.origin;
        EXPECT_EQ(editor.caretPosition(), r.caret) << r.offset << " " << r.origin;
    }
    HexEditor empty;
    EXPECT_FALSE(empty.seek(0, 0, false));
}

TEST(HexEditor, markers)
{
    HexEditor editor;
    loadHex(editor, 100);
    editor.setSelStart(40);            // row 2
    EXPECT_EQ(editor.getMarker(3), 2); // unset: the caret row
    editor.setMarker(7, 4);
    editor.setMarker(3, 4);
    editor.setMarker(0, 1);
    EXPECT_EQ(editor.getMarker(3), 4);
    EXPECT_EQ(editor.markerAt(4), 3);
    EXPECT_EQ(editor.markerAt(1), 0);
    EXPECT_EQ(editor.markerAt(2), -1);
    EXPECT_EQ(editor.getMarker(10), 2);
}

TEST(HexEditor, readCacheFollowsEdits)
{
    HexEditor editor;
    const QByteArray data = test::countingBytes(200000);
    loadHex(editor, data);
    QByteArray expected = data;
    auto check = [&](qint64 row) {
        const qint64 p = row * editor.bytesPerLine();
        EXPECT_EQ(editor.rowBytes(row).toByteArray(), expected.mid(p, editor.bytesPerLine())) << row;
    };
    for (qint64 row : {0, 5000, 12499, 100, 2100, 12499})
        check(row);
    editor.changeByte(80000, 0xFF); // inside the cached window
    expected[80000] = char(0xFF);
    check(5000);
    editor.insertBuffer("ab", 16);
    expected.insert(16, "ab");
    check(1);
    check(12500);
    EXPECT_TRUE(editor.rowBytes(12501).isEmpty());
    EXPECT_TRUE(editor.rowBytes(-1).isEmpty());
}

TEST(HexEditor, stateChangesAreAnnouncedOncePerOperation)
{
    HexEditor editor;
    loadHex(editor, 10);
    int announced = 0;
    int viewed = 0;
    editor.setOnStateChanged([&] { ++announced; });
    editor.setOnViewChanged([&] { ++viewed; });
    editor.setSelEnd(4);
    EXPECT_EQ(announced, 1);
    editor.toggleInsert();
    EXPECT_EQ(announced, 2);
    editor.changeByte(1, 0x55);
    EXPECT_EQ(announced, 3);
    editor.setMarker(2, 0);
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(viewed, 4);
}

} // namespace
} // namespace varnik

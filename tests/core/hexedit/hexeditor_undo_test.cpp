// Undo replays the journal backwards and restores bytes and state exactly.
#include "core/hexedit/hexeditor.h"

#include "hexedittesting.h"

#include <gtest/gtest.h>

#include <random>

namespace varnik {
namespace {

using test::loadHex;

struct Snapshot {
    QByteArray bytes;
    qint64 caret;
    int column;
    qint64 selStart, selEnd, anchor;
    bool modified;
    bool operator==(const Snapshot&) const = default;
};
void PrintTo(const Snapshot& s, std::ostream* os)
{
    *os << s.bytes.size() << " bytes " << s.bytes.left(24).toHex(' ').constData() << " caret " << s.caret
        << " column " << s.column << " sel " << s.selStart << ".." << s.selEnd << "/" << s.anchor
        << (s.modified ? " modified" : "");
}
Snapshot snapshot(const HexEditor& e)
{
    return {e.getAsText(),       e.caretPosition(),      e.caretColumn(), e.selection().start(),
            e.selection().end(), e.selection().anchor(), e.modified()};
}

// One random edit of any kind, with the caret and selection moved first.
void randomEdit(HexEditor& editor, std::mt19937& rng)
{
    const auto pick = [&rng](qint64 n) { return n <= 0 ? qint64(0) : qint64(rng() % quint64(n)); };
    const qint64 size = editor.dataSize();
    if (size > 0) {
        editor.setSelStart(pick(size));
        if (rng() % 2)
            editor.setSelEnd(pick(size));
    }
    QByteArray bytes;
    for (qint64 n = 1 + pick(5); n > 0; --n)
        bytes += char(rng());
    switch (rng() % 7) {
    case 0:
        editor.changeByte(pick(size), quint8(rng()));
        break;
    case 1:
        editor.insertBuffer(bytes, pick(size + 1));
        break;
    case 2:
        editor.appendBuffer(bytes);
        break;
    case 3:
        editor.replaceSelection(bytes);
        break;
    case 4:
        editor.deleteSelection();
        break;
    case 5:
        editor.deleteAtCaret(rng() % 2);
        break;
    case 6:
        editor.toggleInsert();
        break;
    }
}

TEST(HexEditorUndo, anySequenceUndoneInReverseGivesBackEveryState)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        HexEditor editor;
        editor.setAllowInsertMode(true);
        loadHex(editor, int(rng() % 40));
        editor.setNoSizeChange(seed % 10 == 0);
        std::vector<Snapshot> states{snapshot(editor)};
        for (int step = 0; step < 60; ++step) {
            const int records = editor.journal().count();
            randomEdit(editor, rng);
            if (editor.journal().count() != records)
                states.push_back(snapshot(editor));
            else
                states.back() = snapshot(editor); // a move or a refused edit: the state to return to
        }
        // Not more than the journal keeps.
        while (states.size() > 1 && editor.undo()) {
            states.pop_back();
            const Snapshot now = snapshot(editor);
            ASSERT_EQ(now.bytes, states.back().bytes) << "seed " << seed;
            EXPECT_EQ(now.modified, states.back().modified) << "seed " << seed;
        }
        EXPECT_FALSE(editor.undo());
        EXPECT_EQ(states.size(), 1u) << "seed " << seed;
        EXPECT_EQ(editor.getAsText(), states.front().bytes) << "seed " << seed;
    }
}

TEST(HexEditorUndo, restoresCaretSelectionMarkAndModified)
{
    HexEditor editor;
    loadHex(editor, 40);
    editor.changeByte(7, 0x70); // marked, modified
    editor.setSelStart(20);
    editor.setSelEnd(25);
    editor.placeCaret(25, true);
    const Snapshot before = snapshot(editor);
    editor.replaceSelection("abc");
    editor.changeByte(7, 0x71);
    EXPECT_TRUE(editor.undo());
    EXPECT_TRUE(editor.isChanged(7)); // the mark it had before
    EXPECT_EQ(editor.byteAt(7), 0x70);
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(snapshot(editor), before);
    EXPECT_TRUE(editor.caretInCharacters());
    EXPECT_TRUE(editor.undo());
    EXPECT_FALSE(editor.isChanged(7));
    EXPECT_FALSE(editor.modified());
    EXPECT_FALSE(editor.journal().canUndo());
    EXPECT_EQ(editor.journal().description(), "Insert buffer"); // the load stays recorded
    EXPECT_FALSE(editor.undo());
    EXPECT_EQ(editor.getAsText(), test::countingBytes(40));
}

TEST(HexEditorUndo, undoOfAppendIntoEmptyData)
{
    HexEditor editor;
    editor.newBuffer(QStringLiteral("Untitled"));
    editor.appendBuffer("xyz");
    editor.placeCaret(2, true);
    editor.deleteAtCaret(false);
    EXPECT_EQ(editor.getAsText(), "xy");
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(editor.getAsText(), "xyz");
    EXPECT_EQ(editor.caretPosition(), 2);
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(editor.dataSize(), 0);
    EXPECT_EQ(editor.caretColumn(), 2);
    EXPECT_EQ(editor.journal().description(), "No Undo");
}

} // namespace
} // namespace varnik

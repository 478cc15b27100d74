// The undo journal's records byte for byte, its admission rules and its limit.
#include "core/hexedit/hexeditor.h"

#include "hexedittesting.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <functional>

namespace varnik {
namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

void load(HexEditor& editor, int size = 16)
{
    test::loadHex(editor, size);
}

// Splits the journal stream into records by walking the trailers backwards.
std::vector<HexUndoRecord> recordsOf(const QByteArray& stream)
{
    std::vector<HexUndoRecord> out;
    qsizetype end = stream.size();
    while (end > 0) {
        const qint32 length = qFromLittleEndian<qint32>(stream.constData() + end - 4);
        EXPECT_GE(end - length, 0);
        if (length < HexUndoRecord::kHeaderSize + HexUndoRecord::kTrailerSize || end - length < 0)
            break;
        const auto record = HexUndoRecord::decode(QByteArrayView(stream).sliced(end - length, length));
        EXPECT_TRUE(record.has_value());
        if (!record)
            break;
        out.insert(out.begin(), *record);
        end -= length;
    }
    return out;
}

TEST(HexUndoJournal, byteChangedRecordLayout)
{
    HexEditor editor;
    load(editor);
    editor.clearSelection();
    editor.placeCaret(5, false, 1);
    editor.changeByte(5, 0xAB);
    // clang-format off
    const QByteArray expected = bytesOf({
        0,          // kind
        0,          // changed mark before
        0,          // Modified before
        5, 0, 0, 0, // caret position
        1,          // second hex digit
        0,          // hex area
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, // no selection
        5, 0, 0, 0, // position
        1, 0, 0, 0, // count
        0, 0, 0, 0, // replaced length
        5,          // old byte
        38, 0, 0, 0 // 33 + 1 + 4
    });
    // clang-format on
    EXPECT_EQ(editor.journal().bytes().right(38).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(editor.journal().description(), "Byte changed");
    EXPECT_TRUE(editor.modified());
}

TEST(HexUndoJournal, recordOfEachKind)
{
    struct Row {
        const char* name;
        std::function<void(HexEditor&)> edit;
        HexEditKind kind;
        const char* description;
        qint32 position, count, replaced;
        QByteArray payload;
    };
    const std::vector<Row> rows = {
        {"change", [](HexEditor& e) { e.changeByte(3, 0x33); }, HexEditKind::ByteChanged, "Byte changed", 3,
         1, 0, bytesOf({3})},
        {"deleteSelection",
         [](HexEditor& e) {
             e.setSelStart(4);
             e.setSelEnd(6);
             e.deleteSelection();
         },
         HexEditKind::BytesRemoved, "Byte(s) removed", 4, 3, 0, bytesOf({4, 5, 6})},
        {"insert", [](HexEditor& e) { e.insertBuffer("xyz", 2); }, HexEditKind::InsertBuffer, "Insert buffer",
         2, 3, 0, bytesOf({0})},
        {"replace",
         [](HexEditor& e) {
             e.setSelStart(1);
             e.setSelEnd(2);
             e.replaceSelection("abcd");
         },
         HexEditKind::ReplaceSelection, "Replace selection", 1, 4, 2, bytesOf({1, 2})},
        {"append", [](HexEditor& e) { e.appendBuffer("q"); }, HexEditKind::AppendBuffer, "Append buffer", 16,
         1, 0, bytesOf({0})},
    };
    for (const Row& row : rows) {
        HexEditor editor;
        load(editor);
        row.edit(editor);
        const auto records = recordsOf(editor.journal().bytes());
        ASSERT_EQ(records.size(), 2u) << row.name; // the load, then the edit
        const HexUndoRecord& r = records.back();
        EXPECT_EQ(r.kind, row.kind) << row.name;
        EXPECT_EQ(r.position, row.position) << row.name;
        EXPECT_EQ(r.count, row.count) << row.name;
        EXPECT_EQ(r.replacedLength, row.replaced) << row.name;
        EXPECT_EQ(r.payload, row.payload) << row.name;
        EXPECT_FALSE(r.modified) << row.name;
        EXPECT_EQ(editor.journal().description(), row.description) << row.name;
        EXPECT_EQ(records.front().kind, HexEditKind::InsertBuffer) << row.name;
        EXPECT_TRUE(records.front().modified == false) << row.name;
    }
}

TEST(HexUndoJournal, admission)
{
    struct Row {
        const char* name;
        int size;
        bool noSizeChange;
        std::function<void(HexEditor&)> edit;
        bool admitted;
    };
    const std::vector<Row> rows = {
        {"change on empty data", 0, false, [](HexEditor& e) { e.changeByte(0, 1); }, false},
        {"delete forwards on empty data", 0, false, [](HexEditor& e) { e.deleteAtCaret(false); }, false},
        {"delete backwards on empty data", 0, false, [](HexEditor& e) { e.deleteAtCaret(true); }, false},
        {"insert into empty data", 0, false, [](HexEditor& e) { e.insertBuffer("a", 0); }, true},
        {"append to empty data", 0, false, [](HexEditor& e) { e.appendBuffer("a"); }, true},
        {"replace without selection inserts", 0, false, [](HexEditor& e) { e.replaceSelection("a"); }, true},
        {"insert of nothing", 4, false, [](HexEditor& e) { e.insertBuffer({}, 0); }, false},
        {"insert past the end", 4, false, [](HexEditor& e) { e.insertBuffer("a", 5); }, false},
        {"insert at a negative position", 4, false, [](HexEditor& e) { e.insertBuffer("a", -1); }, false},
        {"change past the end", 4, false, [](HexEditor& e) { e.changeByte(4, 9); }, false},
        {"change to the same value", 4, false, [](HexEditor& e) { e.changeByte(2, 2); }, false},
        {"fixed size: change", 4, true, [](HexEditor& e) { e.changeByte(1, 9); }, true},
        {"fixed size: delete", 4, true, [](HexEditor& e) { e.deleteSelection(); }, false},
        {"fixed size: delete at caret", 4, true, [](HexEditor& e) { e.deleteAtCaret(false); }, false},
        {"fixed size: insert", 4, true, [](HexEditor& e) { e.insertBuffer("a", 0); }, false},
        {"fixed size: append", 4, true, [](HexEditor& e) { e.appendBuffer("a"); }, false},
    };
    for (const Row& row : rows) {
        HexEditor editor;
        load(editor, row.size);
        editor.setNoSizeChange(row.noSizeChange);
        const QByteArray before = editor.getAsText();
        const int records = editor.journal().count();
        int announced = 0;
        editor.setOnStateChanged([&] { ++announced; });
        row.edit(editor);
        EXPECT_EQ(editor.journal().count(), records + (row.admitted ? 1 : 0)) << row.name;
        EXPECT_EQ(editor.modified(), row.admitted) << row.name;
        EXPECT_EQ(editor.getAsText() != before, row.admitted) << row.name;
        EXPECT_TRUE(!row.admitted || announced >= 1) << row.name;
    }
}

TEST(HexUndoJournal, keepsTheLastHundredRecords)
{
    HexEditor editor;
    load(editor, 1);
    ASSERT_EQ(editor.journal().count(), 1);
    for (int i = 1; i < 100; ++i)
        editor.changeByte(0, quint8(i));
    EXPECT_EQ(editor.journal().count(), 100);
    EXPECT_EQ(recordsOf(editor.journal().bytes()).front().kind, HexEditKind::InsertBuffer);

    editor.changeByte(0, 100); // the 101st
    const auto records = recordsOf(editor.journal().bytes());
    ASSERT_EQ(records.size(), 100u);
    EXPECT_EQ(editor.journal().count(), 100);
    EXPECT_EQ(records.front().kind, HexEditKind::ByteChanged);
    EXPECT_EQ(records.front().payload, bytesOf({0}));
    EXPECT_EQ(records.back().payload, bytesOf({99}));
}

TEST(HexUndoJournal, newBufferResets)
{
    HexEditor editor;
    load(editor);
    editor.changeByte(0, 7);
    int announced = 0;
    editor.setOnStateChanged([&] { ++announced; });
    editor.newBuffer(QStringLiteral("Untitled"));
    EXPECT_EQ(editor.journal().count(), 0);
    EXPECT_FALSE(editor.journal().canUndo());
    EXPECT_EQ(editor.journal().description(), "No Undo");
    EXPECT_TRUE(editor.journal().bytes().isEmpty());
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(editor.dataSize(), 0);
    EXPECT_FALSE(editor.modified());
}

TEST(HexUndoRecord, decodeRejectsMalformedRecords)
{
    HexUndoRecord r;
    r.kind = HexEditKind::BytesRemoved;
    r.payload = "abc";
    const QByteArray good = r.encode();
    ASSERT_TRUE(HexUndoRecord::decode(good).has_value());
    EXPECT_FALSE(HexUndoRecord::decode(good.left(good.size() - 1)).has_value());
    EXPECT_FALSE(HexUndoRecord::decode(good + 'x').has_value());
    QByteArray badKind = good;
    badKind[0] = 9;
    EXPECT_FALSE(HexUndoRecord::decode(badKind).has_value());
    EXPECT_FALSE(HexUndoRecord::decode(QByteArray(10, '\0')).has_value());
}

} // namespace
} // namespace varnik

// Drives the hex editor model with a random sequence of edits, moves, mode
// changes and undos, and compares its bytes after every step with a plain
// array that applies the same admitted edits; keys, typed characters and
// clicks go through the input logic too. Any difference, crash or
// out-of-range read is a fault.
#include "core/app/error.h"
#include "core/hexedit/hexeditor.h"
#include "core/hexedit/hexinput.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>

using namespace varnik;

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool more() const { return pos_ < size_; }
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    qint64 number() { return qint64(byte()) | (qint64(byte()) << 8); }
    QByteArray bytes()
    {
        QByteArray out;
        for (int n = byte() % 9; n > 0; --n)
            out += char(byte());
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The bytes as they should be, and what undo should give back, mirroring the
// journal's limit and the point where the document was last marked unmodified.
class Reference {
public:
    QByteArray bytes;

    // Records the result of an edit when the journal took it.
    void edit(const HexEditor& editor, qint64 serialBefore, const QByteArray& after)
    {
        if (editor.journal().serial() != serialBefore) {
            undo_.push_back(bytes);
            if (++count_ > HexUndoJournal::kLimit) {
                count_ = HexUndoJournal::kLimit;
                if (floor_ > 0)
                    --floor_;
                else
                    undo_.pop_front();
            }
            bytes = after;
        }
        check(editor.getAsText() == bytes);
        check(editor.journal().count() == count_);
    }
    void saved()
    {
        undo_.clear();
        floor_ = count_;
    }
    // After input that may have made several edits: the editor's bytes are
    // the reference now, and what came before is no longer undoable.
    void resync(HexEditor& editor)
    {
        editor.setModified(false);
        undo_.clear();
        floor_ = count_ = editor.journal().count();
        bytes = editor.getAsText();
    }
    void reset()
    {
        undo_.clear();
        floor_ = count_ = 0;
        bytes.clear();
    }
    void undone(bool done)
    {
        check(done == !undo_.empty());
        if (done) {
            bytes = undo_.back();
            undo_.pop_back();
            --count_;
        }
    }

private:
    std::deque<QByteArray> undo_;
    int floor_ = 0;
    int count_ = 0;
};

QByteArray replaced(const QByteArray& bytes, qint64 start, qint64 length, const QByteArray& with)
{
    return bytes.left(start) + with + bytes.mid(start + length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    HexEditor editor;
    editor.newBuffer(QStringLiteral("Untitled"));
    editor.setAllowInsertMode(true);
    HexInput input(editor);
    Reference ref;
    int steps = 0;
    while (in.more() && ++steps < 400) {
        const qint64 dataSize = editor.dataSize();
        const qint64 serial = editor.journal().serial();
        const qint64 caret = editor.caretPosition();
        const HexSelection sel = editor.selection();
        try {
            switch (in.byte() % 20) {
            case 0: {
                const qint64 pos = in.number() % (dataSize + 1);
                const quint8 value = in.byte();
                editor.changeByte(pos, value);
                QByteArray after = ref.bytes;
                if (pos < after.size())
                    after[pos] = char(value);
                ref.edit(editor, serial, after);
                break;
            }
            case 1: {
                const qint64 pos = in.number() % (dataSize + 2) - 1;
                const QByteArray bytes = in.bytes();
                editor.insertBuffer(bytes, pos);
                ref.edit(editor, serial, pos >= 0 ? replaced(ref.bytes, pos, 0, bytes) : ref.bytes);
                break;
            }
            case 2: {
                const QByteArray bytes = in.bytes();
                editor.appendBuffer(bytes);
                ref.edit(editor, serial, ref.bytes + bytes);
                break;
            }
            case 3: {
                QByteArray bytes = in.bytes();
                editor.replaceSelection(bytes);
                if (!sel.exists()) {
                    ref.edit(editor, serial, replaced(ref.bytes, qMin(caret, dataSize), 0, bytes));
                    break;
                }
                const qint64 start = qBound<qint64>(0, sel.start(), dataSize);
                qint64 length = qMin(sel.length(), dataSize - start);
                if (editor.noSizeChange()) {
                    bytes.truncate(length);
                    length = bytes.size();
                }
                ref.edit(editor, serial, replaced(ref.bytes, start, length, bytes));
                break;
            }
            case 4: {
                editor.deleteSelection();
                const qint64 start = sel.exists() ? sel.start() : caret;
                ref.edit(editor, serial, replaced(ref.bytes, start, sel.exists() ? sel.length() : 1, {}));
                break;
            }
            case 5:
            case 6: {
                const bool backwards = in.byte() % 2;
                editor.deleteAtCaret(backwards);
                const qint64 p =
                    qBound<qint64>(0, caret, qMax<qint64>(dataSize - 1, 0)) - (backwards ? 1 : 0);
                ref.edit(editor, serial, replaced(ref.bytes, p, 1, {}));
                break;
            }
            case 7:
                ref.undone(editor.undo());
                break;
            case 8:
                editor.setSelStart(in.number() % (dataSize + 1));
                break;
            case 9:
                editor.setSelEnd(in.number() % (dataSize + 1));
                break;
            case 10:
                editor.setBytesPerLine(int(in.number() % 260) - 1);
                break;
            case 11:
                editor.toggleInsert();
                break;
            case 12:
                editor.setNoSizeChange(in.byte() % 4 == 0);
                editor.setAllowInsertMode(true);
                break;
            case 13:
                editor.setModified(false);
                ref.saved();
                break;
            case 14:
                editor.seek(in.number() - 32768, in.byte() % 4, in.byte() % 2);
                break;
            case 15: {
                const QByteArray bytes = in.bytes();
                editor.setAsText(bytes);
                if (dataSize > 0 && editor.noSizeChange())
                    ref.edit(editor, serial,
                             replaced(ref.bytes, 0, qMin(bytes.size(), dataSize), bytes.left(dataSize)));
                else
                    ref.edit(editor, serial, bytes);
                break;
            }
            case 16:
                editor.extendSelection(caret, in.number() % (dataSize + 1));
                editor.placeCaret(in.number() % (dataSize + 1), in.byte() % 2, in.byte() % 2);
                break;
            case 17:
                if (in.byte() % 8 == 0) {
                    editor.newBuffer(QStringLiteral("Untitled"));
                    ref.reset();
                } else {
                    editor.setMarker(int(in.byte() % 12) - 1, in.number());
                }
                break;
            case 18: {
                // A key of the editor's table, with any modifiers and digit.
                static constexpr int kKeys[] = {
                    Qt::Key_Insert,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,    Qt::Key_Right,
                    Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End,     Qt::Key_PageUp,
                    Qt::Key_PageDown, Qt::Key_T,         Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Shift,
                    Qt::Key_0,        Qt::Key_Alt,       Qt::Key_A};
                const int key = kKeys[in.byte() % std::size(kKeys)];
                const auto modifiers = Qt::KeyboardModifiers(int(in.byte() % 8) << 25);
                const int digit = int(in.byte() % 12) - 2;
                HexViewport viewport{in.number() % (editor.rowCount() + 1), 1 + in.byte() % 40};
                input.keyPress(key, modifiers, digit, viewport);
                input.keyRelease(in.byte() % 2 ? Qt::Key_Alt : key);
                ref.resync(editor);
                break;
            }
            case 19: {
                static constexpr char16_t kTyped[] = u"0123456789abcdefABCDEFgz \tą€ж\0";
                const int what = in.byte();
                if (what % 3 == 0)
                    input.mousePress(int(in.number() % (editor.columnCount() + 2)) - 1,
                                     in.number() % (editor.rowCount() + 2) - 1, in.byte() % 2);
                else if (what % 3 == 1)
                    input.mouseDrag(int(in.number() % (editor.columnCount() + 2)) - 1,
                                    in.number() % (editor.rowCount() + 2) - 1);
                else
                    input.typeCharacter(QChar(kTyped[in.byte() % (std::size(kTyped) - 1)]));
                ref.resync(editor);
                break;
            }
            }
        } catch (const Error&) {
            // Property checks refuse bad values with a message; the state stays as it was.
        }
        check(editor.getAsText() == ref.bytes);
        check(editor.dataSize() == ref.bytes.size());
        check(editor.caretColumn() >= 0 && editor.caretColumn() < editor.columnCount());
        const qint64 row = editor.rowCount() > 0 ? qint64(in.byte()) % editor.rowCount() : 0;
        const qint64 perLine = editor.bytesPerLine();
        check(editor.rowBytes(row).toByteArray() == ref.bytes.mid(row * perLine, perLine));
        check(editor.journal().count() <= HexUndoJournal::kLimit);
    }
    return 0;
}

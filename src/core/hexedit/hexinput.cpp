#include "core/hexedit/hexinput.h"

namespace varnik {

namespace {

int hexValue(QChar c)
{
    return int(QStringView(u"0123456789ABCDEF").indexOf(c, 0, Qt::CaseInsensitive));
}

} // namespace

bool HexInput::moveTo(int column, qint64 row, bool shift, bool leftButton)
{
    const HexLayout& layout = editor_.layout();
    const qint64 size = editor_.dataSize();
    if (size == 0) {
        if (column != 2 || row != 0)
            return false;
        editor_.setCaretCell(2, 0);
        return true;
    }
    column = qBound(2, column, layout.lastCharColumn());
    row = qBound<qint64>(0, row, layout.rowCount() - 1);
    // A move made from inside the check is not checked again.
    if (checking_) {
        editor_.setCaretCell(column, row);
        return true;
    }
    checking_ = true;
    const auto done = [this](bool moved) {
        checking_ = false;
        return moved;
    };
    if (!shift && !leftButton)
        editor_.clearSelection();
    const qint64 pos = layout.positionOf(column, row);
    if (pos >= size) {
        editor_.placeCaret(size - 1, editor_.caretInCharacters());
        return done(false);
    }
    if (column == layout.gapColumn()) {
        if (leftButton)
            editor_.setCaretCell(qMax(2, layout.gapColumn() - 1), row);
        return done(false);
    }
    if (editor_.selecting())
        editor_.extendSelection(editor_.caretPosition(), pos);
    else
        editor_.clearSelection();
    editor_.setCaretCell(column, row);
    return done(true);
}

void HexInput::moveLeft(bool shift)
{
    const HexLayout& layout = editor_.layout();
    const qint64 pos = editor_.caretPosition();
    if (editor_.caretInCharacters()) {
        if (pos > 0)
            moveTo(layout.charColumn(pos - 1), layout.rowOf(pos - 1), shift, false);
    } else if (layout.digitOf(editor_.caretColumn()) == 1) {
        moveTo(editor_.caretColumn() - 1, editor_.caretRow(), shift, false);
    } else if (pos > 0) {
        moveTo(layout.hexColumn(pos - 1) + 1, layout.rowOf(pos - 1), shift, false);
    }
}

void HexInput::moveRight(bool shift)
{
    const HexLayout& layout = editor_.layout();
    const qint64 pos = editor_.caretPosition();
    const bool nextExists = pos + 1 < editor_.dataSize();
    if (editor_.caretInCharacters()) {
        if (nextExists)
            moveTo(layout.charColumn(pos + 1), layout.rowOf(pos + 1), shift, false);
    } else if (layout.digitOf(editor_.caretColumn()) == 0) {
        moveTo(editor_.caretColumn() + 1, editor_.caretRow(), shift, false);
    } else if (nextExists) {
        moveTo(layout.hexColumn(pos + 1), layout.rowOf(pos + 1), shift, false);
    }
}

void HexInput::toTwin(bool shift)
{
    if (editor_.dataSize() > 0)
        moveTo(editor_.layout().twinColumn(editor_.caretColumn()), editor_.caretRow(), shift, false);
}

bool HexInput::keyPress(int key, Qt::KeyboardModifiers modifiers, int digit, HexViewport& viewport)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const bool exactlyCtrl = ctrl && !shift && !alt;
    const bool plain = !ctrl && !shift && !alt;
    if (key == Qt::Key_Shift) {
        if (!editor_.selecting())
            editor_.clearSelection();
        editor_.setSelecting(true);
        return true;
    }
    if (plain && !editor_.isInsertMode())
        editor_.clearSelection();
    // A Shift held since before the editor had the focus starts a selection too.
    if (shift && !editor_.selecting() && digit < 0) {
        editor_.clearSelection();
        editor_.setSelecting(true);
    }

    const HexLayout& layout = editor_.layout();
    const int column = editor_.caretColumn();
    const qint64 row = editor_.caretRow();
    const bool chars = editor_.caretInCharacters();
    const qint64 size = editor_.dataSize();
    const qint64 step = qMax<qint64>(viewport.visibleRows - 1, 1);
    if (digit >= 0 && digit <= 9 && ctrl) {
        if (shift) {
            editor_.setMarker(digit, row);
        } else {
            editor_.clearSelection();
            const qint64 target = editor_.getMarker(digit);
            if (target < editor_.rowCount())
                moveTo(2, target, false, false);
        }
        return true;
    }
    switch (key) {
    case Qt::Key_Insert:
        editor_.toggleInsert();
        insertModeChanged_ = true;
        return true;
    case Qt::Key_Backspace:
        if (!editor_.isInsertMode())
            moveTo(column - 1, row, shift, false);
        else if (editor_.selectionLength() > 0)
            editor_.deleteSelection(); // the selection only, not a byte more
        else
            editor_.deleteAtCaret(true);
        return true;
    case Qt::Key_Delete:
        if (exactlyCtrl)
            editor_.deleteSelection();
        else if (editor_.isInsertMode() && editor_.hasSelection())
            editor_.deleteSelection();
        else if (editor_.isInsertMode())
            editor_.deleteAtCaret(false);
        return true;
    case Qt::Key_Left:
        if (!ctrl)
            moveLeft(shift);
        return true;
    case Qt::Key_Right:
        if (ctrl)
            moveTo(layout.lastCharColumn(), row, shift, false);
        else
            moveRight(shift);
        return true;
    case Qt::Key_Up:
        if (!ctrl && row > 0)
            moveTo(column, row - 1, shift, false);
        return true;
    case Qt::Key_Down:
        if (!ctrl && row + 1 < editor_.rowCount())
            moveTo(column, row + 1, shift, false);
        return true;
    case Qt::Key_Home:
        moveTo(chars ? layout.firstCharColumn() : 2, ctrl ? 0 : row, shift, false);
        return true;
    case Qt::Key_End: {
        if (size == 0)
            return true;
        const qint64 last =
            ctrl ? size - 1 : qMin(row * layout.bytesPerLine() + layout.bytesPerLine(), size) - 1;
        moveTo(chars ? layout.charColumn(last) : layout.hexColumn(last), layout.rowOf(last), shift, false);
        return true;
    }
    case Qt::Key_PageUp:
        if (ctrl) {
            moveTo(column, viewport.topRow, shift, false);
        } else {
            viewport.topRow = qMax<qint64>(viewport.topRow - step, 0);
            moveTo(column, qMax<qint64>(row - step, 0), shift, false);
        }
        return true;
    case Qt::Key_PageDown: {
        const qint64 lastRow = editor_.rowCount() - 1;
        if (ctrl) {
            moveTo(column, qMin(viewport.topRow + viewport.visibleRows - 1, lastRow), shift, false);
        } else {
            const qint64 maxTop = qMax<qint64>(editor_.rowCount() - viewport.visibleRows, 0);
            viewport.topRow = qMin(viewport.topRow + step, maxTop);
            moveTo(column, qMin(row + step, lastRow), shift, false);
        }
        return true;
    }
    case Qt::Key_T:
        if (!exactlyCtrl)
            return false;
        toTwin(false);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        toTwin(false);
        return true;
    default:
        return false;
    }
}

void HexInput::typeCharacter(QChar c)
{
    const qint64 p = editor_.caretPosition();
    if (p >= editor_.dataSize() && !editor_.isInsertMode())
        return;
    if (editor_.caretInCharacters())
        typeInCharacters(c, p);
    else if (const int d = hexValue(c); d >= 0)
        typeInHex(d, p);
}

void HexInput::typeInCharacters(QChar c, qint64 p)
{
    const int byte = altFlag_ ? editor_.translator().oemByte(c) : editor_.translator().typedByte(c);
    if (byte < 0 || (!altFlag_ && byte < 32))
        return;
    altFlag_ = false;
    const QByteArray bytes(1, char(byte));
    if (!editor_.isInsertMode()) {
        editor_.clearSelection();
        editor_.changeByte(p, quint8(byte));
    } else if (editor_.hasSelection()) {
        editor_.replaceSelection(bytes);
    } else {
        editor_.insertBuffer(bytes, p);
    }
    moveRight(false);
}

void HexInput::typeInHex(int d, qint64 p)
{
    const HexLayout& layout = editor_.layout();
    const bool insert = editor_.isInsertMode();
    const bool swap = editor_.swapNibbles();
    const qint64 size = editor_.dataSize();
    const quint8 old = p < size ? editor_.byteAt(p) : 0;
    const int column = editor_.caretColumn();
    const int first = layout.hexColumn(p);
    const bool onFirstDigit = column - (swap ? 1 : 0) == first;
    if (!insert)
        editor_.clearSelection();
    const bool selected = editor_.hasSelection();
    const quint8 value = quint8(onFirstDigit || selected ? d * 16 + (old & 15) : d + (old & 240));
    if (insert && (column == first || selected)) {
        // A new byte: the digit where the byte's first column shows it, the other digit 0.
        const QByteArray bytes(1, char(swap ? d : d * 16));
        if (size == 0)
            editor_.appendBuffer(bytes);
        else if (selected)
            editor_.replaceSelection(bytes);
        else
            editor_.insertBuffer(bytes, p);
        moveRight(false);
        return;
    }
    editor_.changeByte(p, value);
    if (insert && column == first + 1 && p == size - 1) {
        editor_.appendBuffer(QByteArray(1, '\0'));
        return;
    }
    moveRight(false);
}

void HexInput::mousePress(int column, qint64 row, bool doubleClick)
{
    moveTo(column, row, false, true);
    editor_.clearSelection();
    if (!doubleClick)
        editor_.setSelecting(true);
}

void HexInput::mouseDrag(int column, qint64 row)
{
    moveTo(column, row, false, true);
}

} // namespace varnik

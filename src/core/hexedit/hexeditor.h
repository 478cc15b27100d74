#pragma once

#include "core/hexedit/hexbytestore.h"
#include "core/hexedit/hexchangedmarks.h"
#include "core/hexedit/hexlayout.h"
#include "core/hexedit/hexselection.h"
#include "core/hexedit/hextranslation.h"
#include "core/hexedit/hexundojournal.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

namespace varnik {

// The model of the byte-editing control: the bytes, the caret cell and the
// selection, insert and overwrite mode, the changed marks, the undo journal,
// ten row markers and the translation of the character area. Positions are
// byte offsets from 0; the data size is limited to 32-bit signed positions.
// Property checks throw Error with the control's messages.
class HexEditor {
public:
    static constexpr qint64 kMaxSize = 0x7FFFFFFF;
    static constexpr int kMarkers = 10;
    static constexpr qint64 kCacheSize = 65536;

    HexEditor();

    // Called once after an operation that changed the selection, the mode or
    // the journal (the control's state-change announcement).
    void setOnStateChanged(std::function<void()> handler) { onStateChanged_ = std::move(handler); }
    // Called once after an operation that changed anything visible.
    void setOnViewChanged(std::function<void()> handler) { onViewChanged_ = std::move(handler); }

    // Data
    qint64 dataSize() const { return store_.size(); }
    quint8 byteAt(qint64 pos) const { return quint8(store_.at(pos)); }
    QByteArray bytes(qint64 pos, qint64 count) const { return store_.bytes(pos, count); }
    QByteArray getAsText() const { return store_.all(); }
    // Replaces all data with legacy bytes translated to the byte set (one edit).
    void setAsText(const QByteArray& text);
    void newBuffer(const QString& name);
    const QString& bufferName() const { return bufferName_; }

    // Edits; each is first offered to the journal, which may refuse it silently.
    void changeByte(qint64 pos, quint8 value);
    void insertBuffer(const QByteArray& bytes, qint64 pos);
    void appendBuffer(const QByteArray& bytes);
    void replaceSelection(QByteArray bytes);
    void deleteSelection();
    void deleteAtCaret(bool backwards);
    // Takes back the last undoable edit; false when there is none.
    bool undo();

    // Properties
    int bytesPerLine() const { return layout_.bytesPerLine(); }
    void setBytesPerLine(int value);
    int bytesPerColumn() const { return bytesPerColumn_; }
    void setBytesPerColumn(int value);
    TranslationType translation() const { return translation_.type(); }
    void setTranslation(TranslationType type);
    // The legacy code page the character area translates from.
    void setCodePage(std::shared_ptr<const CodePage> page);
    const HexTranslation& translator() const { return translation_; }
    bool allowInsertMode() const { return allowInsertMode_; }
    void setAllowInsertMode(bool value);
    bool noSizeChange() const { return noSizeChange_; }
    void setNoSizeChange(bool value);
    bool swapNibbles() const { return swapNibbles_; }
    void setSwapNibbles(bool value);
    bool insertToggle() const { return insertToggle_; }
    bool isInsertMode() const { return insertToggle_ && allowInsertMode_ && !noSizeChange_; }
    // The Insert key: flips the toggle and clears the changed marks.
    void toggleInsert();
    bool modified() const { return modified_; }
    void setModified(bool value);
    bool isChanged(qint64 pos) const { return !isInsertMode() && marks_.test(pos); }
    const HexChangedMarks& changedMarks() const { return marks_; }
    const HexUndoJournal& journal() const { return journal_; }

    // Grid
    const HexLayout& layout() const { return layout_; }
    qint64 rowCount() const { return layout_.rowCount(); }
    int columnCount() const { return layout_.columnCount(); }

    // Caret and selection
    int caretColumn() const { return caretColumn_; }
    qint64 caretRow() const { return caretRow_; }
    qint64 caretPosition() const { return layout_.positionOf(caretColumn_, caretRow_); }
    bool caretInCharacters() const { return layout_.isCharColumn(caretColumn_); }
    // Puts the caret on a cell as it is, with no checks (the grid's own move).
    void setCaretCell(int column, qint64 row);
    // Puts the caret on a byte in an area, on the given hex digit.
    void placeCaret(qint64 pos, bool inCharacters, int digit = 0);
    const HexSelection& selection() const { return selection_; }
    bool hasSelection() const { return selection_.exists(); }
    bool isSelected(qint64 pos) const { return selection_.contains(pos); }
    qint64 selectionLength() const { return selection_.length(); }
    // The byte the selection started from, else the caret position.
    qint64 selStart() const;
    // The other end of the selection, else the caret position.
    qint64 selEnd() const;
    void setSelStart(qint64 value);
    void setSelEnd(qint64 value);
    // Origin 0 from the start, 1 from the caret, 2 from the end.
    bool seek(qint64 offset, int origin, bool strict);
    void clearSelection();
    // Extends the selection from the byte at `from` to the byte at `to`.
    void extendSelection(qint64 from, qint64 to);
    bool selecting() const { return selecting_; }
    void setSelecting(bool value) { selecting_ = value; }

    // Markers hold row numbers, -1 = unset.
    void setMarker(int index, qint64 row);
    // The marker's row, or the caret's row when it is unset (or no marker).
    qint64 getMarker(int index) const;
    // The lowest marker index on `row`, or -1.
    int markerAt(qint64 row) const;

    // The bytes of a row as painting reads them, through the read cache.
    QByteArrayView rowBytes(qint64 row);

    // Bytes held by the data, journal and marks.
    qint64 memoryBytes() const;

private:
    class Batch;
    friend class Batch;

    bool admit(HexEditKind kind, qint64 pos, qint64 replaced, qint64 count, const QByteArray& payload);
    void insertAt(const QByteArray& bytes, qint64 pos);
    void deleteRange(qint64 start, qint64 end, int caretColumn, qint64 caretRow);
    void relayout();
    void toLastByte();
    void announce() { stateChanged_ = true; }
    void touched() { viewChanged_ = true; }
    void restore(const HexUndoRecord& record);

    HexByteStore store_;
    HexLayout layout_;
    HexTranslation translation_;
    std::shared_ptr<const CodePage> codePage_;
    HexChangedMarks marks_;
    HexUndoJournal journal_;
    HexSelection selection_;
    std::array<qint64, kMarkers> markers_;
    QString bufferName_ = QStringLiteral("---");
    QByteArray cache_;
    qint64 cacheStart_ = -1;
    int caretColumn_ = 2;
    qint64 caretRow_ = 0;
    int bytesPerColumn_ = 2;
    bool selecting_ = false;
    bool insertToggle_ = false;
    bool allowInsertMode_ = false;
    bool noSizeChange_ = false;
    bool swapNibbles_ = false;
    bool modified_ = false;

    std::function<void()> onStateChanged_;
    std::function<void()> onViewChanged_;
    int depth_ = 0;
    bool stateChanged_ = false;
    bool viewChanged_ = false;
};

} // namespace varnik

#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <optional>

namespace varnik {

enum class HexEditKind : quint8 {
    ByteChanged = 0,
    BytesRemoved = 1,
    InsertBuffer = 2,
    ReplaceSelection = 3,
    AppendBuffer = 4,
};

// One admitted edit: the editor's state before it and the bytes needed to take
// it back. Serialised as a 33-byte header, the payload and a 4-byte trailer
// holding the record's whole length, all integers little-endian 32-bit signed.
struct HexUndoRecord {
    HexEditKind kind = HexEditKind::ByteChanged;
    bool changedMark = false; // of the byte, before a ByteChanged edit
    bool modified = false;
    qint32 caretPosition = 0;
    quint8 caretDigit = 0; // 1 = second hex digit column
    bool caretInCharacters = false;
    qint32 selStart = -1;
    qint32 selEnd = -1;
    qint32 anchor = -1;
    qint32 position = 0;
    qint32 count = 0;
    qint32 replacedLength = 0;
    QByteArray payload;

    static constexpr int kHeaderSize = 33;
    static constexpr int kTrailerSize = 4;

    QByteArray encode() const;
    // Nothing when `bytes` is not exactly one well-formed record.
    static std::optional<HexUndoRecord> decode(QByteArrayView bytes);
};

// The hex editor's record of admitted edits, at most kLimit records (the
// oldest goes first). Records older than the last "saved" point (see
// markSaved) stay in the journal but are not offered for undo.
class HexUndoJournal {
public:
    static constexpr int kLimit = 100;

    static QString describe(HexEditKind kind);

    void reset();
    void append(const HexUndoRecord& record);
    int count() const { return int(records_.size()); }
    // Records appended since construction: tells whether an edit was admitted.
    qint64 serial() const { return serial_; }
    QString description() const { return description_; }
    bool canUndo() const { return canUndo_; }
    // Clears the can-undo flag: the records so far are no longer undoable.
    void markSaved();
    // Removes and returns the last undoable record.
    std::optional<HexUndoRecord> takeLast();
    // The journal as one stream of records, oldest first.
    QByteArray bytes() const;
    qint64 byteCount() const;

private:
    std::deque<QByteArray> records_;
    qint64 serial_ = 0;
    int floor_ = 0; // records below this index are not undoable
    QString description_ = noUndo();
    bool canUndo_ = false;

    static QString noUndo() { return QStringLiteral("No Undo"); }
};

} // namespace varnik

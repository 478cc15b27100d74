#include "core/hexedit/hexundojournal.h"

#include <QtEndian>

namespace varnik {

namespace {

void putInt(char* at, qint32 value)
{
    qToLittleEndian<qint32>(value, at);
}

qint32 getInt(const char* at)
{
    return qFromLittleEndian<qint32>(at);
}

} // namespace

QByteArray HexUndoRecord::encode() const
{
    const qsizetype n = payload.size();
    QByteArray out(kHeaderSize + n + kTrailerSize, '\0');
    char* d = out.data();
    d[0] = char(kind);
    d[1] = char(kind == HexEditKind::ByteChanged && changedMark ? 1 : 0);
    d[2] = char(modified ? 1 : 0);
    putInt(d + 3, caretPosition);
    d[7] = char(caretDigit);
    d[8] = char(caretInCharacters ? 1 : 0);
    putInt(d + 9, selStart);
    putInt(d + 13, selEnd);
    putInt(d + 17, anchor);
    putInt(d + 21, position);
    putInt(d + 25, count);
    putInt(d + 29, kind == HexEditKind::ReplaceSelection ? replacedLength : 0);
    if (n > 0)
        memcpy(d + kHeaderSize, payload.constData(), size_t(n));
    putInt(d + kHeaderSize + n, qint32(out.size()));
    return out;
}

std::optional<HexUndoRecord> HexUndoRecord::decode(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    if (size < kHeaderSize + kTrailerSize || getInt(bytes.data() + size - kTrailerSize) != size)
        return std::nullopt;
    const char* d = bytes.data();
    if (quint8(d[0]) > quint8(HexEditKind::AppendBuffer))
        return std::nullopt;
    HexUndoRecord r;
    r.kind = HexEditKind(d[0]);
    r.changedMark = d[1] != 0;
    r.modified = d[2] != 0;
    r.caretPosition = getInt(d + 3);
    r.caretDigit = quint8(d[7]);
    r.caretInCharacters = d[8] != 0;
    r.selStart = getInt(d + 9);
    r.selEnd = getInt(d + 13);
    r.anchor = getInt(d + 17);
    r.position = getInt(d + 21);
    r.count = getInt(d + 25);
    r.replacedLength = getInt(d + 29);
    r.payload = QByteArray(d + kHeaderSize, size - kHeaderSize - kTrailerSize);
    return r;
}

QString HexUndoJournal::describe(HexEditKind kind)
{
    switch (kind) {
    case HexEditKind::ByteChanged:
        return QStringLiteral("Byte changed");
    case HexEditKind::BytesRemoved:
        return QStringLiteral("Byte(s) removed");
    case HexEditKind::InsertBuffer:
        return QStringLiteral("Insert buffer");
    case HexEditKind::ReplaceSelection:
        return QStringLiteral("Replace selection");
    case HexEditKind::AppendBuffer:
        return QStringLiteral("Append buffer");
    }
    return noUndo();
}

void HexUndoJournal::reset()
{
    records_.clear();
    floor_ = 0;
    description_ = noUndo();
    canUndo_ = false;
}

void HexUndoJournal::append(const HexUndoRecord& record)
{
    ++serial_;
    canUndo_ = true;
    description_ = describe(record.kind);
    records_.push_back(record.encode());
    if (count() > kLimit) {
        records_.pop_front();
        floor_ = std::max(floor_ - 1, 0);
    }
}

void HexUndoJournal::markSaved()
{
    canUndo_ = false;
    floor_ = count();
}

std::optional<HexUndoRecord> HexUndoJournal::takeLast()
{
    if (count() <= floor_)
        return std::nullopt;
    auto record = HexUndoRecord::decode(records_.back());
    records_.pop_back();
    canUndo_ = count() > floor_;
    description_ = records_.empty() ? noUndo() : describe(HexEditKind(quint8(records_.back()[0])));
    return record;
}

qint64 HexUndoJournal::byteCount() const
{
    qint64 total = 0;
    for (const QByteArray& r : records_)
        total += r.size();
    return total;
}

QByteArray HexUndoJournal::bytes() const
{
    QByteArray out;
    out.reserve(byteCount());
    for (const QByteArray& r : records_)
        out += r;
    return out;
}

} // namespace varnik

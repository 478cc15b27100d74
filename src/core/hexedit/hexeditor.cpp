#include "core/hexedit/hexeditor.h"

#include "core/app/error.h"

#include <utility>

namespace varnik {

// Collects the notifications of one operation (and of the operations it calls)
// and delivers each once when the outermost one ends.
class HexEditor::Batch {
public:
    explicit Batch(HexEditor& editor) : editor_(editor) { ++editor_.depth_; }
    ~Batch()
    {
        if (--editor_.depth_ > 0)
            return;
        const bool view = std::exchange(editor_.viewChanged_, false);
        const bool state = std::exchange(editor_.stateChanged_, false);
        if (view && editor_.onViewChanged_)
            editor_.onViewChanged_();
        if (state && editor_.onStateChanged_)
            editor_.onStateChanged_();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    HexEditor& editor_;
};

HexEditor::HexEditor() : translation_(CodePage::windows1250(), TranslationType::Ansi)
{
    codePage_ = CodePage::windows1250();
    markers_.fill(-1);
}

bool HexEditor::admit(HexEditKind kind, qint64 pos, qint64 replaced, qint64 count, const QByteArray& payload)
{
    announce();
    const bool grows = kind == HexEditKind::InsertBuffer || kind == HexEditKind::AppendBuffer;
    if (dataSize() <= 0 && !grows)
        return false;
    if (noSizeChange_ && (grows || kind == HexEditKind::BytesRemoved ||
                          (kind == HexEditKind::ReplaceSelection && count != replaced)))
        return false;
    // An edit of nothing would only leave a record that undoes nothing.
    if (count <= 0 && replaced <= 0)
        return false;

    HexUndoRecord record;
    record.kind = kind;
    record.changedMark = kind == HexEditKind::ByteChanged && marks_.test(pos);
    record.modified = modified_;
    record.caretPosition = qint32(caretPosition());
    record.caretDigit = quint8(layout_.digitOf(caretColumn_));
    record.caretInCharacters = caretInCharacters();
    record.selStart = qint32(selection_.start());
    record.selEnd = qint32(selection_.end());
    record.anchor = qint32(selection_.anchor());
    record.position = qint32(pos);
    record.count = qint32(count);
    record.replacedLength = qint32(replaced);
    record.payload = payload;
    journal_.append(record);
    if (kind != HexEditKind::ByteChanged)
        cacheStart_ = -1;
    modified_ = true;
    return true;
}

void HexEditor::relayout()
{
    layout_ = HexLayout(layout_.bytesPerLine(), store_.size());
    marks_.truncate(store_.size());
    cacheStart_ = -1;
    touched();
}

void HexEditor::toLastByte()
{
    if (dataSize() == 0)
        setCaretCell(2, 0);
    else
        placeCaret(dataSize() - 1, caretInCharacters());
}

void HexEditor::setCaretCell(int column, qint64 row)
{
    caretColumn_ = qBound(0, column, layout_.columnCount() - 1);
    caretRow_ = qMax<qint64>(row, 0);
    touched();
}

void HexEditor::placeCaret(qint64 pos, bool inCharacters, int digit)
{
    pos = qMax<qint64>(pos, 0);
    const int column = inCharacters ? layout_.charColumn(pos) : layout_.hexColumn(pos) + (digit ? 1 : 0);
    setCaretCell(column, layout_.rowOf(pos));
}

void HexEditor::setAsText(const QByteArray& text)
{
    Batch batch(*this);
    if (dataSize() > 0) {
        // The whole data, whatever the mode (an insert-mode extension would leave the last byte out).
        clearSelection();
        placeCaret(0, caretInCharacters());
        selection_.set(0, dataSize() - 1, 0);
    }
    replaceSelection(translation_.fromAnsi(text));
}

void HexEditor::newBuffer(const QString& name)
{
    Batch batch(*this);
    store_.clear();
    bufferName_ = name;
    journal_.reset();
    announce();
    selection_.clear();
    selecting_ = false;
    marks_.reset();
    relayout();
    modified_ = false;
    setCaretCell(2, 0);
}

void HexEditor::changeByte(qint64 pos, quint8 value)
{
    if (pos < 0 || pos >= dataSize())
        return;
    const quint8 old = byteAt(pos);
    if (old == value)
        return;
    Batch batch(*this);
    if (!admit(HexEditKind::ByteChanged, pos, 0, 1, QByteArray(1, char(old))))
        return;
    store_.overwrite(pos, char(value));
    if (cacheStart_ >= 0 && pos >= cacheStart_ && pos < cacheStart_ + cache_.size())
        cache_[pos - cacheStart_] = char(value);
    if (!isInsertMode())
        marks_.set(pos);
    touched();
}

void HexEditor::insertBuffer(const QByteArray& bytes, qint64 pos)
{
    if (bytes.isEmpty() || pos < 0 || pos > dataSize() || bytes.size() > kMaxSize - dataSize())
        return;
    Batch batch(*this);
    if (admit(HexEditKind::InsertBuffer, pos, 0, bytes.size(), QByteArray(1, '\0')))
        insertAt(bytes, pos);
}

void HexEditor::insertAt(const QByteArray& bytes, qint64 pos)
{
    store_.insert(pos, bytes);
    relayout();
    marks_.truncate(pos);
    if (pos == caretPosition()) {
        selection_.set(pos, pos + bytes.size() - 1, pos);
        announce();
    }
}

void HexEditor::appendBuffer(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > kMaxSize - dataSize())
        return;
    Batch batch(*this);
    const qint64 oldSize = dataSize();
    if (!admit(HexEditKind::AppendBuffer, oldSize, 0, bytes.size(), QByteArray(1, '\0')))
        return;
    marks_.truncate(oldSize);
    store_.insert(oldSize, bytes);
    relayout();
    placeCaret(oldSize, caretInCharacters());
    selection_.set(oldSize, dataSize() - 1, oldSize);
    announce();
}

void HexEditor::replaceSelection(QByteArray bytes)
{
    Batch batch(*this);
    if (!selection_.exists()) {
        insertBuffer(bytes, caretPosition());
        return;
    }
    const qint64 start = qBound<qint64>(0, selection_.start(), dataSize());
    qint64 length = qMin(selection_.length(), dataSize() - start);
    if (noSizeChange_) {
        if (bytes.size() > length)
            bytes.truncate(length);
        if (bytes.size() < length) {
            length = bytes.size();
            const bool fromEnd = selection_.anchor() == selection_.end();
            selection_.set(start, start + length - 1, fromEnd ? start + length - 1 : start);
        }
    }
    if (bytes.size() > kMaxSize - (dataSize() - length))
        return;
    if (!admit(HexEditKind::ReplaceSelection, start, length, bytes.size(), store_.bytes(start, length)))
        return;
    // The caret keeps its cell across the deletion when the new bytes cover it again
    // (replacing the last byte would otherwise send it back a byte).
    const int column = caretColumn_;
    const qint64 row = caretRow_;
    if (length > 0)
        deleteRange(start, start + length, column, row);
    store_.insert(start, bytes);
    relayout();
    marks_.truncate(start);
    if (layout_.positionOf(column, row) < dataSize())
        setCaretCell(column, row);
    if (caretPosition() == start && start < dataSize() && !bytes.isEmpty())
        selection_.set(start, start + bytes.size() - 1, start);
    announce();
}

void HexEditor::deleteSelection()
{
    Batch batch(*this);
    qint64 start = caretPosition();
    qint64 length = 1;
    if (selection_.exists()) {
        start = selection_.start();
        length = selection_.length();
    }
    if (start < 0 || length <= 0 || start + length > dataSize()) {
        announce();
        return;
    }
    if (!admit(HexEditKind::BytesRemoved, start, 0, length, store_.bytes(start, length)))
        return;
    const bool chars = caretInCharacters();
    deleteRange(start, start + length, chars ? layout_.charColumn(start) : layout_.hexColumn(start),
                layout_.rowOf(start));
}

void HexEditor::deleteAtCaret(bool backwards)
{
    Batch batch(*this);
    const qint64 size = dataSize();
    const qint64 p = qBound<qint64>(0, caretPosition(), qMax<qint64>(size - 1, 0));
    if (!backwards) {
        if (p != size && admit(HexEditKind::BytesRemoved, p, 0, 1, store_.bytes(p, 1)))
            deleteRange(p, p + 1, caretColumn_, caretRow_);
        return;
    }
    if (p > 0 && admit(HexEditKind::BytesRemoved, p - 1, 0, 1, store_.bytes(p - 1, 1))) {
        deleteRange(p - 1, p, caretColumn_, caretRow_);
        seek(p - 1, 0, true);
    }
}

void HexEditor::deleteRange(qint64 start, qint64 end, int caretColumn, qint64 caretRow)
{
    store_.remove(start, end - start);
    relayout();
    setCaretCell(caretColumn, caretRow);
    if (caretPosition() >= dataSize())
        toLastByte();
    selection_.clear();
    selecting_ = false;
    announce();
}

bool HexEditor::undo()
{
    Batch batch(*this);
    const auto record = journal_.takeLast();
    announce();
    if (!record)
        return false;
    restore(*record);
    return true;
}

void HexEditor::restore(const HexUndoRecord& r)
{
    const qint64 size = dataSize();
    const qint64 pos = r.position;
    switch (r.kind) {
    case HexEditKind::ByteChanged:
        if (pos >= 0 && pos < size && r.payload.size() == 1) {
            store_.overwrite(pos, r.payload[0]);
            if (r.changedMark)
                marks_.set(pos);
            else
                marks_.clear(pos);
        }
        break;
    case HexEditKind::BytesRemoved:
        if (pos >= 0 && pos <= size)
            store_.insert(pos, r.payload);
        break;
    case HexEditKind::InsertBuffer:
    case HexEditKind::AppendBuffer:
    case HexEditKind::ReplaceSelection:
        if (pos >= 0 && r.count >= 0 && pos + r.count <= size) {
            store_.remove(pos, r.count);
            if (r.kind == HexEditKind::ReplaceSelection)
                store_.insert(pos, r.payload);
        }
        break;
    }
    relayout();
    if (r.kind != HexEditKind::ByteChanged)
        marks_.truncate(pos);
    if (dataSize() == 0)
        setCaretCell(2, 0);
    else
        placeCaret(qMin<qint64>(r.caretPosition, dataSize()), r.caretInCharacters, r.caretDigit);
    if (r.anchor == -1)
        selection_.clear();
    else
        selection_.set(r.selStart, r.selEnd, r.anchor);
    modified_ = r.modified;
}

void HexEditor::setBytesPerLine(int value)
{
    if (value < 1 || value > 256)
        throw Error(QStringLiteral("Invalid BytesPerLine argument"));
    if (value == layout_.bytesPerLine())
        return;
    Batch batch(*this);
    const qint64 pos = caretPosition();
    const bool chars = caretInCharacters();
    const int digit = layout_.digitOf(caretColumn_);
    layout_ = HexLayout(value, dataSize());
    relayout();
    placeCaret(pos, chars, digit);
}

void HexEditor::setBytesPerColumn(int value)
{
    if (value < 1)
        throw Error(QStringLiteral("Invalid BytesPerColumn argument"));
    Batch batch(*this);
    bytesPerColumn_ = value;
    touched();
}

void HexEditor::setTranslation(TranslationType type)
{
    Batch batch(*this);
    translation_ = HexTranslation(codePage_, type);
    touched();
}

void HexEditor::setCodePage(std::shared_ptr<const CodePage> page)
{
    Batch batch(*this);
    codePage_ = page ? std::move(page) : CodePage::windows1250();
    translation_ = HexTranslation(codePage_, translation_.type());
    touched();
}

void HexEditor::setAllowInsertMode(bool value)
{
    Batch batch(*this);
    allowInsertMode_ = value && !noSizeChange_;
    announce();
    touched();
}

void HexEditor::setNoSizeChange(bool value)
{
    Batch batch(*this);
    noSizeChange_ = value;
    setAllowInsertMode(allowInsertMode_);
}

void HexEditor::setSwapNibbles(bool value)
{
    Batch batch(*this);
    swapNibbles_ = value;
    touched();
}

void HexEditor::toggleInsert()
{
    Batch batch(*this);
    insertToggle_ = !insertToggle_;
    marks_.reset();
    announce();
    touched();
}

void HexEditor::setModified(bool value)
{
    Batch batch(*this);
    modified_ = value;
    if (!value) {
        journal_.markSaved();
        marks_.reset();
    }
    touched();
}

qint64 HexEditor::selStart() const
{
    return selection_.exists() ? selection_.anchor() : caretPosition();
}

qint64 HexEditor::selEnd() const
{
    if (!selection_.exists())
        return caretPosition();
    return selection_.end() == selection_.anchor() ? selection_.start() : selection_.end();
}

void HexEditor::setSelStart(qint64 value)
{
    if (value < 0 || value >= dataSize())
        throw Error(QStringLiteral("Invalid SelStart"));
    Batch batch(*this);
    clearSelection();
    placeCaret(value, caretInCharacters());
}

void HexEditor::setSelEnd(qint64 value)
{
    if (value < 0 || value >= dataSize())
        throw Error(QStringLiteral("Invalid SelEnd"));
    Batch batch(*this);
    clearSelection();
    extendSelection(caretPosition(), value);
    placeCaret(value, caretInCharacters());
}

bool HexEditor::seek(qint64 offset, int origin, bool strict)
{
    const qint64 size = dataSize();
    if (size == 0)
        return false;
    qint64 target = 0;
    switch (origin) {
    case 0:
        target = offset;
        break;
    case 1:
        target = qBound<qint64>(0, caretPosition(), size - 1) + offset;
        break;
    case 2:
        target = size + offset - 1;
        break;
    default:
        return false;
    }
    if (target < 0 || target >= size) {
        if (strict)
            return false;
        target = qBound<qint64>(0, target, size - 1);
    }
    setSelStart(target);
    return true;
}

void HexEditor::clearSelection()
{
    Batch batch(*this);
    selection_.clear();
    selecting_ = false;
    announce();
    touched();
}

void HexEditor::extendSelection(qint64 from, qint64 to)
{
    Batch batch(*this);
    selection_.extend(from, to, isInsertMode());
    announce();
    touched();
}

void HexEditor::setMarker(int index, qint64 row)
{
    if (index < 0 || index >= kMarkers)
        throw Error(QStringLiteral("SetMarker : Invalid marker index"));
    if (markers_[size_t(index)] == row)
        return;
    Batch batch(*this);
    markers_[size_t(index)] = row;
    touched();
}

qint64 HexEditor::getMarker(int index) const
{
    if (index < 0 || index >= kMarkers || markers_[size_t(index)] < 0)
        return caretRow_;
    return markers_[size_t(index)];
}

int HexEditor::markerAt(qint64 row) const
{
    for (int i = 0; i < kMarkers; ++i) {
        if (markers_[size_t(i)] == row)
            return i;
    }
    return -1;
}

QByteArrayView HexEditor::rowBytes(qint64 row)
{
    const qint64 perLine = bytesPerLine();
    const qint64 p = row * perLine;
    if (row < 0 || p >= dataSize())
        return {};
    const qint64 n = qMin(perLine, dataSize() - p);
    if (cacheStart_ < 0 || p < cacheStart_ || p + n > cacheStart_ + cache_.size()) {
        const qint64 start = qMax<qint64>(p - kCacheSize / 2, 0);
        cache_.resize(qMin(kCacheSize, dataSize() - start));
        store_.read(start, cache_.size(), cache_.data());
        cacheStart_ = start;
    }
    return QByteArrayView(cache_.constData() + (p - cacheStart_), n);
}

qint64 HexEditor::memoryBytes() const
{
    return store_.memoryBytes() + journal_.byteCount() + cache_.capacity() + marks_.memoryBytes();
}

} // namespace varnik

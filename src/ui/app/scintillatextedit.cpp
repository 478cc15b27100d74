#include "ui/app/scintillatextedit.h"

#include "ui/app/scintilladocumentloader.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace varnik {

using Sci = QsciScintillaBase;

ScintillaTextEdit::ScintillaTextEdit(QsciScintillaBase* control) : sci_(control)
{
    send(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
    send(Sci::SCI_SETEOLMODE, Sci::SC_EOL_LF);
    send(Sci::SCI_SETPASTECONVERTENDINGS, 1);
    send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF16);
    setUtf8Text({}); // a document without style bytes, which plain text never needs
}

long ScintillaTextEdit::send(unsigned int msg, unsigned long w, long l) const
{
    return sci_->SendScintilla(msg, w, l);
}

QByteArray ScintillaTextEdit::bytes(long start, long end) const
{
    if (end <= start)
        return {};
    const char* p = reinterpret_cast<const char*>(send(Sci::SCI_GETRANGEPOINTER, start, end - start));
    return QByteArray(p, end - start);
}

long ScintillaTextEdit::bytePosition(qsizetype pos) const
{
    pos = std::clamp<qsizetype>(pos, 0, length());
    const long line = send(Sci::SCI_LINEFROMINDEXPOSITION, pos, Sci::SC_LINECHARACTERINDEX_UTF16);
    const long lineIndex = send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF16);
    const long lineBytes = send(Sci::SCI_POSITIONFROMLINE, line);
    const long b = send(Sci::SCI_POSITIONRELATIVECODEUNITS, lineBytes, pos - lineIndex);
    // An offset inside a surrogate pair has no byte of its own (Scintilla
    // answers with no advance at all): the pair's start stands for it.
    if (pos > lineIndex && b <= lineBytes)
        return send(Sci::SCI_POSITIONRELATIVECODEUNITS, lineBytes, pos - lineIndex - 1);
    return b;
}

qsizetype ScintillaTextEdit::charPosition(long bytePos) const
{
    const long line = send(Sci::SCI_LINEFROMPOSITION, bytePos);
    const long lineBytes = send(Sci::SCI_POSITIONFROMLINE, line);
    return send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF16) +
           send(Sci::SCI_COUNTCODEUNITS, lineBytes, bytePos);
}

QString ScintillaTextEdit::text() const
{
    return toCrLfLineEnds(QString::fromUtf8(utf8Text()));
}

void ScintillaTextEdit::setText(const QString& text) { setUtf8Text(toLfLineEnds(text).toUtf8()); }

void ScintillaTextEdit::setUtf8Text(QByteArrayView utf8)
{
    ScintillaDocumentLoader loader(sci_);
    loader.begin(utf8.size());
    loader.append(utf8);
    finishLoad(loader);
}

void ScintillaTextEdit::finishLoad(ScintillaDocumentLoader& loader)
{
    loader.finish();
    forcedModified_ = false;
    // A new document comes without change notifications: tell who follows the text.
    if (auto* editor = qobject_cast<QsciScintilla*>(sci_))
        Q_EMIT editor->textChanged();
}

QByteArrayView ScintillaTextEdit::utf8Text() const
{
    const long n = send(Sci::SCI_GETLENGTH);
    return QByteArrayView(reinterpret_cast<const char*>(send(Sci::SCI_GETCHARACTERPOINTER)), n);
}

qsizetype ScintillaTextEdit::length() const
{
    const long lines = send(Sci::SCI_GETLINECOUNT);
    const long lastStart = send(Sci::SCI_INDEXPOSITIONFROMLINE, lines - 1, Sci::SC_LINECHARACTERINDEX_UTF16);
    const long lastBytes = send(Sci::SCI_POSITIONFROMLINE, lines - 1);
    return lastStart + send(Sci::SCI_COUNTCODEUNITS, lastBytes, send(Sci::SCI_GETLENGTH));
}

QString ScintillaTextEdit::textRange(qsizetype start, qsizetype end) const
{
    const qsizetype n = length();
    start = std::clamp<qsizetype>(start, 0, n);
    end = std::clamp<qsizetype>(end, start, n);
    if (start == end)
        return {};
    const long b0 = bytePosition(start);
    const long b1 = bytePosition(end);
    QString s = QString::fromUtf8(bytes(b0, b1));
    // An offset inside a surrogate pair maps to the pair's start; trim to what was asked.
    const qsizetype lead = start - charPosition(b0);
    if (lead > 0)
        s.remove(0, lead);
    return toCrLfLineEnds(s.left(end - start));
}

QChar ScintillaTextEdit::charAt(qsizetype pos) const
{
    if (pos < 0 || pos >= length())
        return {};
    const long b = bytePosition(pos);
    const long after = send(Sci::SCI_POSITIONAFTER, b);
    const QString s = QString::fromUtf8(bytes(b, after));
    const qsizetype unit = pos - charPosition(b);
    return unit < s.size() ? s[unit] : QChar();
}

qsizetype ScintillaTextEdit::selectionStart() const { return charPosition(send(Sci::SCI_GETSELECTIONSTART)); }

qsizetype ScintillaTextEdit::selectionLength() const
{
    return charPosition(send(Sci::SCI_GETSELECTIONEND)) - selectionStart();
}

void ScintillaTextEdit::setSelection(qsizetype start, qsizetype len)
{
    const qsizetype n = length();
    start = std::clamp<qsizetype>(start, 0, n);
    len = std::clamp<qsizetype>(len, 0, n - start);
    // An offset inside a surrogate pair maps to the pair's start; an end
    // there moves past the pair, so the selection holds whole characters.
    const long startByte = bytePosition(start);
    long endByte = len > 0 ? bytePosition(start + len) : startByte;
    if (len > 0 && charPosition(endByte) < start + len)
        endByte = send(Sci::SCI_POSITIONAFTER, endByte);
    send(Sci::SCI_SETSEL, startByte, endByte);
}

void ScintillaTextEdit::replaceSelection(const QString& text)
{
    const QByteArray utf8 = toLfLineEnds(text).toUtf8();
    const long b0 = send(Sci::SCI_GETSELECTIONSTART);
    const long b1 = send(Sci::SCI_GETSELECTIONEND);
    if (b0 == b1 && utf8.isEmpty())
        return;
    send(Sci::SCI_BEGINUNDOACTION);
    send(Sci::SCI_SETTARGETRANGE, b0, b1);
    // The target form takes a length, so NUL characters survive.
    const long inserted =
        send(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), reinterpret_cast<long>(utf8.constData()));
    send(Sci::SCI_ENDUNDOACTION);
    send(Sci::SCI_GOTOPOS, b0 + inserted);
}

void ScintillaTextEdit::replaceAllUtf8(QByteArrayView utf8)
{
    send(Sci::SCI_BEGINUNDOACTION);
    send(Sci::SCI_SETTARGETRANGE, 0, send(Sci::SCI_GETLENGTH));
    send(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), reinterpret_cast<long>(utf8.data()));
    send(Sci::SCI_ENDUNDOACTION);
    send(Sci::SCI_GOTOPOS, 0);
}

qsizetype ScintillaTextEdit::lineCount() const { return send(Sci::SCI_GETLINECOUNT); }

qsizetype ScintillaTextEdit::lineFromPosition(qsizetype pos) const
{
    pos = std::clamp<qsizetype>(pos, 0, length());
    return send(Sci::SCI_LINEFROMINDEXPOSITION, pos, Sci::SC_LINECHARACTERINDEX_UTF16);
}

qsizetype ScintillaTextEdit::lineStart(qsizetype line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount())
        return length();
    return send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF16);
}

qsizetype ScintillaTextEdit::lineLength(qsizetype line) const
{
    if (line < 0 || line >= lineCount())
        return 0;
    const long start = send(Sci::SCI_POSITIONFROMLINE, line);
    const long end = send(Sci::SCI_GETLINEENDPOSITION, line);
    return send(Sci::SCI_COUNTCODEUNITS, start, end);
}

void ScintillaTextEdit::undo() { send(Sci::SCI_UNDO); }
void ScintillaTextEdit::redo() { send(Sci::SCI_REDO); }
bool ScintillaTextEdit::canUndo() const { return send(Sci::SCI_CANUNDO) != 0; }
bool ScintillaTextEdit::canRedo() const { return send(Sci::SCI_CANREDO) != 0; }
void ScintillaTextEdit::beginUndoGroup() { send(Sci::SCI_BEGINUNDOACTION); }
void ScintillaTextEdit::endUndoGroup() { send(Sci::SCI_ENDUNDOACTION); }
void ScintillaTextEdit::clearUndoHistory() { send(Sci::SCI_EMPTYUNDOBUFFER); }

bool ScintillaTextEdit::isModified() const { return forcedModified_ || send(Sci::SCI_GETMODIFY) != 0; }

void ScintillaTextEdit::setModified(bool modified)
{
    forcedModified_ = modified;
    if (!modified)
        send(Sci::SCI_SETSAVEPOINT);
}

qsizetype ScintillaTextEdit::find(const QString& what, qsizetype start, qsizetype end, FindOptions options,
                                  bool backwards) const
{
    const QString needle = toLfLineEnds(what);
    if (needle.isEmpty())
        return -1;
    const qsizetype n = length();
    start = std::clamp<qsizetype>(start, 0, n);
    end = std::clamp<qsizetype>(end, start, n);
    bool ascii = true;
    for (QChar c : needle)
        ascii = ascii && c.unicode() < 0x80;
    if (!options.matchCase && !ascii) {
        // Scintilla folds case in ASCII only: search the decoded range instead,
        // with one character either side for the word test.
        const long lo = bytePosition(std::max<qsizetype>(start - 1, 0));
        const long hi = send(Sci::SCI_POSITIONAFTER, bytePosition(end));
        const qsizetype base = charPosition(lo);
        const QString range = QString::fromUtf8(bytes(lo, hi));
        const qsizetype at = findInText(range, start - base, end - base, needle, options, backwards);
        return at < 0 ? -1 : base + at;
    }
    const QByteArray utf8 = needle.toUtf8();
    long lo = bytePosition(start);
    long hi = bytePosition(end);
    // Whole words are judged here rather than by Scintilla, whose word
    // characters differ from ours outside ASCII.
    send(Sci::SCI_SETSEARCHFLAGS, options.matchCase ? Sci::SCFIND_MATCHCASE : 0);
    while (lo < hi) {
        send(Sci::SCI_SETTARGETRANGE, backwards ? hi : lo, backwards ? lo : hi);
        const long at = send(Sci::SCI_SEARCHINTARGET, static_cast<unsigned long>(utf8.size()),
                             reinterpret_cast<long>(utf8.constData()));
        if (at < 0)
            return -1;
        const long atEnd = send(Sci::SCI_GETTARGETEND);
        const qsizetype pos = charPosition(at);
        const qsizetype posEnd = charPosition(atEnd);
        if (!options.wholeWord ||
            ((pos == 0 || !isWordChar(charAt(pos - 1))) && (posEnd >= n || !isWordChar(charAt(posEnd)))))
            return pos;
        if (backwards)
            hi = atEnd - 1;
        else
            lo = send(Sci::SCI_POSITIONAFTER, at);
    }
    return -1;
}

} // namespace varnik

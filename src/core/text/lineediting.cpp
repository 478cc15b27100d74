#include "core/text/lineediting.h"

#include <algorithm>

namespace varnik {

void deleteAtCaret(TextEdit& edit)
{
    if (edit.selectionLength() == 0)
        edit.setSelection(edit.selectionStart(), 1);
    edit.replaceSelection(QString());
    edit.setSelection(edit.selectionStart(), 0);
}

void selectWordAtCursor(TextEdit& edit)
{
    const qsizetype s = edit.selectionStart();
    const qsizetype n = edit.length();
    qsizetype left = s;
    while (left >= 1 && TextEdit::isWordChar(edit.charAt(left)))
        --left;
    qsizetype right = s;
    while (right < n && TextEdit::isWordChar(edit.charAt(right)))
        ++right;
    qsizetype start = left >= 1 ? left + 1 : left;
    // The scan stops at position 1 without looking at position 0: a word that
    // starts at 1 must not take the non-word character before it along.
    if (left == 0 && s >= 1 && !TextEdit::isWordChar(edit.charAt(0)))
        start = 1;
    qsizetype length = right - start;
    if (length < 0) {
        // The caret is on a non-word character: select that character.
        start += length;
        length = -length;
    }
    edit.setSelection(start, length);
}

void deleteWord(TextEdit& edit)
{
    selectWordAtCursor(edit);
    edit.replaceSelection(QString());
}

void deleteToWord(TextEdit& edit)
{
    const qsizetype caret = edit.selectionStart();
    const qsizetype n = edit.length();
    qsizetype e = caret;
    while (e < n && edit.charAt(e).isSpace())
        ++e;
    edit.setSelection(caret, e - caret);
    edit.replaceSelection(QString());
}

namespace {

void removeCaretLine(TextEdit& edit, bool withLineBreak)
{
    const qsizetype line = edit.lineFromPosition(edit.caretPosition());
    edit.setSelection(edit.lineStart(line), edit.lineLength(line) + (withLineBreak ? 1 : 0));
    edit.replaceSelection(QString());
}

// Reads the document in pieces: text handed out has CR LF where a position
// holds one line break, so a piece is walked with that in mind.
constexpr qsizetype chunk = 1 << 16;

// Position of the partner of the bracket at `from`, or -1.
qsizetype findPartner(const TextEdit& edit, qsizetype from, QChar bracket, QChar partner, bool forward)
{
    const qsizetype n = edit.length();
    int depth = 1;
    if (forward) {
        for (qsizetype start = from + 1; start < n; start += chunk) {
            const qsizetype end = std::min(n, start + chunk);
            const QString piece = edit.textRange(start, end);
            qsizetype pos = start;
            for (qsizetype i = 0; i < piece.size(); ++i, ++pos) {
                const QChar c = piece[i];
                if (c == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n')
                    ++i;
                else if (c == bracket)
                    ++depth;
                else if (c == partner && --depth == 0)
                    return pos;
            }
        }
        return -1;
    }
    for (qsizetype end = from; end > 0; end -= chunk) {
        const qsizetype start = std::max<qsizetype>(0, end - chunk);
        const QString piece = edit.textRange(start, end);
        qsizetype pos = end - 1;
        for (qsizetype i = piece.size() - 1; i >= 0; --i, --pos) {
            const QChar c = piece[i];
            if (c == u'\n' && i >= 1 && piece[i - 1] == u'\r')
                --i;
            else if (c == bracket)
                ++depth;
            else if (c == partner && --depth == 0)
                return pos;
        }
    }
    return -1;
}

} // namespace

void deleteLine(TextEdit& edit)
{
    removeCaretLine(edit, true);
}

void clearLine(TextEdit& edit)
{
    removeCaretLine(edit, false);
}

void selectToBracket(TextEdit& edit)
{
    if (edit.selectionLength() != 1)
        return;
    const qsizetype at = edit.selectionStart();
    const QChar c = edit.charAt(at);
    QChar partner;
    bool forward = true;
    switch (c.unicode()) {
    case u'(':
        partner = u')';
        break;
    case u'[':
        partner = u']';
        break;
    case u'{':
        partner = u'}';
        break;
    case u')':
        partner = u'(';
        forward = false;
        break;
    case u']':
        partner = u'[';
        forward = false;
        break;
    case u'}':
        partner = u'{';
        forward = false;
        break;
    default:
        return;
    }
    const qsizetype found = findPartner(edit, at, c, partner, forward);
    if (found < 0)
        return;
    if (forward)
        edit.setSelection(at, found - at + 1);
    else
        edit.setSelection(found, at - found + 1);
}

QString splitColumnSource(const TextEdit& edit)
{
    return edit.selectionLength() == 0 ? edit.text() : edit.selectedText();
}

} // namespace varnik

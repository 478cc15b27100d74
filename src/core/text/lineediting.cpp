#include "core/text/lineediting.h"

#include <algorithm>

namespace varnik {

namespace {

// Whole characters: a character beyond the Basic Multilingual Plane takes two
// positions (a surrogate pair), and no command may split one.
bool pairStartsAt(const TextEdit& edit, qsizetype pos)
{
    return edit.charAt(pos).isHighSurrogate() && edit.charAt(pos + 1).isLowSurrogate();
}

qsizetype nextCharacter(const TextEdit& edit, qsizetype pos)
{
    return pos + (pairStartsAt(edit, pos) ? 2 : 1);
}

qsizetype previousCharacter(const TextEdit& edit, qsizetype pos)
{
    return pos - (pos >= 2 && pairStartsAt(edit, pos - 2) ? 2 : 1);
}

bool isWordCharacterAt(const TextEdit& edit, qsizetype pos)
{
    const QChar c = edit.charAt(pos);
    if (pairStartsAt(edit, pos))
        return QChar::isLetterOrNumber(QChar::surrogateToUcs4(c, edit.charAt(pos + 1)));
    return TextEdit::isWordChar(c);
}

} // namespace

void deleteAtCaret(TextEdit& edit)
{
    const qsizetype s = edit.selectionStart();
    if (edit.selectionLength() == 0)
        edit.setSelection(s, nextCharacter(edit, s) - s);
    edit.replaceSelection(QString());
    edit.setSelection(edit.selectionStart(), 0);
}

void selectWordAtCursor(TextEdit& edit)
{
    const qsizetype s = edit.selectionStart();
    const qsizetype n = edit.length();
    qsizetype left = s;
    while (left >= 1 && isWordCharacterAt(edit, left))
        left = previousCharacter(edit, left);
    qsizetype right = s;
    while (right < n && isWordCharacterAt(edit, right))
        right = nextCharacter(edit, right);
    qsizetype start = left >= 1 ? nextCharacter(edit, left) : left;
    // The scan stops at position 1 without looking at position 0: a word that
    // starts at 1 must not take the non-word character before it along.
    if (left == 0 && s >= 1 && !isWordCharacterAt(edit, 0))
        start = nextCharacter(edit, 0);
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

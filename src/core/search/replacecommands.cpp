#include "core/search/replacecommands.h"

#include "core/app/plaintextbuffer.h"
#include "core/search/searchstep.h"

#include <algorithm>
#include <vector>

namespace varnik {

namespace {

void remember(ReplaceDialogState& dialog)
{
    addToHistory(dialog.history, dialog.text);
    addToHistory(dialog.replaceHistory, dialog.replaceText);
}

qsizetype replaceSearch(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog)
{
    const qsizetype at =
        searchStep(edit, state, dialog.text, dialog.options, dialog.newSearch, SearchKind::Replace);
    dialog.newSearch = false;
    dialog.found = at >= 0;
    return at;
}

// The occurrence the last search found, if it is still exactly what is selected.
qsizetype selectedMatch(const TextEdit& edit, const SearchState& state, const ReplaceDialogState& dialog)
{
    if (!dialog.found || dialog.newSearch)
        return -1;
    const qsizetype length = editLength(dialog.text);
    const qsizetype start = edit.selectionStart();
    if (length == 0 || edit.selectionLength() != length || start + length != state.position)
        return -1;
    return edit.find(dialog.text, start, start + length, state.findOptions()) == start ? start : -1;
}

// The occurrence a replacement starts with: the one shown, else the next one.
qsizetype firstOccurrence(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog)
{
    const qsizetype at = selectedMatch(edit, state, dialog);
    return at >= 0 ? at : replaceSearch(edit, state, dialog);
}

// After the occurrence at `at` was replaced: the search goes on after the
// inserted text, never inside it. A selection range ends where the selected
// text ends, so it shrinks with the text (it does not grow with it).
void afterReplacement(SearchState& state, qsizetype at, qsizetype whatLength, qsizetype replacementLength,
                      bool selectionScope)
{
    state.position = at + replacementLength;
    if (selectionScope && replacementLength < whatLength)
        state.end -= whatLength - replacementLength;
}

void report(qsizetype count, MessageSink& messages)
{
    if (count > 0)
        messages.message(replacedMessage(count), MessageKind::Information, Buttons::OK);
    else
        messages.message(notFoundMessage(), MessageKind::Information, Buttons::OK);
}

} // namespace

void openReplaceDialog(const TextEdit& edit, const DocumentSearch& doc, ReplaceDialogState& dialog)
{
    dialog.found = false;
    dialog.newSearch = true;
    const QString selected = edit.selectedText();
    const bool severalLines = selected.contains(u'\r') || selected.contains(u'\n');
    dialog.options.set(SearchDialogOptions::SelectionScope, severalLines);
    if (!selected.isEmpty() && !severalLines)
        dialog.text = prefillSearchText(selected);
    else if (!doc.lastSearchText.isEmpty())
        dialog.text = prefillSearchText(doc.lastSearchText);
}

bool replaceDialogFindNext(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog)
{
    remember(dialog);
    return replaceSearch(edit, doc.replace, dialog) >= 0;
}

int replaceDialogReplace(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog,
                         MessageSink& messages)
{
    remember(dialog);
    dialog.options.set(SearchDialogOptions::ReplaceAll, false);
    SearchState& state = doc.replace;
    if (edit.selectionLength() == 0) {
        if (replaceSearch(edit, state, dialog) < 0)
            messages.message(notFoundMessage(), MessageKind::Information, Buttons::OK);
        return 0;
    }
    const qsizetype at = firstOccurrence(edit, state, dialog);
    if (at < 0) {
        messages.message(notFoundMessage(), MessageKind::Information, Buttons::OK);
        return 0;
    }
    edit.replaceSelection(dialog.replaceText);
    afterReplacement(state, at, editLength(dialog.text), editLength(dialog.replaceText),
                     dialog.options.selectionScope());
    return 1;
}

qsizetype replaceDialogReplaceAll(TextEdit& edit, DocumentSearch& doc, ReplaceDialogState& dialog,
                                  MessageSink& messages)
{
    remember(dialog);
    dialog.options.set(SearchDialogOptions::ReplaceAll, true);
    if (edit.selectionLength() == 0) {
        if (replaceSearch(edit, doc.replace, dialog) < 0)
            messages.message(notFoundMessage(), MessageKind::Information, Buttons::OK);
        return 0;
    }
    if (messages.message(replaceAllQuestion(), MessageKind::Confirmation, Buttons::YesNo) != Result::Yes)
        return 0;
    const qsizetype count = replaceAllOccurrences(edit, doc.replace, dialog);
    report(count, messages);
    return count;
}

void replaceDialogClosed(DocumentSearch& doc, const ReplaceDialogState& dialog)
{
    doc.lastSearchText = dialog.text;
}

qsizetype replaceAllOneByOne(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog)
{
    const qsizetype whatLength = editLength(dialog.text);
    const qsizetype replacementLength = editLength(dialog.replaceText);
    const bool selectionScope = dialog.options.selectionScope();
    qsizetype count = 0;
    const UndoGroup group(edit);
    for (qsizetype at = firstOccurrence(edit, state, dialog); at >= 0;
         at = replaceSearch(edit, state, dialog)) {
        edit.replaceSelection(dialog.replaceText);
        afterReplacement(state, at, whatLength, replacementLength, selectionScope);
        ++count;
    }
    return count;
}

qsizetype replaceAllOccurrences(TextEdit& edit, SearchState& state, ReplaceDialogState& dialog)
{
    const qsizetype first = firstOccurrence(edit, state, dialog);
    if (first < 0)
        return 0;

    // Every later search of the loop starts after the previous replacement and
    // ends at the range's end as it stands then, so all of them can run on the
    // text as it was, with positions shifted by the replacements made so far.
    const QString what = toLfLineEnds(dialog.text);
    const QString replacement = toLfLineEnds(dialog.replaceText);
    const qsizetype whatLength = what.size();
    const qsizetype delta = replacement.size() - whatLength;
    const bool selectionScope = dialog.options.selectionScope();
    const TextEdit::FindOptions options = state.findOptions();
    const qsizetype docLength = edit.length();

    // The range end, seen in the text as it was, only moves back, except for
    // the global range with a shorter replacement.
    const qsizetype base = std::max<qsizetype>(0, first - 1);
    qsizetype limit = !selectionScope && delta < 0 ? docLength : std::min(docLength, state.end + 2);
    limit = std::max(limit, std::min(docLength, first + whatLength + 1));

    QString fetched;
    QStringView text;
    qsizetype textBase = 0;
    if (const auto* plain = dynamic_cast<const PlainTextBuffer*>(&edit)) {
        text = plain->rawText();
    } else {
        fetched = toLfLineEnds(edit.textRange(base, limit));
        if (fetched.size() != limit - base)
            return replaceAllOneByOne(edit, state, dialog); // an edit whose breaks take more room
        text = fetched;
        textBase = base;
    }
    auto charAt = [&](qsizetype pos) { return text[pos - textBase]; };
    // Outside the text there is no word character; QChar() stands for it.
    const QChar beforeFirst = first > 0 ? charAt(first - 1) : QChar();

    SearchState next = state;
    afterReplacement(next, first, whatLength, replacement.size(), selectionScope);
    std::vector<qsizetype> found{first}; // in the old text
    qsizetype lastEnd = first + whatLength;
    auto count = [&] { return static_cast<qsizetype>(found.size()); };

    // Whole words are judged in the new text: right after a replacement the
    // character before is the replacement's last one (or, for an empty one,
    // whatever came before the occurrence).
    QChar tail = replacement.isEmpty() ? beforeFirst : replacement.back();
    auto before = [&](qsizetype at) { return at > lastEnd ? charAt(at - 1) : tail; };
    auto wholeWordAt = [&](qsizetype at) {
        if (TextEdit::isWordChar(before(at)))
            return false;
        return at + whatLength >= docLength || !TextEdit::isWordChar(charAt(at + whatLength));
    };

    const TextEdit::FindOptions plainOptions{options.matchCase, false};
    for (;;) {
        const qsizetype endOld = next.end - count() * delta; // inclusive
        if (endOld - lastEnd + 1 <= 0)
            break;
        const qsizetype stop = std::min(endOld + 1, docLength);
        qsizetype at = -1;
        for (qsizetype from = lastEnd;;) {
            const qsizetype hit =
                findInText(text, from - textBase, stop - textBase, what, plainOptions, false);
            if (hit < 0)
                break;
            if (!options.wholeWord || wholeWordAt(hit + textBase)) {
                at = hit + textBase;
                break;
            }
            from = hit + textBase + 1;
        }
        if (at < 0)
            break;
        afterReplacement(next, at + count() * delta, whatLength, replacement.size(), selectionScope);
        tail = replacement.isEmpty() ? before(at) : replacement.back();
        found.push_back(at);
        lastEnd = at + whatLength;
    }

    // The new text of the stretch, made in one piece.
    QString out(lastEnd - first + count() * delta, Qt::Uninitialized);
    QChar* o = out.data();
    auto put = [&o](QStringView piece) {
        std::copy(piece.begin(), piece.end(), o);
        o += piece.size();
    };
    for (size_t i = 0; i < found.size(); ++i) {
        put(replacement);
        const qsizetype from = found[i] + whatLength;
        const qsizetype to = i + 1 < found.size() ? found[i + 1] : from;
        put(text.mid(from - textBase, to - from));
    }

    {
        const UndoGroup group(edit);
        edit.setSelection(first, lastEnd - first);
        edit.replaceSelection(out);
    }

    // The search that ended the loop found nothing.
    if (!selectionScope)
        next.start = edit.caretPosition();
    next.position = next.start;
    state = next;
    dialog.found = false;
    return count();
}

} // namespace varnik

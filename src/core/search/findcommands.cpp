#include "core/search/findcommands.h"

#include "core/search/grep.h"
#include "core/search/searchstep.h"

namespace varnik {

void openFindDialog(const TextEdit& edit, const DocumentSearch& doc, FindDialogState& dialog)
{
    if (edit.selectionLength() > 0)
        dialog.text = prefillSearchText(edit.selectedText());
    else if (!doc.lastSearchText.isEmpty())
        dialog.text = prefillSearchText(doc.lastSearchText);
}

void findDialogShown(FindDialogState& dialog)
{
    dialog.newSearch = true;
}

bool findText(TextEdit& edit, SearchState& state, const FindDialogState& dialog, MessageSink& messages)
{
    if (searchStep(edit, state, dialog.text, dialog.options, dialog.newSearch, SearchKind::Find) >= 0)
        return true;
    messages.message(notFoundMessage(), MessageKind::Information, Buttons::OK);
    return false;
}

namespace {

FindOutcome run(TextEdit& edit, DocumentSearch& doc, FindDialogState& dialog, GrepResult& grep,
                bool grepLineNumbers, MessageSink& messages)
{
    if (dialog.grep) {
        grep = grepDocument(edit, dialog.text, dialog.options.matchCase(), grepLineNumbers);
        return FindOutcome::Grepped;
    }
    return findText(edit, doc.find, dialog, messages) ? FindOutcome::Found : FindOutcome::NotFound;
}

} // namespace

FindOutcome findDialogFindNext(TextEdit& edit, DocumentSearch& doc, FindDialogState& dialog, GrepResult& grep,
                               bool grepLineNumbers, MessageSink& messages)
{
    addToHistory(dialog.history, dialog.text);
    return run(edit, doc, dialog, grep, grepLineNumbers, messages);
}

FindOutcome findNext(TextEdit& edit, DocumentSearch& doc, FindDialogState& dialog, GrepResult& grep,
                     bool grepLineNumbers, MessageSink& messages)
{
    if (dialog.text.isEmpty())
        return FindOutcome::ShowFindDialog;
    dialog.newSearch = false;
    return run(edit, doc, dialog, grep, grepLineNumbers, messages);
}

void findDialogClosed(DocumentSearch& doc, const FindDialogState& dialog)
{
    doc.lastSearchText = dialog.text;
}

} // namespace varnik

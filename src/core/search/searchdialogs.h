#pragma once

#include "core/search/searchdialogoptions.h"

#include <QString>
#include <QStringList>

namespace varnik {

// What the Find window keeps between uses (it lives as long as the main window).
struct FindDialogState {
    SearchDialogOptions options;
    QString text; // "Fi&nd what:"
    QStringList history;
    bool grep = false; // "Show all ocurrences (GREP-like)"
    // Set whenever the window is shown; only Find next (F3) clears it.
    bool newSearch = false;
};

// What the Find and replace window keeps between uses.
struct ReplaceDialogState {
    SearchDialogOptions options;
    QString text;        // "Fi&nd what:"
    QString replaceText; // "Replace with:"
    QStringList history;
    QStringList replaceHistory;
    bool newSearch = false;
    // The last search of this window found its text (and selected it).
    bool found = false;
};

// Which controls of the Find window are enabled. The direction buttons never are:
// every search runs forwards.
struct FindDialogControls {
    bool wholeWords = true;
    bool scope = true;
    bool origin = true;
    bool direction = false;
};
FindDialogControls findDialogControls(bool grep);

// Appends a searched-for text to a drop-down list unless it is empty or already
// there (compared exactly).
void addToHistory(QStringList& history, const QString& text);

// The search field's text made from a candidate (selected or last searched
// text): trimmed of blanks and control characters; a candidate that still holds
// a blank or a line break gives an empty field.
QString prefillSearchText(const QString& candidate);

} // namespace varnik

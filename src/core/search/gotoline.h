#pragma once

#include "core/app/textedit.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace varnik {

// The field's integer: optional leading blanks, an optional sign and decimal
// digits, nothing else. Values past the 64-bit range saturate.
std::optional<qint64> parseLineNumber(const QString& text);

// "'%s' is not a valid integer value"
QString invalidIntegerMessage(const QString& text);

// The "Goto line" window after every edit of its field: "&OK" is enabled for a
// number of at least 1; a text that is not an integer also yields the error to
// show in the application's error box.
struct GotoLineFieldState {
    bool okEnabled = false;
    QString error;
};
GotoLineFieldState gotoLineFieldChanged(const QString& text);

// Leaving the field: a number of at least 1 joins the drop-down list, which
// stays in numeric order without repeats.
void gotoLineFieldLeft(QStringList& history, const QString& text);

// Confirming (OK, or Enter even while OK is disabled): moves the caret to the
// start of the line, the last line for numbers past the end. A number below 1
// moves nothing (false). Throws Error when the text is not an integer.
bool gotoLine(TextEdit& edit, const QString& text);

} // namespace varnik

#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/text/datetimeformat.h"
#include "core/text/engineenvironment.h"
#include "core/text/numberwords.h"

#include <QDate>
#include <QString>

#include <optional>

namespace varnik {

// Commands that replace or insert at the selection without widening an empty
// one to the whole document.

// The selected integer written in words. Does nothing for an empty selection
// or one with characters other than "-" and digits; a number of 1000000000 or
// more gets "Sorry - number must be < 1000000000!". A misplaced "-" throws
// the integer error.
void numberToWordsCommand(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages,
                          WordsLanguage language);

// The user name in place of the selection.
void insertCurrentUser(TextEdit& edit, EngineEnvironment& environment);

// The date the user picked, formatted by the DateFormat setting, inserted at the selection start; the
// selected text stays after it.
void insertDateValue(TextEdit& edit, QDate date, EngineEnvironment& environment);

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour a selection like "#ff8000", "$FF8000", "0xff8000" or "ff8000"
// names, to preset the colour dialog; nothing for an empty selection.
std::optional<Rgb> colourFromSelection(const QString& selection);
// "#RRGGBB" in upper-case hex.
QString colourHexText(Rgb colour);
// The confirmed colour's "#RRGGBB" in place of the selection.
void insertColourValue(TextEdit& edit, EngineEnvironment& environment, Rgb colour);

} // namespace varnik

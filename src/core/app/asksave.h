#pragma once

#include "core/app/messagesink.h"

#include <QString>

#include <functional>

namespace varnik {

// The save prompt before changes would be dropped. Yields Result::Yes without
// asking when the document is not modified, Result::No without asking when
// warnings are off; otherwise asks "File has changed !\r\n" + question (a
// warning with Yes, No and Cancel) and on Yes runs `save`. Callers go on
// unless the result is Cancel, so a save that did not happen (its dialog
// cancelled, the write failed) yields Cancel: the changes are not dropped.
int askSave(const QString& question, bool modified, bool warnings, MessageSink& sink,
            const std::function<bool()>& save);

// Whether a step that drops the active document's changes (New, Reload, a
// dropped file) may go on: yes without asking when nothing changed or
// warnings are off; otherwise `question` (a confirmation with Yes and No).
bool mayDropChanges(const QString& question, bool modified, bool warnings, MessageSink& sink);

} // namespace varnik

#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace varnik {

class EngineEnvironment;

// What a command that works on the active document gets, in the window and in
// the headless mode alike.
struct DocumentCommandContext {
    TextEdit& edit;
    MessageSink& messages;
    EngineEnvironment& environment;
    QChar decimalSeparator = u'.';
};

using DocumentCommand = std::function<void(DocumentCommandContext&)>;

// The commands that need nothing but the document and the environment, by
// command identifier: one implementation each, whatever runs them.
const DocumentCommand* findDocumentCommand(const QString& id);
QStringList documentCommandIds();

} // namespace varnik

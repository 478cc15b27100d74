#pragma once

#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "core/text/engineenvironment.h"
#include "core/text/fileimport.h"

#include <QStringView>

#include <span>

namespace varnik {

// One of the import commands and how its open dialog names the file it asks for.
struct ImportCommand {
    QStringView id;
    ImportKind kind;
    QStringView fileDescription; // "binary file as C source"
    // "Varnik - Import binary file as C source..."
    QString dialogTitle() const;
};

std::span<const ImportCommand> importCommands();
const ImportCommand* findImportCommand(QStringView id);

// Inserts the rendering of the file at `path` at the caret (the selection
// collapsed to its start first), with "Opening file..." in the status and
// the busy cursor meanwhile; afterwards nothing is selected unless SelectStay.
// Throws Error when the file cannot be read (the document is unchanged then);
// a warning of the conversion goes to `messages` after the text is inserted.
void importFileAtCaret(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages, ImportKind kind,
                       const QString& path);

} // namespace varnik

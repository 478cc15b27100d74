#pragma once

#include "cli/applyoptions.h"
#include "cli/streamedinsertion.h"
#include "core/app/documentencoding.h"
#include "core/app/messagesink.h"
#include "core/app/plaintextbuffer.h"
#include "core/app/settings.h"
#include "core/text/engineenvironment.h"

#include <QString>
#include <functional>
#include <optional>

namespace varnik::cli {

// What a command sees when it runs without a window.
struct ApplyContext {
    PlainTextBuffer& document;
    DocumentEncoding& encoding;
    Settings& settings;
    MessageSink& messages;
    EngineEnvironment& environment;
    QChar decimalSeparator;
    const ApplyOptions& options;
    // A command that opens a new document (Split column) puts its text here;
    // that document is then the output.
    std::optional<QString> newDocument;
    // A command whose text may outgrow memory puts it here instead of into the
    // document; it goes in at the selection start.
    std::optional<StreamedInsertion> streamedInsertion;

    // A dialog answer given with --field, or throws a usage error naming it.
    QString field(const QString& name) const;
};

using ApplyHandler = std::function<void(ApplyContext&)>;

// The headless forms of commands whose window is a tool of its own (the universal converter, the list
// generator): they take the window's fields and write what its "Use" inserts. Every other command runs
// its table row's operation; nullptr for those.
const ApplyHandler* findHeadlessWindowCommand(QStringView id);
// Every command available headless: the rows with an operation and the commands above, sorted.
QStringList applyCommandIds();

// A usage error (exit status 2): a missing --field and the like.
struct UsageError {
    QString message;
};

} // namespace varnik::cli

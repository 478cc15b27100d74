#pragma once

#include "core/app/documentencoding.h"
#include "core/app/messagesink.h"
#include "core/app/textedit.h"

#include <QHash>
#include <QString>

#include <exception>
#include <optional>

namespace varnik {

class EngineEnvironment;

// The answers of a command's dialog by field name ("column", "date"): the window fills them from its
// dialog, the headless mode from --field NAME=VALUE.
using CommandFields = QHash<QString, QString>;

// A dialog answer that is missing or cannot be read; `expected` says what the field needs ("a number"),
// empty when the field is missing.
struct FieldError : std::exception {
    FieldError(QString field, QString expected) : field(std::move(field)), expected(std::move(expected)) {}
    const char* what() const noexcept override { return "a dialog answer is missing or cannot be read"; }

    QString field;
    QString expected;
};

// What a command that works on the active document gets, in the window and in the headless mode alike.
struct CommandContext {
    TextEdit& edit;
    MessageSink& messages;
    EngineEnvironment& environment;
    // The active document's encoding; a character table may change it.
    DocumentEncoding& encoding;
    QString command; // the identifier of the command running
    const CommandFields& fields;
    // A command that makes a new document (Split column) leaves its text here; the window opens it,
    // the headless mode writes it instead of the edited one.
    std::optional<QString> newDocument;

    // The answer named `name`; throws FieldError when there is none.
    QString field(const QString& name) const
    {
        const auto it = fields.constFind(name);
        if (it == fields.constEnd())
            throw FieldError{name, {}};
        return it.value();
    }
};

// The operation a command runs on the document: a plain function, so a table row can name it.
using CommandFunction = void (*)(CommandContext&);

} // namespace varnik

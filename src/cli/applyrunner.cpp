#include "cli/applyrunner.h"

#include "cli/applycommand.h"
#include "cli/standardoutput.h"
#include "core/app/codepage.h"
#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/memorysettingsstore.h"
#include "core/app/messagedialoglayout.h"
#include "core/app/textcodec.h"
#include "core/commands/commandtable.h"
#include "platform/systemenvironment.h"

#include <cstdio>
#include <new>
#include <optional>

namespace varnik::cli {

namespace {

void writeStdout(const QByteArray& bytes)
{
    writeOutput(stdout, bytes);
    flushOutput(stdout);
}

// Messages keep their CR LF line breaks in dialogs; a terminal wants LF.
void err(const QString& s)
{
    writeMessage(s);
}

// Messages go to standard error as "Kind: text"; questions take their first
// button (Yes or OK) unless --field answer=yes|no|cancel says otherwise.
class StderrMessageSink : public MessageSink {
public:
    explicit StderrMessageSink(const ApplyOptions& options) : options_(options) {}

    int message(const QString& text, MessageKind kind, int buttons) override
    {
        err(messageKindWord(static_cast<int>(kind)) + QStringLiteral(": ") + text + u'\n');
        if (kind == MessageKind::Error)
            failed = true;
        const QString answer = options_.fields.value(QStringLiteral("answer")).toLower();
        if (answer == u"no" && (buttons & Buttons::No))
            return Result::No;
        // Without a Cancel button, cancelling is closing the dialog, which cancels too.
        if (answer == u"cancel")
            return Result::Cancel;
        if (buttons & Buttons::Yes)
            return Result::Yes;
        return Result::OK;
    }

    void errorBox(const QString& text) override
    {
        err(QStringLiteral("Error: ") + errorBoxText(text) + u'\n');
        failed = true;
    }

    bool failed = false;

private:
    const ApplyOptions& options_;
};

// The system's environment with the clipboard and the clock of the options.
class CliEnvironment : public SystemEnvironment {
public:
    CliEnvironment(const Settings& settings, const DocumentEncoding& encoding, const ApplyOptions& options)
        : SystemEnvironment(settings, encoding), options_(options)
    {
    }
    QString clipboardText() const override { return options_.clipboard.value_or(QString()); }
    QDateTime currentDateTime() const override
    {
        return options_.now ? *options_.now : SystemEnvironment::currentDateTime();
    }

private:
    const ApplyOptions& options_;
};

QString outputName(const ApplyOptions& options)
{
    return options.file.isEmpty() ? QStringLiteral("-") : options.file;
}

// Asks whether text the document's code page cannot hold goes out as UTF-8, as
// a save would; No or Cancel means nothing is written, which is an error here.
bool writesAsUtf8(const DocumentEncoding& encoding, const ApplyOptions& options, MessageSink& messages)
{
    const QString name = outputName(options);
    if (messages.message(unencodableQuestion(name, encoding), MessageKind::Confirmation,
                         Buttons::YesNoCancel) == Result::Yes)
        return true;
    messages.message(writeErrorMessage(name, QStringLiteral("Not saved as UTF-8")), MessageKind::Error,
                     Buttons::OK);
    return false;
}

// The document with the command's streamed text at the selection start,
// written as it is produced; the report shows the caret after it.
void writeWithInsertion(const PlainTextBuffer& document, DocumentEncoding encoding, const Settings& settings,
                        StreamedInsertion& insertion, MessageSink& messages, const ApplyOptions& options)
{
    const qsizetype at = document.selectionStart();
    const QString before = document.textRange(0, at), after = document.textRange(at, document.length());
    if (!encodesLosslessly(before + after + insertion.characters, encoding)) {
        if (!writesAsUtf8(encoding, options, messages))
            return;
        encoding = DocumentEncoding::utf8();
    }
    StreamedDocumentWriter writer(stdout, encoding, lineEndFromSetting(settings.crlf), options.report);
    writer.write(before);
    QString piece;
    for (bool more = true; more;) {
        piece.resize(0);
        more = insertion.next(piece);
        if (insertion.outputLineEnds)
            writer.writeWithOutputLineEnds(piece);
        else
            writer.write(piece);
    }
    const qsizetype caret = writer.positions();
    writer.write(after);
    writer.finish();
    if (options.report)
        err(QStringLiteral("selection %1 0\n").arg(caret));
}

// The document as Save writes it. Text its code page cannot hold becomes UTF-8
// when the question is answered Yes, as a save would; otherwise, and for text
// no encoding can hold, nothing is written and an error is shown.
std::optional<QByteArray> encodeOutput(const QString& text, const DocumentEncoding& encoding, LineEnd lineEnd,
                                       const ApplyOptions& options, MessageSink& messages)
{
    const auto failed = [&](const QString& reason) {
        messages.message(writeErrorMessage(outputName(options), reason), MessageKind::Error, Buttons::OK);
        return std::nullopt;
    };
    try {
        return encodeDocument(text, encoding, lineEnd);
    } catch (const Error& e) {
        if (encoding.isUtf8())
            return failed(e.message());
    }
    if (!writesAsUtf8(encoding, options, messages))
        return std::nullopt;
    try {
        return encodeDocument(text, DocumentEncoding::utf8(), lineEnd);
    } catch (const Error& e) {
        return failed(e.message());
    }
}

int usageError(const QString& text)
{
    err(QStringLiteral("varnik: ") + text + QStringLiteral("\n(see varnik --apply --help)\n"));
    return 2;
}

// A selection or caret past the document's end cannot be honoured.
std::optional<QString> positionProblem(const ApplyOptions& options, qsizetype length)
{
    if (options.hasSelection &&
        (options.selectStart > length || options.selectLength > length - options.selectStart))
        return QStringLiteral("--select %1:%2 does not lie within the document (%3 positions)")
            .arg(options.selectStart)
            .arg(options.selectLength)
            .arg(length);
    if (!options.hasSelection && options.caret > length)
        return QStringLiteral("--caret %1 is past the document's end (%2 positions)")
            .arg(options.caret)
            .arg(length);
    return std::nullopt;
}

QString fieldErrorText(const QString& command, const FieldError& e)
{
    return e.expected.isEmpty() ? QStringLiteral("%1 needs --field %2=VALUE").arg(command, e.field)
                                : QStringLiteral("--field %1 needs %2").arg(e.field, e.expected);
}

// Runs the command's table operation, or its headless window form.
void runCommand(const CommandItem& command, const ApplyHandler* windowForm, ApplyContext& context)
{
    if (!command.run) {
        (*windowForm)(context);
        return;
    }
    CommandContext c{context.document, context.messages,       context.environment, context.encoding,
                     command.id,       context.options.fields, std::nullopt};
    command.run(c);
    context.newDocument = std::move(c.newDocument);
}

} // namespace

QString ApplyContext::field(const QString& name) const
{
    const auto it = options.fields.constFind(name);
    if (it == options.fields.constEnd())
        throw UsageError{QStringLiteral("%1 needs --field %2=VALUE").arg(options.command, name)};
    return it.value();
}

QString applyHelpText()
{
    QString text = QStringLiteral(
        "Usage: varnik --apply COMMAND [--select START:LENGTH] [--caret POS] [--set NAME=VALUE]...\n"
        "                      [--clipboard TEXT] [--field NAME=VALUE]... [--now \"YYYY-MM-DD hh:mm:ss\"]\n"
        "                      [--report] [FILE]\n\n"
        "Reads FILE (or standard input) as Open does, runs COMMAND on it as its menu item does, and\n"
        "writes the document to standard output as Save does. Messages go to standard error.\n\n"
        "Available commands:\n");
    for (const QString& id : applyCommandIds()) {
        const CommandItem* item = CommandTable::standard().find(id);
        text += QStringLiteral("  %1\t%2\n").arg(id, item ? item->plainCaption() : QString());
    }
    return text;
}

int runApply(const QStringList& args)
{
    ApplyOptions options;
    if (const auto usage = parseApplyOptions(args, options))
        return usageError(*usage);
    if (options.help) {
        writeStdout(applyHelpText().toUtf8());
        return 0;
    }
    const CommandItem* command = CommandTable::standard().find(options.command);
    const ApplyHandler* windowForm = findHeadlessWindowCommand(options.command);
    if (!command || (!command->run && !windowForm)) {
        const bool known = command != nullptr;
        if (known && command->windowOnly) {
            err(QStringLiteral("varnik: %1 needs the window; it is not available in the headless mode\n")
                    .arg(options.command));
            return 2;
        }
        err(QStringLiteral("varnik: %1 is %2 in the headless mode\n")
                .arg(options.command,
                     known ? QStringLiteral("not available") : QStringLiteral("not a command")));
        return 2;
    }

    // Settings: defaults, then --set values read with the same rules as the store's.
    MemorySettingsStore store;
    for (const auto& [name, value] : options.settings) {
        if (const auto problem = settingValueProblem(name, value))
            return usageError(QStringLiteral("--set ") + *problem);
        store.writeValue(varnikKey(), name, value);
    }
    Settings settings = loadSettings(store);

    LoadedDocument loaded;
    try {
        const LoadOptions load{legacyCodePage(settings.codePage)};
        loaded = options.file.isEmpty() ? loadStandardInput(load) : loadDocumentFile(options.file, load);
    } catch (const Error& e) {
        err(QStringLiteral("Error: ") + e.message() + u'\n');
        return 1;
    }

    PlainTextBuffer document(loaded.text);
    document.setUndoEnabled(false);
    if (const auto problem = positionProblem(options, document.length()))
        return usageError(*problem);
    if (options.hasSelection)
        document.setSelection(options.selectStart, options.selectLength);
    else
        document.setCaret(options.caret);
    DocumentEncoding encoding = loaded.encoding;
    StderrMessageSink messages(options);
    CliEnvironment environment(settings, encoding, options);
    ApplyContext context{document, encoding,     settings,
                         messages, environment,  environment.decimalSeparator(),
                         options,  std::nullopt, std::nullopt};
    try {
        runCommand(*command, windowForm, context);
    } catch (const FieldError& e) {
        err(QStringLiteral("varnik: ") + fieldErrorText(options.command, e) + u'\n');
        return 2;
    } catch (const UsageError& e) {
        err(QStringLiteral("varnik: ") + e.message + u'\n');
        return 2;
    } catch (const Error& e) {
        messages.errorBox(e.message());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        messages.errorBox(QString::fromLocal8Bit(e.what()));
    }

    if (context.streamedInsertion) {
        try {
            writeWithInsertion(document, encoding, settings, *context.streamedInsertion, messages, options);
        } catch (const Error& e) {
            messages.errorBox(e.message());
        }
        return messages.failed ? 1 : 0;
    }

    const QString out = context.newDocument ? *context.newDocument : document.rawText();
    if (const auto bytes = encodeOutput(out, encoding, lineEndFromSetting(settings.crlf), options, messages))
        writeStdout(*bytes);
    if (options.report)
        err(QStringLiteral("selection %1 %2\n")
                .arg(document.selectionStart())
                .arg(document.selectionLength()));
    return messages.failed ? 1 : 0;
}

} // namespace varnik::cli

#include "cli/applyrunner.h"

#include "cli/applyoptions.h"
#include "core/app/codepage.h"
#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/memorysettingsstore.h"
#include "core/app/messagedialoglayout.h"
#include "core/app/plaintextbuffer.h"
#include "core/app/textcodec.h"
#include "core/commands/commandtable.h"
#include "platform/systemenvironment.h"

#include <QFile>

#include <cstdio>

namespace varnik::cli {

namespace {

void writeStd(FILE* f, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f);
    std::fflush(f);
}

// Messages keep their CR LF line breaks in dialogs; a terminal wants LF.
void err(const QString& s)
{
    QString text = s;
    writeStd(stderr, text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8());
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
        if (answer == u"cancel" && (buttons & Buttons::Cancel))
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

QByteArray readAllStandardInput()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

// The commands available headless: those with an operation of their own, by identifier.
QStringList applyCommandIds()
{
    QStringList ids;
    for (const CommandItem& item : CommandTable::standard().allItems())
        if (item.run)
            ids << item.id;
    ids.sort();
    return ids;
}

QString fieldErrorText(const QString& command, const FieldError& e)
{
    return e.expected.isEmpty() ? QStringLiteral("%1 needs --field %2=VALUE").arg(command, e.field)
                                : QStringLiteral("--field %1 needs %2").arg(e.field, e.expected);
}

} // namespace

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
    if (const auto usage = parseApplyOptions(args, options)) {
        err(QStringLiteral("varnik: ") + *usage + QStringLiteral("\n(see varnik --apply --help)\n"));
        return 2;
    }
    if (options.help) {
        writeStd(stdout, applyHelpText().toUtf8());
        return 0;
    }
    const CommandItem* command = CommandTable::standard().find(options.command);
    if (!command || !command->run) {
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
    for (const auto& [name, value] : options.settings)
        store.writeValue(varnikKey(), name, value);
    Settings settings = loadSettings(store);

    LoadedDocument loaded;
    try {
        const LoadOptions load{legacyCodePage(settings.codePage)};
        loaded = options.file.isEmpty() ? decodeFileContents(readAllStandardInput(), load)
                                        : loadDocumentFile(options.file, load);
    } catch (const Error& e) {
        err(QStringLiteral("Error: ") + e.message() + u'\n');
        return 1;
    }

    PlainTextBuffer document(loaded.text);
    document.setUndoEnabled(false);
    if (options.hasSelection)
        document.setSelection(options.selectStart, options.selectLength);
    else
        document.setCaret(options.caret);
    DocumentEncoding encoding = loaded.encoding;
    StderrMessageSink messages(options);
    CliEnvironment environment(settings, encoding, options);
    CommandContext context{document,        messages,       environment, encoding,
                           options.command, options.fields, std::nullopt};
    try {
        command->run(context);
    } catch (const FieldError& e) {
        err(QStringLiteral("varnik: ") + fieldErrorText(options.command, e) + u'\n');
        return 2;
    } catch (const Error& e) {
        messages.errorBox(e.message());
    } catch (const std::exception& e) {
        messages.errorBox(QString::fromLocal8Bit(e.what()));
    }

    const QString out = context.newDocument ? *context.newDocument : document.rawText();
    try {
        writeStd(stdout, encodeDocument(out, encoding, lineEndFromSetting(settings.crlf)));
    } catch (const Error&) {
        // Text the document's code page cannot hold is written as UTF-8, as a
        // save would after asking.
        messages.message(unencodableQuestion(options.file, encoding), MessageKind::Confirmation,
                         Buttons::YesNo);
        writeStd(stdout, encodeDocument(out, DocumentEncoding::utf8(), lineEndFromSetting(settings.crlf)));
    }
    if (options.report)
        err(QStringLiteral("selection %1 %2\n")
                .arg(document.selectionStart())
                .arg(document.selectionLength()));
    return messages.failed ? 1 : 0;
}

} // namespace varnik::cli

#include "core/text/importcommand.h"

#include "core/text/applytoselection.h"

namespace varnik {

namespace {

constexpr ImportCommand kCommands[] = {
    {u"HEXstyle1", ImportKind::Hex, u"binary file"},
    {u"Cstyle1", ImportKind::C, u"binary file as C source"},
    {u"Pascalstyle1", ImportKind::Pascal, u"binary file as Pascal source"},
    {u"Importunicodefile1", ImportKind::Unicode, u"unicode UTF-16 file"},
};

// The status text and the busy cursor for the length of the import, also
// when it fails.
class OpeningFile {
public:
    explicit OpeningFile(EngineEnvironment& environment) : environment_(environment)
    {
        environment_.showStatus(QStringLiteral("Opening file..."));
        environment_.setBusy(true);
    }
    ~OpeningFile()
    {
        environment_.showStatus(QString());
        environment_.setBusy(false);
    }
    OpeningFile(const OpeningFile&) = delete;
    OpeningFile& operator=(const OpeningFile&) = delete;

private:
    EngineEnvironment& environment_;
};

} // namespace

QString ImportCommand::dialogTitle() const
{
    return QStringLiteral("Varnik - Import ") + fileDescription.toString() + QStringLiteral("...");
}

std::span<const ImportCommand> importCommands()
{
    return kCommands;
}

const ImportCommand* findImportCommand(QStringView id)
{
    for (const ImportCommand& c : kCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

void importFileAtCaret(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages, ImportKind kind,
                       const QString& path)
{
    edit.setCaret(edit.selectionStart());
    ImportResult result;
    {
        OpeningFile opening(environment);
        applyToSelection(edit, environment, {EmptySelection::AtCaret, Collapse::UnlessSelectStay},
                         [&](const QString&) {
                             result = importFile(path, kind, u"\n");
                             return result.text;
                         });
    }
    if (!result.warning.isEmpty())
        messages.message(result.warning, MessageKind::Warning, Buttons::OK);
}

} // namespace varnik

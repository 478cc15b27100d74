// The commands the headless mode runs, each through the same core function as
// its menu item; the answers of a command's dialog come from --field.
#include "cli/applycommand.h"

#include "cli/calcwindowcommands.h"

#include "core/app/documentcommands.h"
#include "core/text/cnvtable.h"
#include "core/text/cnvtablecommand.h"
#include "core/text/importcommand.h"
#include "core/text/lineediting.h"
#include "core/text/selectioncommands.h"
#include "core/text/splitcolumn.h"
#include "platform/programdata.h"

#include <QDate>
#include <QMap>
#include <QRegularExpression>

namespace varnik::cli {

namespace {

// Commands whose window asks something first.
QMap<QString, ApplyHandler> buildDialogCommands()
{
    QMap<QString, ApplyHandler> c;
    c.insert(QStringLiteral("Splitcolumn1"), [](ApplyContext& ctx) {
        bool ok = false;
        const int column = ctx.field(QStringLiteral("column")).toInt(&ok);
        if (!ok)
            throw UsageError{QStringLiteral("--field column needs a number")};
        ctx.newDocument = splitColumn(splitColumnSource(ctx.document), column, ctx.field(QStringLiteral("separator")));
    });
    c.insert(QStringLiteral("Date1"), [](ApplyContext& ctx) {
        const QDate date = QDate::fromString(ctx.field(QStringLiteral("date")), Qt::ISODate);
        if (!date.isValid())
            throw UsageError{QStringLiteral("--field date needs YYYY-MM-DD")};
        insertDateValue(ctx.document, date, ctx.environment);
    });
    c.insert(QStringLiteral("HEXvaluecolor1"), [](ApplyContext& ctx) {
        // A dialog answer is exact: six hexadecimal digits, where a selection may be anything.
        static const QRegularExpression rgb(QStringLiteral("^(#|\\$|0x)?[0-9A-Fa-f]{6}$"));
        const QString field = ctx.field(QStringLiteral("color"));
        const auto colour = rgb.match(field).hasMatch() ? colourFromSelection(field) : std::nullopt;
        if (!colour)
            throw UsageError{QStringLiteral("--field color needs #RRGGBB")};
        insertColourValue(ctx.document, *colour);
    });
    c.insert(QStringLiteral("Unionverter1"), applyUniConverter);
    c.insert(QStringLiteral("Advancedlistgenerator1"), applyListGenerator);
    // The open dialog's answer is --field file=PATH.
    for (const ImportCommand& command : importCommands())
        c.insert(command.id.toString(), [kind = command.kind](ApplyContext& ctx) {
            importFileAtCaret(ctx.document, ctx.environment, ctx.messages, kind,
                              ctx.field(QStringLiteral("file")));
        });
    for (const CnvTableCommand& command : cnvTableCommands())
        c.insert(command.id.toString(), [&command](ApplyContext& ctx) {
            const CnvTable table = CnvTable::load(findProgramDataFile(command.fileName.toString()));
            applyCnvTableCommand(ctx.document, ctx.messages, table, command, ctx.encoding);
        });
    return c;
}

const QMap<QString, ApplyHandler>& dialogCommands()
{
    static const QMap<QString, ApplyHandler> table = buildDialogCommands();
    return table;
}

// Every command of the shared registry, run on the headless document.
QMap<QString, ApplyHandler> buildDocumentCommands()
{
    QMap<QString, ApplyHandler> c;
    for (const QString& id : documentCommandIds()) {
        const DocumentCommand* command = findDocumentCommand(id);
        c.insert(id, [command](ApplyContext& ctx) {
            DocumentCommandContext dc{ctx.document, ctx.messages, ctx.environment, ctx.decimalSeparator};
            (*command)(dc);
        });
    }
    return c;
}

const QMap<QString, ApplyHandler>& documentCommands()
{
    static const QMap<QString, ApplyHandler> table = buildDocumentCommands();
    return table;
}

} // namespace

const ApplyHandler* findApplyCommand(const QString& id)
{
    for (const auto* table : {&dialogCommands(), &documentCommands()}) {
        const auto it = table->constFind(id);
        if (it != table->constEnd())
            return &it.value();
    }
    return nullptr;
}

QStringList applyCommandIds()
{
    QStringList ids = dialogCommands().keys() + documentCommands().keys();
    ids.sort();
    return ids;
}

} // namespace varnik::cli

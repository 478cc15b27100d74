#include "core/commands/documentcommands.h"

#include "core/text/cnvtable.h"
#include "core/text/cnvtablecommand.h"
#include "core/text/lineediting.h"
#include "core/text/netlookup.h"
#include "core/text/selectioncommands.h"
#include "core/text/splitcolumn.h"

#include <QDate>
#include <QRegularExpression>

namespace varnik {

void selectAllCommand(CommandContext& c)
{
    c.edit.selectAll();
}

void englishWordsCommand(CommandContext& c)
{
    numberToWordsCommand(c.edit, c.environment, c.messages, WordsLanguage::English);
}

void polishWordsCommand(CommandContext& c)
{
    numberToWordsCommand(c.edit, c.environment, c.messages, WordsLanguage::Polish);
}

void hostToIpAddressCommand(CommandContext& c)
{
    hostToIpCommand(c.edit, c.environment);
}

void resolveIpAddressCommand(CommandContext& c)
{
    resolveIpCommand(c.edit, c.environment);
}

void currentUserCommand(CommandContext& c)
{
    insertCurrentUser(c.edit, c.environment);
}

void characterTableCommand(CommandContext& c)
{
    const CnvTableCommand* command = findCnvTableCommand(c.command);
    if (!command)
        return;
    const CnvTable table = CnvTable::load(c.environment.programDataFile(command->fileName.toString()));
    applyCnvTableCommand(c.edit, c.messages, table, *command, c.encoding);
}

void splitColumnCommand(CommandContext& c)
{
    bool ok = false;
    const int column = c.field(QStringLiteral("column")).toInt(&ok);
    if (!ok)
        throw FieldError{QStringLiteral("column"), QStringLiteral("a number")};
    c.newDocument = splitColumn(splitColumnSource(c.edit), column, c.field(QStringLiteral("separator")));
}

void dateValueCommand(CommandContext& c)
{
    const QDate date = QDate::fromString(c.field(QStringLiteral("date")), Qt::ISODate);
    if (!date.isValid())
        throw FieldError{QStringLiteral("date"), QStringLiteral("YYYY-MM-DD")};
    insertDateValue(c.edit, date, c.environment);
}

void colourValueCommand(CommandContext& c)
{
    // A dialog answer is exact: six hexadecimal digits, where a selection may be anything.
    static const QRegularExpression rgb(QStringLiteral("^(#|\\$|0x)?[0-9A-Fa-f]{6}$"));
    const QString field = c.field(QStringLiteral("color"));
    const auto colour = rgb.match(field).hasMatch() ? colourFromSelection(field) : std::nullopt;
    if (!colour)
        throw FieldError{QStringLiteral("color"), QStringLiteral("#RRGGBB")};
    insertColourValue(c.edit, c.environment, *colour);
}

} // namespace varnik

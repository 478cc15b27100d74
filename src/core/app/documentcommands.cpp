#include "core/app/documentcommands.h"

#include "core/app/commandtable.h"

#include "core/calc/evaluationcommands.h"
#include "core/text/engineenvironment.h"
#include "core/text/lineediting.h"
#include "core/text/netlookup.h"
#include "core/text/selectioncommands.h"
#include "core/text/selectionengine.h"
#include "core/text/selectionoperation.h"

#include <QMap>

namespace varnik {

namespace {

QMap<QString, DocumentCommand> buildCommands()
{
    QMap<QString, DocumentCommand> c;
    auto add = [&c](QStringView id, DocumentCommand command) { c.insert(id.toString(), std::move(command)); };

    add(u"Selectall1", [](DocumentCommandContext& ctx) { ctx.edit.selectAll(); });

    // The commands of the selection engine, by their operation code.
    for (const CommandItem& item : CommandTable::standard().mainMenuItems()) {
        const int code = selectionOperationForCommand(item.id);
        if (code > 0)
            add(item.id, [code](DocumentCommandContext& ctx) {
                SelectionEngine(ctx.edit, ctx.environment, ctx.messages).run(code);
            });
    }

    const std::pair<const char16_t*, void (*)(TextEdit&)> lineCommands[] = {
        {u"Delete1", deleteAtCaret},       {u"Deleteword1", deleteWord},
        {u"Deletetoword1", deleteToWord},  {u"Deleteline1", deleteLine},
        {u"Clearline1", clearLine},        {u"Selectwordatcursor1", selectWordAtCursor},
        {u"Selectto1", selectToBracket},
    };
    for (const auto& entry : lineCommands) {
        void (*fn)(TextEdit&) = entry.second;
        add(entry.first, [fn](DocumentCommandContext& ctx) { fn(ctx.edit); });
    }

    add(u"Numberinselectiontoenglishwords1", [](DocumentCommandContext& ctx) {
        numberToWordsCommand(ctx.edit, ctx.messages, WordsLanguage::English, ctx.environment.settings().selectStay);
    });
    add(u"Numberinselectiontopolishwords1", [](DocumentCommandContext& ctx) {
        numberToWordsCommand(ctx.edit, ctx.messages, WordsLanguage::Polish, ctx.environment.settings().selectStay);
    });
    add(u"HosttoIP1", [](DocumentCommandContext& ctx) { hostToIpCommand(ctx.edit, ctx.environment); });
    add(u"ResolveIP1", [](DocumentCommandContext& ctx) { resolveIpCommand(ctx.edit, ctx.environment); });
    add(u"Currentuser1", [](DocumentCommandContext& ctx) { insertCurrentUser(ctx.edit, ctx.environment); });

    const std::pair<const char16_t*, EvaluationCommand> evaluations[] = {
        {u"Evaluateexpressioninselection1", EvaluationCommand::Expressions},
        {u"Evaluateequations1", EvaluationCommand::Equations},
        {u"Evaluatequadraticequation1", EvaluationCommand::QuadraticEquation},
    };
    for (const auto& entry : evaluations) {
        const EvaluationCommand command = entry.second;
        add(entry.first, [command](DocumentCommandContext& ctx) {
            applyEvaluationCommand(ctx.edit, command, ctx.decimalSeparator);
        });
    }
    return c;
}

const QMap<QString, DocumentCommand>& commands()
{
    static const QMap<QString, DocumentCommand> table = buildCommands();
    return table;
}

} // namespace

const DocumentCommand* findDocumentCommand(const QString& id)
{
    const auto it = commands().constFind(id);
    return it == commands().constEnd() ? nullptr : &it.value();
}

QStringList documentCommandIds() { return commands().keys(); }

} // namespace varnik

#include "core/app/documentcommands.h"

#include "core/calc/evaluationcommands.h"

#include <QMap>

namespace varnik {

namespace {

QMap<QString, DocumentCommand> buildCommands()
{
    QMap<QString, DocumentCommand> c;
    auto add = [&c](const char16_t* id, DocumentCommand command) { c.insert(QString::fromUtf16(id), std::move(command)); };

    add(u"Selectall1", [](DocumentCommandContext& ctx) { ctx.edit.selectAll(); });

    const std::pair<const char16_t*, EvaluationCommand> evaluations[] = {
        {u"Evaluateexpressioninselection1", EvaluationCommand::Expressions},
        {u"Evaluateequations1", EvaluationCommand::Equations},
        {u"Evaluatequadraticequation1", EvaluationCommand::QuadraticEquation},
    };
    for (const auto& [id, command] : evaluations)
        add(id, [command](DocumentCommandContext& ctx) {
            applyEvaluationCommand(ctx.edit, command, ctx.decimalSeparator);
        });
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

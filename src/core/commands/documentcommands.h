#pragma once

#include "core/calc/evaluationcommands.h"
#include "core/commands/commandcontext.h"
#include "core/text/applytoselection.h"
#include "core/text/importcommand.h"
#include "core/text/selectionengine.h"

#include <type_traits>

namespace varnik {

// The operations table rows name. Each adapts one core function to the command context; the templates
// let a row name a core function directly: engine<SelectionOperation::Trim>, onEdit<deleteWord>,
// transform<myTextFunction>.

// An operation of the selection engine.
template <SelectionOperation op> void engine(CommandContext& c)
{
    SelectionEngine(c.edit, c.environment, c.messages).run(op);
}

// A function of the edit alone (line editing, caret moves).
template <void (*fn)(TextEdit&)> void onEdit(CommandContext& c)
{
    fn(c.edit);
}

// A text function, QString f(const QString&) or QString f(const QString&, EngineEnvironment&), whose
// result replaces the selection through applyToSelection with `policy`.
template <auto fn, ApplyPolicy policy = ApplyPolicy{}> void transform(CommandContext& c)
{
    applyToSelection(c.edit, c.environment, policy, [&c](QString text) -> QString {
        if constexpr (std::is_invocable_v<decltype(fn), QString>)
            return fn(std::move(text));
        else
            return fn(std::move(text), c.environment);
    });
}

// A formula command on a non-empty selection; an empty one is left alone.
template <EvaluationCommand command> void evaluation(CommandContext& c)
{
    const QChar separator = c.environment.settings().decimalSeparator;
    applyToSelection(c.edit, c.environment, {EmptySelection::Skip, Collapse::Never},
                     [separator](const QString& text) { return evaluate(command, text, separator); });
}

void selectAllCommand(CommandContext& c);
void englishWordsCommand(CommandContext& c);
void polishWordsCommand(CommandContext& c);
void hostToIpAddressCommand(CommandContext& c);
void resolveIpAddressCommand(CommandContext& c);
void currentUserCommand(CommandContext& c);

// A file import: the open dialog's answer is the field "file".
template <ImportKind kind> void importCommand(CommandContext& c)
{
    importFileAtCaret(c.edit, c.environment, c.messages, kind, c.field(QStringLiteral("file")));
}

// A character table (its file found among the program's data files) on the selection or the document.
void characterTableCommand(CommandContext& c);

// Commands whose window asks first; the answers come as fields.
void splitColumnCommand(CommandContext& c); // "column" (a number), "separator"; opens a new document
void dateValueCommand(CommandContext& c);   // "date": YYYY-MM-DD
void colourValueCommand(CommandContext& c); // "color": #RRGGBB

} // namespace varnik

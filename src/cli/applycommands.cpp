// The headless forms of the commands whose window is a tool of its own; every other command available
// headless runs its table row's operation.
#include "cli/applycommand.h"

#include "cli/calcwindowcommands.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"

#include <utility>

namespace varnik::cli {

namespace {

const std::pair<CommandId, void (*)(ApplyContext&)> kWindowCommands[] = {
    {ids::Unionverter1, applyUniConverter},
    {ids::Advancedlistgenerator1, applyListGenerator},
};

} // namespace

const ApplyHandler* findHeadlessWindowCommand(QStringView id)
{
    static const std::vector<std::pair<CommandId, ApplyHandler>> handlers(std::begin(kWindowCommands),
                                                                          std::end(kWindowCommands));
    for (const auto& [command, handler] : handlers)
        if (command.name() == id)
            return &handler;
    return nullptr;
}

QStringList applyCommandIds()
{
    QStringList ids;
    for (const CommandItem& item : CommandTable::standard().allItems())
        if (item.run)
            ids << item.id;
    for (const auto& entry : kWindowCommands)
        ids << entry.first.toString();
    ids.sort();
    return ids;
}

} // namespace varnik::cli

// The commands the headless mode runs, each through the same core function as
// its menu item.
#include "cli/applycommand.h"

#include <QMap>

namespace varnik::cli {

namespace {

QMap<QString, ApplyHandler> buildCommands()
{
    QMap<QString, ApplyHandler> c;
    c.insert(QStringLiteral("Selectall1"), [](ApplyContext& ctx) { ctx.document.selectAll(); });
    return c;
}

const QMap<QString, ApplyHandler>& commands()
{
    static const QMap<QString, ApplyHandler> table = buildCommands();
    return table;
}

} // namespace

const ApplyHandler* findApplyCommand(const QString& id)
{
    const auto it = commands().constFind(id);
    return it == commands().constEnd() ? nullptr : &it.value();
}

QStringList applyCommandIds() { return commands().keys(); }

} // namespace varnik::cli

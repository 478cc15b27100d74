#include "ui/shell/trayicon.h"

#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "ui/app/commandactions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

namespace varnik {

TrayIcon* TrayIcon::create(QMainWindow& window, CommandActions& commands)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return nullptr;
    return new TrayIcon(window, commands);
}

TrayIcon::TrayIcon(QMainWindow& window, CommandActions& commands)
    : QObject(&window), window_(window), commands_(commands),
      icon_(new QSystemTrayIcon(window.windowIcon(), this))
{
    icon_->setToolTip(QStringLiteral("Varnik"));
    QMenu* menu = commands_.popupMenu(ids::PopupMenuTray, &window);
    icon_->setContextMenu(menu);
    for (QAction* a : menu->actions()) {
        const CommandItem* item = CommandTable::standard().find(a->objectName());
        if (!item || item->twin.isEmpty())
            continue;
        const CommandId twin = item->twin;
        const bool exit = a->objectName() == ids::Exit1.name();
        a->disconnect(&window);
        a->disconnect(&commands_);
        connect(a, &QAction::triggered, this, [this, twin, exit] {
            if (exit)
                exitChosen_ = true;
            else
                bringBack();
            commands_.run(twin);
        });
    }
    commands_.setHandler(ids::Restore1, [this] {
        window_.showNormal();
        window_.raise();
        window_.activateWindow();
    });
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger)
            return;
        if (window_.isVisible())
            window_.hide();
        else
            bringBack();
    });
}

void TrayIcon::show()
{
    icon_->show();
}

void TrayIcon::bringBack()
{
    window_.showNormal();
    window_.activateWindow();
}

} // namespace varnik

#include "ui/app/commandactions.h"

#include "core/app/error.h"
#include "core/app/messagesink.h"
#include "core/commands/commandtable.h"
#include "ui/app/shortcutkeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QWidget>

#include <stdexcept>

namespace varnik {

CommandActions::CommandActions(QWidget* window, MessageSink& messages)
    : QObject(window), window_(window), messages_(messages)
{
    for (const CommandItem& item : CommandTable::standard().mainMenuItems())
        if (!item.isSeparator() && !item.id.isEmpty())
            makeAction(item);
}

CommandActions::~CommandActions() = default;

QAction* CommandActions::makeAction(const CommandItem& item)
{
    auto* a = new QAction(item.caption, window_);
    a->setObjectName(item.id);
    a->setStatusTip(item.hint);
    a->setToolTip(item.plainCaption());
    a->setIconText(item.plainCaption().remove(QStringLiteral("...")));
    captions_.insert(item.id, item.caption);
    hints_.insert(item.id, item.hint);
    rules_.insert(item.id, item.enable);
    setShortcut(item.id, item.shortcut, a);
    a->setShortcutContext(Qt::WindowShortcut);
    // Shortcuts must work while the menu bar is hidden too.
    window_->addAction(a);
    const QString id = item.id;
    connect(a, &QAction::triggered, this, [this, id] { run(id); });
    actions_.insert(item.id, a);
    return a;
}

void CommandActions::fillMenu(QMenu* menu, const CommandItem& item)
{
    for (const CommandItem* child : item.children) {
        if (child->isSeparator()) {
            menu->addSeparator();
        } else if (!child->children.empty() || child->filledAtRunTime) {
            QMenu* sub = menu->addMenu(child->caption);
            sub->setObjectName(child->id);
            sub->installEventFilter(this);
            sub->menuAction()->setStatusTip(child->hint);
            submenus_.insert(child->id, sub);
            if (!child->children.empty())
                fillMenu(sub, *child);
        } else if (QAction* a = actions_.value(child->id)) {
            menu->addAction(a);
        }
    }
}

void CommandActions::buildMainMenu(QMenuBar* bar)
{
    for (const CommandItem* top : CommandTable::standard().mainMenus()) {
        QMenu* menu = bar->addMenu(top->caption);
        menu->setObjectName(top->id);
        menu->installEventFilter(this);
        menu->menuAction()->setStatusTip(top->hint);
        submenus_.insert(top->id, menu);
        fillMenu(menu, *top);
    }
}

QMenu* CommandActions::popupMenu(CommandId popupId, QWidget* parent)
{
    const CommandItem* root = CommandTable::standard().find(popupId);
    auto* menu = new QMenu(parent);
    menu->setObjectName(popupId.toString());
    menu->installEventFilter(this);
    if (!root)
        return menu;
    for (const CommandItem* child : root->children) {
        if (child->isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (child->filledAtRunTime) {
            QMenu* sub = menu->addMenu(child->caption);
            sub->setObjectName(child->id);
            submenus_.insert(child->id, sub);
            continue;
        }
        auto* a = menu->addAction(child->caption);
        a->setObjectName(child->id);
        a->setStatusTip(child->hint);
        // A twin runs its main-menu command; an item of its own runs its own handler.
        const QString target = child->twin.isEmpty() ? child->id : child->twin.toString();
        connect(a, &QAction::triggered, this, [this, target] { run(target); });
        twins_.append({a, target});
        if (child->twin.isEmpty()) {
            actions_.insert(child->id, a);
            rules_.insert(child->id, child->enable);
        }
    }
    return menu;
}

QAction* CommandActions::action(CommandId id) const
{
    return actions_.value(id.toString());
}

QMenu* CommandActions::submenu(CommandId id) const
{
    return submenus_.value(id.toString());
}

void CommandActions::setHandler(CommandId id, Handler handler)
{
    CommandTable::standard().item(id); // a handler for no row is a programming error
    handlers_.insert(id.toString(), std::move(handler));
}

void CommandActions::setHandler(const CommandItem& item, Handler handler)
{
    handlers_.insert(item.id, std::move(handler));
}

bool CommandActions::hasHandler(CommandId id) const
{
    return handlers_.contains(id.toString());
}

void CommandActions::run(CommandId id)
{
    run(id.toString());
}

void CommandActions::run(const QString& id)
{
    const auto it = handlers_.constFind(id);
    if (it == handlers_.constEnd())
        return;
    QAction* a = actions_.value(id);
    if (a && !a->isEnabled())
        return;
    try {
        (*it)();
    } catch (const Error& e) {
        messages_.errorBox(e.message());
    } catch (const std::bad_alloc&) {
        messages_.errorBox(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        messages_.errorBox(QString::fromLocal8Bit(e.what()));
    }
    Q_EMIT commandRun(id);
}

void CommandActions::setShortcut(const QString& id, const Shortcut& shortcut)
{
    setShortcut(id, shortcut, actions_.value(id));
}

void CommandActions::setShortcut(const QString& id, const Shortcut& shortcut, QAction* a)
{
    if (!a)
        return;
    a->setShortcut(toKeySequence(shortcut));
    shortcuts_.insert(id, shortcut);
    // Menus show the shortcut in the program's own form ("Shift+Ctrl+Z"), not the toolkit's.
    const QString caption = captions_.value(id, a->text().section(u'\t', 0, 0));
    a->setText(shortcut.isEmpty() ? caption : caption + u'\t' + shortcut.toText());
}

Shortcut CommandActions::shortcut(const QString& id) const
{
    return shortcuts_.value(id);
}

void CommandActions::setChecked(CommandId id, bool checked)
{
    if (QAction* a = action(id)) {
        a->setCheckable(true);
        a->setChecked(checked);
    }
}

void CommandActions::refreshEnabled(const CommandStateInputs& state)
{
    for (auto it = actions_.constBegin(); it != actions_.constEnd(); ++it) {
        const bool handled = handlers_.contains(it.key());
        const QString reason = handled ? disabledReason(rules_.value(it.key()), state)
                                       : QStringLiteral("Not available in this version");
        if (it.value()->isEnabled() != reason.isEmpty())
            it.value()->setEnabled(reason.isEmpty());
        const QString hint = hints_.value(it.key());
        const QString tip = reason.isEmpty() || hint.isEmpty() ? hint + reason : hint + QStringLiteral(" (") + reason + u')';
        if (it.value()->statusTip() != tip)
            it.value()->setStatusTip(tip);
    }
    for (const auto& [a, target] : twins_) {
        const QAction* main = actions_.value(target);
        const bool on = main ? main->isEnabled() : handlers_.contains(target);
        if (a->isEnabled() != on)
            a->setEnabled(on);
    }
}

bool CommandActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        if (auto* menu = qobject_cast<QMenu*>(watched))
            if (QAction* a = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
                a && !a->isEnabled() && !a->isSeparator()) {
                QStatusTipEvent tip(a->statusTip());
                QCoreApplication::sendEvent(window_, &tip);
            }
    return QObject::eventFilter(watched, event);
}

} // namespace varnik

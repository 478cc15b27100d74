#pragma once

#include "core/app/shortcut.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace varnik {

struct CommandItem;
class MessageSink;

// The window's commands: one QAction per command of the command table, the
// menus and pop-ups built from the table, and one handler per command that
// every route (menu, pop-up twin, toolbar, shortcut) runs. A command without a
// handler is disabled.
class CommandActions : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    CommandActions(QWidget* window, MessageSink& messages);
    ~CommandActions() override;

    void buildMainMenu(QMenuBar* bar);
    // A pop-up menu of the table, by its name ("MainEditPopupMenu", ...).
    QMenu* popupMenu(const QString& popupId, QWidget* parent);

    QAction* action(const QString& id) const;
    // The submenu an item opens (recent files, bookmarks), or nullptr.
    QMenu* submenu(const QString& id) const;

    void setHandler(const QString& id, Handler handler);
    bool hasHandler(const QString& id) const;
    // Runs the command's handler; errors it does not catch go to the error box.
    void run(const QString& id);

    void setShortcut(const QString& id, const Shortcut& shortcut);
    Shortcut shortcut(const QString& id) const;
    void setChecked(const QString& id, bool checked);

    // Enables every command with a handler for which `rule` says yes, and
    // disables every command without one. Pop-up twins follow their command.
    void refreshEnabled(const std::function<bool(const QString& id)>& rule);

Q_SIGNALS:
    // After every command, so that states shown elsewhere follow at once.
    void commandRun(const QString& id);

private:
    QAction* makeAction(const CommandItem& item);
    void setShortcut(const QString& id, const Shortcut& shortcut, QAction* a);
    void fillMenu(QMenu* menu, const CommandItem& item);

    QWidget* window_;
    MessageSink& messages_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> submenus_;
    QHash<QString, Handler> handlers_;
    QHash<QString, Shortcut> shortcuts_;
    QHash<QString, QString> captions_;
    // Pop-up actions and the command they stand for.
    QList<QPair<QAction*, QString>> twins_;
};

} // namespace varnik

#pragma once

#include "core/app/shortcut.h"
#include "core/commands/commandid.h"
#include "core/commands/enablerule.h"
#include "core/keymap/liveshortcuts.h"

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
// handler is disabled; an enabled one follows its row's enable rule.
class CommandActions : public QObject, public LiveShortcuts {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    CommandActions(QWidget* window, MessageSink& messages);
    ~CommandActions() override;

    void buildMainMenu(QMenuBar* bar);
    // A pop-up menu of the table, by its root (ids::MainEditPopupMenu, ...).
    QMenu* popupMenu(CommandId popupId, QWidget* parent);

    QAction* action(CommandId id) const;
    // The submenu an item opens (recent files, bookmarks), or nullptr.
    QMenu* submenu(CommandId id) const;

    // Throws std::logic_error for an identifier without a table row.
    void setHandler(CommandId id, Handler handler);
    void setHandler(const CommandItem& item, Handler handler);
    bool hasHandler(CommandId id) const;
    // Runs the command's handler; errors it does not catch go to the error box.
    void run(CommandId id);

    // By the identifier's text: key maps name commands as text.
    void setShortcut(const QString& id, const Shortcut& shortcut) override;
    Shortcut shortcut(const QString& id) const override;
    void setChecked(CommandId id, bool checked);

    // Enables every command with a handler whose enable rule holds in `state`,
    // and disables every command without one. Pop-up twins follow their command.
    void refreshEnabled(const CommandStateInputs& state);

Q_SIGNALS:
    // After every command, so that states shown elsewhere follow at once.
    void commandRun(const QString& id);

protected:
    // Menus show no hint for a disabled item by themselves: its hint, which
    // says why, goes to the window as the pointer moves over it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const QString& id);
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
    QHash<QString, EnableRule> rules_;
    QHash<QString, QString> hints_;
    // Pop-up actions and the command they stand for.
    QList<QPair<QAction*, QString>> twins_;
};

} // namespace varnik

#include "ui/search/bookmarkmenuactions.h"

#include "core/app/shortcut.h"
#include "ui/app/shortcutkeys.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace varnik {

BookmarkMenuActions::BookmarkMenuActions(QWidget* window, QMenu* createMenu, QMenu* goToMenu)
    : QObject(window), window_(window), createMenu_(createMenu), goToMenu_(goToMenu)
{
}

void BookmarkMenuActions::rebuild(const Bookmarks& bookmarks)
{
    const BookmarkMenus menus = bookmarkMenus(bookmarks);
    fill(createMenu_, menus.create, create_);
    fill(goToMenu_, menus.goTo, goTo_);
}

void BookmarkMenuActions::fill(QMenu* menu, const std::vector<BookmarkMenuItem>& items,
                               std::vector<QAction*>& actions)
{
    // The items are made once and then brought up to date: an item may be
    // rebuilding its own menu while it runs, so it must not be freed there.
    if (actions.size() != items.size()) {
        for (QAction* a : actions) {
            window_->removeAction(a);
            a->deleteLater();
        }
        actions.clear();
        if (menu)
            menu->clear();
        for (const BookmarkMenuItem& item : items) {
            auto* a = new QAction(this);
            a->setSeparator(item.isSeparator());
            a->setShortcutContext(Qt::WindowShortcut);
            window_->addAction(a);
            if (menu)
                menu->addAction(a);
            actions.push_back(a);
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const BookmarkMenuItem& item = items[i];
        QAction* a = actions[i];
        if (item.isSeparator())
            continue;
        // The shortcut shows in the program's own form ("Shift+Ctrl+1"), as in every menu.
        const Shortcut shortcut = Shortcut::fromText(item.shortcut);
        a->setText(shortcut.isEmpty() ? item.caption : item.caption + u'\t' + shortcut.toText());
        a->setShortcut(toKeySequence(shortcut));
        a->setStatusTip(item.hint);
        a->setData(item.tag);
        const bool checkable = item.action == BookmarkAction::Set || item.action == BookmarkAction::GoTo;
        a->setCheckable(checkable);
        a->setChecked(item.checked);
        a->disconnect(this);
        connect(a, &QAction::triggered, this, [this, item] { Q_EMIT itemTriggered(item); });
    }
}

} // namespace varnik

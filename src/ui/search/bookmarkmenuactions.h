#pragma once

#include "core/search/bookmarks.h"

#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace varnik {

// The items of the two bookmark submenus ("&Create bookmark" and "&Go to
// bookmark") made from the document's bookmarks. The shortcuts live on the
// window, so they work while the menus are closed.
class BookmarkMenuActions : public QObject {
    Q_OBJECT
public:
    BookmarkMenuActions(QWidget* window, QMenu* createMenu, QMenu* goToMenu);

    // Makes both submenus anew from `bookmarks`.
    void rebuild(const Bookmarks& bookmarks);

    const std::vector<QAction*>& createActions() const { return create_; }
    const std::vector<QAction*>& goToActions() const { return goTo_; }

Q_SIGNALS:
    void itemTriggered(const varnik::BookmarkMenuItem& item);

private:
    void fill(QMenu* menu, const std::vector<BookmarkMenuItem>& items, std::vector<QAction*>& actions);

    QWidget* window_;
    QMenu* createMenu_;
    QMenu* goToMenu_;
    std::vector<QAction*> create_;
    std::vector<QAction*> goTo_;
};

} // namespace varnik

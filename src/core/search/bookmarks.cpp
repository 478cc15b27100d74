#include "core/search/bookmarks.h"

#include <algorithm>
#include <limits>

namespace varnik {

namespace {

bool validNumber(int number)
{
    return number >= 1 && number <= Bookmarks::Count;
}

qint32 toInt32(qsizetype v)
{
    return static_cast<qint32>(std::clamp<qsizetype>(v, 0, std::numeric_limits<qint32>::max()));
}

} // namespace

const Bookmark& Bookmarks::bookmark(int number) const
{
    static const Bookmark unset;
    return validNumber(number) ? marks_[static_cast<size_t>(number - 1)] : unset;
}

void Bookmarks::setBookmark(int number, Bookmark mark)
{
    if (validNumber(number))
        marks_[static_cast<size_t>(number - 1)] = mark;
}

void Bookmarks::set(int number, const TextEdit& edit)
{
    if (!validNumber(number))
        return;
    const qsizetype caret = edit.caretPosition();
    const qsizetype line = edit.lineFromPosition(caret);
    marks_[static_cast<size_t>(number - 1)] = Bookmark{toInt32(caret - edit.lineStart(line)), toInt32(line)};
    current_ = number;
}

bool Bookmarks::goTo(int number, TextEdit& edit)
{
    if (!validNumber(number))
        return false;
    const Bookmark& mark = marks_[static_cast<size_t>(number - 1)];
    // Values restored from a damaged store may be any number: only real lines count.
    if (mark.line < 0 || mark.line >= edit.lineCount())
        return false;
    current_ = number;
    const qsizetype length = edit.lineLength(mark.line);
    const qsizetype column = std::clamp<qsizetype>(mark.column, 0, length);
    edit.setCaret(edit.lineStart(mark.line) + column);
    return true;
}

bool Bookmarks::previous(TextEdit& edit)
{
    return current_ > 1 && goTo(current_ - 1, edit);
}

bool Bookmarks::next(TextEdit& edit)
{
    return current_ < Count && goTo(current_ + 1, edit);
}

void Bookmarks::clear()
{
    marks_.fill(Bookmark{});
}

BookmarkMenus bookmarkMenus(const Bookmarks& bookmarks)
{
    BookmarkMenus menus;
    for (int i = 1; i <= Bookmarks::Count; ++i) {
        const Bookmark& mark = bookmarks.bookmark(i);
        const QString digit = QString::number(i % 10);
        BookmarkMenuItem item;
        item.caption = QStringLiteral("#") + QString::number(i);
        item.checked = mark.isSet();
        if (mark.isSet())
            item.hint =
                QStringLiteral("Bookmark at %1:%2").arg(qint64(mark.line) + 1).arg(qint64(mark.column) + 1);
        item.number = i;

        item.shortcut = QStringLiteral("Shift+Ctrl+") + digit;
        item.action = BookmarkAction::Set;
        menus.create.push_back(item);

        item.shortcut = QStringLiteral("Ctrl+") + digit;
        item.action = BookmarkAction::GoTo;
        menus.goTo.push_back(item);
    }
    menus.goTo.push_back(BookmarkMenuItem{QStringLiteral("-"), {}, {}, false, BookmarkAction::None, 0, 1});
    menus.goTo.push_back(BookmarkMenuItem{QStringLiteral("&Previous"), QStringLiteral("Shift+Ctrl+-"),
                                          QStringLiteral("Go to previous bookmark..."), false,
                                          BookmarkAction::Previous, 0, 1});
    menus.goTo.push_back(BookmarkMenuItem{QStringLiteral("&Next"), QStringLiteral("Shift+Ctrl+="),
                                          QStringLiteral("Go to next bookmark..."), false,
                                          BookmarkAction::Next, 0, 1});
    return menus;
}

bool runBookmarkItem(const BookmarkMenuItem& item, Bookmarks& bookmarks, TextEdit& edit)
{
    switch (item.action) {
    case BookmarkAction::Set:
        bookmarks.set(item.number, edit);
        return true;
    case BookmarkAction::GoTo:
        return bookmarks.goTo(item.number, edit);
    case BookmarkAction::Previous:
        return bookmarks.previous(edit);
    case BookmarkAction::Next:
        return bookmarks.next(edit);
    case BookmarkAction::None:
        break;
    }
    return false;
}

} // namespace varnik

#pragma once

#include "core/app/textedit.h"

#include <QString>

#include <array>
#include <vector>

namespace varnik {

// A caret place remembered by number: 0-based line and column, (-1, -1) when unset.
struct Bookmark {
    qint32 column = -1;
    qint32 line = -1;

    bool isSet() const { return line != -1 && column != -1; }
    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// The ten bookmarks of a document and the number last set or gone to (0 when
// none yet). Numbers run from 1 to 10; others are ignored.
class Bookmarks {
public:
    static constexpr int Count = 10;

    const Bookmark& bookmark(int number) const;
    // For restoring the per-file information.
    void setBookmark(int number, Bookmark mark);
    int current() const { return current_; }

    // Remembers the caret's line and column as bookmark `number`.
    void set(int number, const TextEdit& edit);
    // Puts the caret on the bookmark (at the line's end when the line is now
    // shorter). False, and nothing changes, when it is unset or its line no
    // longer exists.
    bool goTo(int number, TextEdit& edit);
    // Steps to the bookmark one number below or above the current one; an unset
    // one is not skipped: nothing happens.
    bool previous(TextEdit& edit);
    bool next(TextEdit& edit);
    // Clearbookmarks1: every bookmark unset; the current number stays.
    void clear();

    friend bool operator==(const Bookmarks&, const Bookmarks&) = default;

private:
    std::array<Bookmark, Count> marks_;
    int current_ = 0;
};

// What a generated item of the two bookmark submenus does.
enum class BookmarkAction { Set, GoTo, Previous, Next, None };

struct BookmarkMenuItem {
    QString caption;
    QString shortcut;
    QString hint;
    bool checked = false;
    BookmarkAction action = BookmarkAction::None;
    int number = 0; // the bookmark of Set and GoTo
    int tag = 1;    // every generated item carries it

    bool isSeparator() const { return caption == u"-"; }
    friend bool operator==(const BookmarkMenuItem&, const BookmarkMenuItem&) = default;
};

// The items of "&Create bookmark" (Create1) and "&Go to bookmark" (Goto1), to
// be rebuilt whenever a bookmark changes or another document becomes active.
struct BookmarkMenus {
    std::vector<BookmarkMenuItem> create;
    std::vector<BookmarkMenuItem> goTo;
};
BookmarkMenus bookmarkMenus(const Bookmarks& bookmarks);

// Runs a generated item on the active document.
bool runBookmarkItem(const BookmarkMenuItem& item, Bookmarks& bookmarks, TextEdit& edit);

} // namespace varnik

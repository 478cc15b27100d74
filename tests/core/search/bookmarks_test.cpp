#include "core/search/bookmarks.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnik {
namespace {

using test::Sel;
using test::selectionOf;

// Lines: 0 "zero", 1 "one one", 2 "", 3 "three"
const QString Text = QStringLiteral("zero\none one\n\nthree");

TEST(Bookmarks, setAndGoTo)
{
    struct Row {
        const char* name;
        QString textNow; // the document when the bookmark is recalled
        Bookmark mark;
        bool moved;
        Sel caret;
    };
    const Row rows[] = {
        {"returns to line and column", Text, {3, 1}, true, {8, 0}},
        {"line start", Text, {0, 3}, true, {14, 0}},
        {"a shorter line puts the caret at its end", QStringLiteral("zero\none"), {5, 1}, true, {8, 0}},
        {"an empty line", Text, {4, 2}, true, {13, 0}},
        {"a line that no longer exists is ignored", QStringLiteral("zero\none"), {0, 3}, false, {2, 0}},
        {"unset is ignored", Text, {-1, -1}, false, {2, 0}},
        {"a line without a column goes to the line start", Text, {-1, 1}, true, {5, 0}},
        {"a negative line from a damaged store is ignored", Text, {0, -7}, false, {2, 0}},
        {"a huge column goes to the line end", Text, {2147483647, 0}, true, {4, 0}},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(r.textNow);
        edit.setCaret(2);
        Bookmarks marks;
        marks.setBookmark(4, r.mark);
        EXPECT_EQ(marks.goTo(4, edit), r.moved) << r.name;
        EXPECT_EQ(selectionOf(edit), r.caret) << r.name;
        EXPECT_EQ(marks.current(), r.moved ? 4 : 0) << r.name;
    }
}

TEST(Bookmarks, setTakesTheCaretLineAndColumn)
{
    PlainTextBuffer edit(Text);
    edit.setSelection(6, 3); // the caret stands at the selection's end
    Bookmarks marks;
    marks.set(3, edit);
    EXPECT_EQ(marks.bookmark(3), (Bookmark{4, 1}));
    EXPECT_EQ(marks.current(), 3);
    edit.setCaret(0);
    EXPECT_TRUE(marks.goTo(3, edit));
    EXPECT_EQ(selectionOf(edit), (Sel{9, 0}));
    marks.set(10, edit);
    EXPECT_EQ(marks.bookmark(10), (Bookmark{4, 1}));
    marks.set(0, edit);
    marks.set(11, edit);
    EXPECT_EQ(marks.current(), 10) << "numbers outside 1..10 are ignored";
    EXPECT_FALSE(marks.bookmark(11).isSet());
}

TEST(Bookmarks, previousAndNextStepByOne)
{
    struct Row {
        const char* name;
        std::vector<int> set; // bookmarks set, each on its own line
        int current;          // gone to first; 0: none used yet
        char step;            // 'P' or 'N'
        bool moved;
        int currentAfter;
    };
    const Row rows[] = {
        {"next before any bookmark was used goes to 1", {1, 3}, 0, 'N', true, 1},
        {"next before any use with 1 unset does nothing", {2}, 0, 'N', false, 0},
        {"previous before any use does nothing", {1}, 0, 'P', false, 0},
        {"next does not skip an unset bookmark", {1, 3}, 1, 'N', false, 1},
        {"next to a set bookmark", {1, 2}, 1, 'N', true, 2},
        {"previous from 1 does nothing", {1, 2}, 1, 'P', false, 1},
        {"previous to a set bookmark", {1, 2}, 2, 'P', true, 1},
        {"previous does not skip", {1, 3}, 3, 'P', false, 3},
        {"next from 10 does nothing", {1, 10}, 10, 'N', false, 10},
        {"previous from 10", {9, 10}, 10, 'P', true, 9},
    };
    PlainTextBuffer edit(QStringLiteral("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\nend"));
    for (const Row& r : rows) {
        Bookmarks marks;
        for (int n : r.set)
            marks.setBookmark(n, Bookmark{0, n});
        if (r.current) {
            ASSERT_TRUE(marks.goTo(r.current, edit)) << r.name;
        }
        edit.setCaret(edit.length());
        const bool moved = r.step == 'N' ? marks.next(edit) : marks.previous(edit);
        EXPECT_EQ(moved, r.moved) << r.name;
        EXPECT_EQ(marks.current(), r.currentAfter) << r.name;
        const qsizetype expectedCaret = moved ? edit.lineStart(r.currentAfter) : edit.length();
        EXPECT_EQ(selectionOf(edit), (Sel{expectedCaret, 0})) << r.name;
    }
}

TEST(Bookmarks, clearUnsetsAllButKeepsTheCurrentNumber)
{
    PlainTextBuffer edit(Text);
    Bookmarks marks;
    marks.set(2, edit);
    marks.set(5, edit);
    marks.clear();
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(marks.bookmark(i).isSet()) << i;
    EXPECT_EQ(marks.current(), 5);
}

TEST(BookmarkMenus, captionsShortcutsChecksAndHints)
{
    PlainTextBuffer edit(QString(11, u'\n') + QStringLiteral("    x"));
    edit.setCaret(edit.lineStart(11) + 4); // line 12, column 5
    Bookmarks marks;
    marks.set(3, edit);
    marks.setBookmark(10, Bookmark{0, 0});
    marks.setBookmark(7, Bookmark{-1, 4}); // half set counts as unset
    const BookmarkMenus menus = bookmarkMenus(marks);
    ASSERT_EQ(menus.create.size(), 10u);
    ASSERT_EQ(menus.goTo.size(), 13u);

    struct Row {
        int number;
        const char* createShortcut;
        const char* goToShortcut;
        bool checked;
        const char* hint;
    };
    const Row rows[] = {
        {1, "Shift+Ctrl+1", "Ctrl+1", false, ""},
        {3, "Shift+Ctrl+3", "Ctrl+3", true, "Bookmark at 12:5"},
        {7, "Shift+Ctrl+7", "Ctrl+7", false, ""},
        {9, "Shift+Ctrl+9", "Ctrl+9", false, ""},
        {10, "Shift+Ctrl+0", "Ctrl+0", true, "Bookmark at 1:1"},
    };
    for (const Row& r : rows) {
        for (const BookmarkMenuItem& item :
             {menus.create[size_t(r.number - 1)], menus.goTo[size_t(r.number - 1)]}) {
            EXPECT_EQ(item.caption, QStringLiteral("#%1").arg(r.number));
            EXPECT_EQ(item.checked, r.checked) << r.number;
            EXPECT_EQ(item.hint, QString::fromLatin1(r.hint)) << r.number;
            EXPECT_EQ(item.number, r.number);
            EXPECT_EQ(item.tag, 1);
        }
        EXPECT_EQ(menus.create[size_t(r.number - 1)].shortcut, QString::fromLatin1(r.createShortcut));
        EXPECT_EQ(menus.goTo[size_t(r.number - 1)].shortcut, QString::fromLatin1(r.goToShortcut));
        EXPECT_EQ(menus.create[size_t(r.number - 1)].action, BookmarkAction::Set);
        EXPECT_EQ(menus.goTo[size_t(r.number - 1)].action, BookmarkAction::GoTo);
    }
    EXPECT_TRUE(menus.goTo[10].isSeparator());
    EXPECT_EQ(menus.goTo[11], (BookmarkMenuItem{"&Previous", "Shift+Ctrl+-", "Go to previous bookmark...",
                                                false, BookmarkAction::Previous, 0, 1}));
    EXPECT_EQ(menus.goTo[12], (BookmarkMenuItem{"&Next", "Shift+Ctrl+=", "Go to next bookmark...", false,
                                                BookmarkAction::Next, 0, 1}));
}

TEST(BookmarkMenus, itemsRunTheirAction)
{
    PlainTextBuffer edit(Text);
    Bookmarks marks;
    BookmarkMenus menus = bookmarkMenus(marks);
    edit.setCaret(7);
    EXPECT_TRUE(runBookmarkItem(menus.create[2], marks, edit));
    EXPECT_EQ(marks.bookmark(3), (Bookmark{2, 1}));
    edit.setCaret(0);
    menus = bookmarkMenus(marks);
    EXPECT_TRUE(runBookmarkItem(menus.goTo[2], marks, edit));
    EXPECT_EQ(selectionOf(edit), (Sel{7, 0}));
    EXPECT_FALSE(runBookmarkItem(menus.goTo[12], marks, edit)) << "bookmark 4 is unset";
    EXPECT_FALSE(runBookmarkItem(menus.goTo[10], marks, edit)) << "the separator does nothing";
}

} // namespace
} // namespace varnik

#include "core/search/bookmarks.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::Sel;
using test::selectionOf;

TEST(Bookmarks, goToAStoredPlace)
{
    struct Row {
        const char* name;
        const char* textNow; // when the bookmark is recalled
        Bookmark mark;
        bool moved;
        qsizetype caret;
    };
    const char* text = "zero\none one\n\nthree";
    const Row rows[] = {
        {"line and column", text, {3, 1}, true, 8},
        {"a shorter line puts the caret at its end", "zero\none", {5, 1}, true, 8},
        {"an empty line", text, {4, 2}, true, 13},
        {"a line that no longer exists is ignored", "zero\none", {0, 3}, false, 2},
        {"unset is ignored", text, {-1, -1}, false, 2},
        {"a line without a column goes to the line start", text, {-1, 1}, true, 5},
        {"a negative line from a damaged store is ignored", text, {0, -7}, false, 2},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(QString::fromLatin1(r.textNow));
        edit.setCaret(2);
        Bookmarks marks;
        marks.setBookmark(4, r.mark);
        EXPECT_EQ(marks.goTo(4, edit), r.moved) << r.name;
        EXPECT_EQ(selectionOf(edit), (Sel{r.caret, 0})) << r.name;
        EXPECT_EQ(marks.current(), r.moved ? 4 : 0) << r.name;
    }
}

TEST(Bookmarks, previousAndNextStepByOne)
{
    struct Row {
        const char* name;
        std::vector<int> set; // each on the line of its number
        int current;          // gone to first; 0: none used yet
        char step;
        int currentAfter; // moved when it differs from current
    };
    // clang-format off
    const Row rows[] = {
        {"next before any bookmark was used goes to 1", {1, 3}, 0, 'N', 1},
        {"next before any use with 1 unset does nothing", {2}, 0, 'N', 0},
        {"previous before any use does nothing", {1}, 0, 'P', 0},
        {"next does not skip an unset bookmark", {1, 3}, 1, 'N', 1},
        {"next to a set bookmark", {1, 2}, 1, 'N', 2},
        {"previous from 1 does nothing", {1, 2}, 1, 'P', 1},
        {"previous does not skip", {1, 3}, 3, 'P', 3},
        {"next from 10 does nothing", {1, 10}, 10, 'N', 10},
        {"previous from 10", {9, 10}, 10, 'P', 9},
    };
    // clang-format on
    PlainTextBuffer edit(QStringLiteral("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\nend"));
    for (const Row& r : rows) {
        Bookmarks marks;
        for (int n : r.set)
            marks.setBookmark(n, Bookmark{0, n});
        if (r.current)
            marks.goTo(r.current, edit);
        edit.setCaret(edit.length());
        EXPECT_EQ(r.step == 'N' ? marks.next(edit) : marks.previous(edit), r.currentAfter != r.current)
            << r.name;
        EXPECT_EQ(marks.current(), r.currentAfter) << r.name;
        const qsizetype caret = r.currentAfter != r.current ? edit.lineStart(r.currentAfter) : edit.length();
        EXPECT_EQ(selectionOf(edit), (Sel{caret, 0})) << r.name;
    }
}

TEST(Bookmarks, menusShowWhatIsSetAndRunTheirAction)
{
    PlainTextBuffer edit(QString(11, u'\n') + QStringLiteral("    x"));
    edit.setSelection(edit.lineStart(11) + 2, 2); // the caret (line 12, column 5) ends the selection
    Bookmarks marks;
    BookmarkMenus menus = bookmarkMenus(marks);
    EXPECT_TRUE(runBookmarkItem(menus.create[2], marks, edit)); // Shift+Ctrl+3
    marks.setBookmark(10, Bookmark{0, 0});
    marks.setBookmark(7, Bookmark{-1, 4}); // half set counts as unset
    menus = bookmarkMenus(marks);
    ASSERT_EQ(menus.create.size(), 10u);
    ASSERT_EQ(menus.goTo.size(), 13u);
    const std::tuple<int, const char*, bool, const char*> rows[] = {{1, "1", false, ""},
                                                                    {3, "3", true, "Bookmark at 12:5"},
                                                                    {7, "7", false, ""},
                                                                    {10, "0", true, "Bookmark at 1:1"}};
    for (const auto& [n, digit, checked, hint] : rows) {
        const BookmarkMenuItem& create = menus.create[size_t(n - 1)];
        const BookmarkMenuItem& goTo = menus.goTo[size_t(n - 1)];
        EXPECT_EQ(create,
                  (BookmarkMenuItem{QStringLiteral("#%1").arg(n), QStringLiteral("Shift+Ctrl+") + digit, hint,
                                    checked, BookmarkAction::Set, n, 1}));
        EXPECT_EQ(goTo, (BookmarkMenuItem{QStringLiteral("#%1").arg(n), QStringLiteral("Ctrl+") + digit, hint,
                                          checked, BookmarkAction::GoTo, n, 1}));
    }
    EXPECT_TRUE(menus.goTo[10].isSeparator());
    EXPECT_EQ(menus.goTo[11], (BookmarkMenuItem{"&Previous", "Shift+Ctrl+-", "Go to previous bookmark...",
                                                false, BookmarkAction::Previous, 0, 1}));
    EXPECT_EQ(menus.goTo[12], (BookmarkMenuItem{"&Next", "Shift+Ctrl+=", "Go to next bookmark...", false,
                                                BookmarkAction::Next, 0, 1}));
    edit.setCaret(0);
    EXPECT_TRUE(runBookmarkItem(menus.goTo[2], marks, edit)); // Ctrl+3
    EXPECT_EQ(selectionOf(edit), (Sel{edit.lineStart(11) + 4, 0}));
    EXPECT_FALSE(runBookmarkItem(menus.goTo[12], marks, edit)) << "bookmark 4 is unset";
    marks.clear();
    EXPECT_FALSE(marks.bookmark(3).isSet() || marks.bookmark(10).isSet());
    EXPECT_EQ(marks.current(), 3) << "clearing keeps the current number";
}

} // namespace
} // namespace varnik

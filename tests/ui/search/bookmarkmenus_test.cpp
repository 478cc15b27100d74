#include "searchwindowtesting.h"

#include "core/app/documentinfo.h"
#include "core/commands/commandids.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/search/bookmarkmenuactions.h"

#include <QAction>
#include <QMenu>

namespace varnik::test {
namespace {

// Twenty lines "line 1" ... "line 20".
QString twentyLines()
{
    QString s;
    for (int i = 1; i <= 20; ++i)
        s += u"line %1\n"_qs.arg(i);
    return s;
}

class BookmarkMenusTest : public SearchWindowTest {
protected:
    void SetUp() override
    {
        SearchWindowTest::SetUp();
        setDocument(twentyLines());
    }
    qsizetype at(int line, int column) { return text().lineStart(line) + column; }
    QAction* goToItem(int number) { return controller->bookmarkMenus().goToActions()[size_t(number - 1)]; }
    QAction* createItem(int number)
    {
        return controller->bookmarkMenus().createActions()[size_t(number - 1)];
    }
    Qt::Key digit(int number) { return Qt::Key(Qt::Key_0 + number % 10); }
};

TEST_F(BookmarkMenusTest, shiftCtrlDigitSets_ctrlDigitReturns)
{
    struct Row {
        int number;
        int line, column; // 0-based
        QString hint;
    };
    const Row rows[] = {
        {3, 11, 4, u"Bookmark at 12:5"_qs},
        {10, 0, 2, u"Bookmark at 1:3"_qs},
        {1, 19, 7, u"Bookmark at 20:8"_qs},
    };
    for (const Row& r : rows) {
        text().setCaret(at(r.line, r.column));
        press(digit(r.number), Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_TRUE(createItem(r.number)->isChecked()) << r.number;
        EXPECT_TRUE(goToItem(r.number)->isChecked()) << r.number;
        EXPECT_EQ(goToItem(r.number)->statusTip(), r.hint) << r.number;
        EXPECT_EQ(window->activeRecord().bookmarks.current(), r.number);
    }
    for (const Row& r : rows) {
        text().setCaret(at(5, 0));
        press(digit(r.number), Qt::ControlModifier);
        EXPECT_EQ(selection(), (Sel{at(r.line, r.column), 0})) << "Ctrl+" << r.number % 10;
    }
    EXPECT_FALSE(goToItem(2)->isChecked());
    EXPECT_TRUE(goToItem(2)->statusTip().isEmpty());
}

TEST_F(BookmarkMenusTest, previousAndNextStepByOneNumber_unsetStops)
{
    const int set[] = {1, 2, 4};
    for (int n : set) {
        text().setCaret(at(n, 0));
        press(digit(n), Qt::ShiftModifier | Qt::ControlModifier);
    }
    struct Row {
        const char* name;
        Qt::Key key;
        int current;
        int line; // where the caret is afterwards
    };
    // The caret starts on line 4 (bookmark 4 was set last).
    const Row rows[] = {
        {"previous to an unset one stays", Qt::Key_Minus, 4, 4},
        {"go to 2", Qt::Key_2, 2, 2},
        {"previous", Qt::Key_Minus, 1, 1},
        {"previous below 1 stays", Qt::Key_Minus, 1, 1},
        {"next", Qt::Key_Equal, 2, 2},
        {"next to an unset one stays", Qt::Key_Equal, 2, 2},
    };
    for (const Row& r : rows) {
        const Qt::KeyboardModifiers mods =
            r.key == Qt::Key_2 ? Qt::ControlModifier : Qt::ShiftModifier | Qt::ControlModifier;
        press(r.key, mods);
        EXPECT_EQ(window->activeRecord().bookmarks.current(), r.current) << r.name;
        EXPECT_EQ(text().lineFromPosition(text().caretPosition()), r.line) << r.name;
    }
}

TEST_F(BookmarkMenusTest, clearing_andOtherDocumentsRebuildTheMenus)
{
    text().setCaret(at(3, 1));
    press(Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_TRUE(goToItem(3)->isChecked());

    window->documents().enterMultiDoc();
    window->documents().createDocumentTab();
    EXPECT_FALSE(goToItem(3)->isChecked()) << "a new tab has no bookmarks";
    window->documents().previousTab();
    EXPECT_TRUE(goToItem(3)->isChecked()) << "back to the first tab";

    window->statusTick();
    window->commands().action(ids::Clearbookmarks1)->trigger();
    EXPECT_FALSE(goToItem(3)->isChecked());
    EXPECT_FALSE(createItem(3)->isChecked());
    EXPECT_EQ(window->activeRecord().bookmarks.current(), 3) << "clearing keeps the current number";

    // Bookmarks restored behind the menus' back show when the menu opens.
    window->activeRecord().bookmarks.setBookmark(5, Bookmark{0, 1});
    Q_EMIT window->commands().submenu(ids::Goto1)->aboutToShow();
    EXPECT_TRUE(goToItem(5)->isChecked());
}

TEST_F(BookmarkMenusTest, submenusHoldTheGeneratedItems)
{
    QMenu* create = window->commands().submenu(ids::Create1);
    QMenu* goTo = window->commands().submenu(ids::Goto1);
    ASSERT_NE(create, nullptr);
    ASSERT_NE(goTo, nullptr);
    ASSERT_EQ(create->actions().size(), 10);
    ASSERT_EQ(goTo->actions().size(), 13);
    EXPECT_EQ(create->actions()[0]->text(), u"#1\tShift+Ctrl+1"_qs);
    EXPECT_EQ(create->actions()[9]->text(), u"#10\tShift+Ctrl+0"_qs);
    EXPECT_EQ(goTo->actions()[0]->text(), u"#1\tCtrl+1"_qs);
    EXPECT_EQ(create->actions()[9]->shortcut(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(goTo->actions()[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_TRUE(goTo->actions()[10]->isSeparator());
    EXPECT_EQ(goTo->actions()[11]->text(), u"&Previous\tShift+Ctrl+-"_qs);
    EXPECT_EQ(goTo->actions()[12]->statusTip(), u"Go to next bookmark..."_qs);
}

} // namespace
} // namespace varnik::test

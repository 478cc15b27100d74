#include "core/app/commandtable.h"
#include "core/app/commandtabledata.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <string>

namespace varnik {
namespace {

const CommandTable& table()
{
    return CommandTable::standard();
}

std::string str(const QString& s)
{
    return s.toStdString();
}

QStringList ids(const std::vector<const CommandItem*>& items)
{
    QStringList out;
    for (const CommandItem* item : items)
        out << (item->isSeparator() ? QStringLiteral("-") : item->id);
    return out;
}

TEST(CommandTable, everyWrittenShortcutReadsBackToTheSameText)
{
    int withShortcut = 0;
    for (const CommandRow& row : commandRows()) {
        if (row.shortcut.isEmpty())
            continue;
        ++withShortcut;
        const Shortcut s = Shortcut::fromText(row.shortcut);
        EXPECT_FALSE(s.isEmpty()) << str(row.id.toString());
        EXPECT_EQ(str(s.toText()), str(row.shortcut.toString())) << str(row.id.toString());
        const CommandItem* item = table().find(row.id);
        ASSERT_NE(item, nullptr) << str(row.id.toString());
        EXPECT_EQ(item->shortcut, s) << str(row.id.toString());
    }
    EXPECT_EQ(withShortcut, 59);
}

TEST(CommandTable, lookupGivesTheEntryWithItsTextsAndMenu)
{
    struct Row {
        const char16_t* id;
        const char16_t* parent; // nullptr for a root
        const char16_t* caption;
        const char16_t* shortcut;
        const char16_t* hint;
    };
    const Row rows[] = {
        {u"FileMenu", nullptr, u"&File", u"", u"File menu"},
        {u"New1", u"FileMenu", u"&New", u"Ctrl+N", u"New file"},
        {u"Openinnewtab1", u"FileMenu", u"Open in new tab...", u"Shift+Ctrl+O", u"Open file in new tab..."},
        {u"Close1", u"FileMenu", u"Close", u"Shift+Alt+F4", u"Close current tab"},
        {u"Pascalstyle1", u"Importasbinary1", u"&Pascal style", u"", u"Import binary file as Pascal source"},
        {u"Deletecharatbeginningofline1", u"Edit1", u"Delete char @ beginning", u"Ctrl+\\",
         u"Delete one char at beginning of each line in selection"},
        {u"Selectto1", u"Edit1", u"Select to bracket", u"Shift+Ctrl+.",
         u"Match next/previous bracket corresponding to selected one"},
        {u"Date1", u"Strange1", u"&Date value", u"Ctrl+F6", u"Insert date from calendar"},
        {u"HTMLtablefromxy1", u"Insert1", u"HTML table from x,y", u"", u""},
        {u"Changeselectiontolist1", u"Insert1", u"Change selection to \"-\" &list", u"",
         u"Change selection to \"-\" list"},
        {u"Evaluateexpressioninselection1", u"Insert1", u"&Evaluate expression(s) in selection", u"Ctrl+=",
         u"Evaluate expression(s) in selection"},
        {u"URLdecode1", u"NET1", u"URL decode", u"", u""},
        {u"Slangize1", u"Replace2", u"\"Cyber slangize\"", u"", u"Cyber slangize - try it!"},
        {u"AskGooglecom1", u"Search1", u"Ask Google", u"F4", u"Run default web browser and ask Google"},
        {u"PayPaldonateinPLN1", u"PayPaldonate1", u"PayPal - donate in PLN", u"", u""},
        {u"About1", u"Help1", u"&About...", u"", u"Show about box"},
        {u"MainEditPopupMenu", nullptr, u"", u"", u""},
        {u"Gotoline2", u"MainEditPopupMenu", u"Goto line...", u"", u"Goto line..."},
        {u"Restore1", u"PopupMenuTray", u"Restore Varnik", u"", u""},
        {u"Copytoclipboard1", u"PopupMenuGrep", u"Copy to clipboard", u"", u""},
        {u"Duplicateintonewtab1", u"PopupMenuTabs", u"Duplicate into new tab", u"", u""},
    };
    for (const Row& r : rows) {
        const QString id = QString::fromUtf16(r.id);
        const CommandItem* item = table().find(id);
        ASSERT_NE(item, nullptr) << str(id);
        EXPECT_EQ(item->id, id);
        EXPECT_EQ(str(item->caption), str(QString::fromUtf16(r.caption))) << str(id);
        EXPECT_EQ(str(item->shortcut.toText()), str(QString::fromUtf16(r.shortcut))) << str(id);
        EXPECT_EQ(str(item->hint), str(QString::fromUtf16(r.hint))) << str(id);
        const CommandItem* parent = table().parentOf(id);
        EXPECT_EQ(parent, item->parent) << str(id);
        if (r.parent) {
            ASSERT_NE(parent, nullptr) << str(id);
            EXPECT_EQ(str(parent->id), str(QString::fromUtf16(r.parent))) << str(id);
            EXPECT_NE(std::find(parent->children.begin(), parent->children.end(), item),
                      parent->children.end());
        } else {
            EXPECT_EQ(parent, nullptr) << str(id);
        }
    }
}

TEST(CommandTable, unknownIdentifiersFindNothing)
{
    for (const char16_t* id : {u"", u"-", u"new1", u"NEW1", u"New1 ", u"Nothing1", u"MainMenu"}) {
        EXPECT_EQ(table().find(QString::fromUtf16(id)), nullptr) << str(QString::fromUtf16(id));
        EXPECT_EQ(table().parentOf(QString::fromUtf16(id)), nullptr) << str(QString::fromUtf16(id));
    }
}

TEST(CommandTable, mainMenusComeInMenuOrder)
{
    EXPECT_EQ(ids(table().mainMenus()), QStringList({"FileMenu", "Edit1", "Insert1", "Replace2", "View1",
                                                     "Search1", "Bookmark1", "Help1"}));
    EXPECT_EQ(ids(table().popupMenus()),
              QStringList({"MainEditPopupMenu", "PopupMenuTray", "PopupMenuGrep", "PopupMenuTabs"}));
}

TEST(CommandTable, submenusHoldTheirEntriesInOrder)
{
    struct Row {
        const char* menu;
        QStringList children;
    };
    const Row rows[] = {
        {"Importasbinary1", {"HEXstyle1", "Cstyle1", "Pascalstyle1"}},
        {"Strange1", {"Currentuser1", "Computername1", "IPaddress1", "Date1"}},
        {"NET1",
         {"HosttoIP1", "ResolveIP1", "-", "IPto32bit1", "N32bittoIP1", "-", "URLencode1", "URLdecode1"}},
        {"PayPaldonate1", {"PayPaldonateinUSD1", "PayPaldonateinPLN1"}},
        {"Bookmark1", {"Create1", "Goto1", "Clearbookmarks1"}},
        {"View1", {"Speedpanel1", "Statusbar1", "Wordwrap1", "-", "Hexedit1", "-", "Setfont1", "Options1"}},
        {"Search1", {"Find1", "Findnext1", "Replace1", "-", "AskGooglecom1", "SearchIMDB1"}},
        {"MainEditPopupMenu",
         {"Undo1", "Redo2", "-", "Cut2", "Copy2", "Paste2", "Delete2", "-", "Selectall2", "-", "Gotoline2",
          "-", "Options3"}},
        {"PopupMenuTray", {"Restore1", "-", "New2", "OpenFile1", "Reopenrecent1", "Options2", "-", "Exit1"}},
        {"PopupMenuGrep", {"Closeresults1", "Clearresults1", "Saveresultstofile1", "Copytoclipboard1"}},
        {"PopupMenuTabs", {"Closetab1", "-", "Newemptytab1", "Duplicateintonewtab1"}},
        {"Reopen1", {}},
        {"New1", {}},
    };
    for (const Row& r : rows) {
        const CommandItem* menu = table().find(QString::fromLatin1(r.menu));
        ASSERT_NE(menu, nullptr) << r.menu;
        EXPECT_EQ(ids(menu->children), r.children) << r.menu;
    }
}

TEST(CommandTable, mainMenuEnumerationIsDepthFirstInMenuOrder)
{
    const auto items = table().mainMenuItems();
    ASSERT_GT(items.size(), 3u);
    EXPECT_EQ(items.front().id, QStringLiteral("FileMenu"));
    EXPECT_EQ(items[1].id, QStringLiteral("New1"));
    EXPECT_EQ(items.back().id, QStringLiteral("About1"));

    QStringList order;
    for (const CommandItem& item : items)
        order << (item.isSeparator() ? QStringLiteral("-") : item.id);
    // A submenu's entries follow their opener, then the enclosing menu goes on.
    const qsizetype at = order.indexOf(QStringLiteral("Importasbinary1"));
    EXPECT_EQ(order.mid(at, 5),
              QStringList({"Importasbinary1", "HEXstyle1", "Cstyle1", "Pascalstyle1", "Importunicodefile1"}));
    const qsizetype net = order.indexOf(QStringLiteral("NET1"));
    EXPECT_EQ(order.mid(net - 1, 11), QStringList({"-", "NET1", "HosttoIP1", "ResolveIP1", "-", "IPto32bit1",
                                                   "N32bittoIP1", "-", "URLencode1", "URLdecode1", "-"}));
    EXPECT_EQ(order.value(net + 10), QStringLiteral("ROT131"));
    // Menus appear in menu order, each before its own entries.
    qsizetype previous = -1;
    for (const CommandItem* menu : table().mainMenus()) {
        const qsizetype here = order.indexOf(menu->id);
        EXPECT_GT(here, previous) << str(menu->id);
        previous = here;
    }
    // Every entry is reached exactly once and lies inside the main menu; no pop-up entry does.
    qsizetype named = 0;
    for (const CommandItem& item : items) {
        EXPECT_TRUE(table().isInMainMenu(item));
        named += item.isSeparator() ? 0 : 1;
    }
    EXPECT_EQ(QSet<QString>(order.begin(), order.end()).size() - 1, named);
    for (const CommandItem* popup : table().popupMenus()) {
        EXPECT_FALSE(table().isInMainMenu(*popup));
        for (const CommandItem* child : popup->children)
            EXPECT_FALSE(table().isInMainMenu(*child));
    }
}

TEST(CommandTable, fixedItemsAreExactlyTheReservedOnes)
{
    const QSet<QString> expected{"FileMenu", "Reopen1",   "Importasbinary1", "Edit1",
                                 "Insert1",  "Strange1",  "Replace2",        "View1",
                                 "Search1",  "Bookmark1", "Create1",         "Goto1",
                                 "Help1",    "Homepage1", "BUGREPORTFORM1",  "About1"};
    QSet<QString> fixed;
    for (const CommandItem& item : table().allItems()) {
        if (item.fixed)
            fixed.insert(item.id);
    }
    EXPECT_EQ(fixed, expected);

    QSet<QString> runTime;
    for (const CommandItem& item : table().allItems()) {
        if (item.filledAtRunTime)
            runTime.insert(item.id);
    }
    EXPECT_EQ(runTime, QSet<QString>({"Reopen1", "Reopenrecent1", "Create1", "Goto1"}));
}

TEST(CommandTable, identifiersAreUniqueAndOnlySeparatorsLackOne)
{
    QHash<QString, int> seen;
    for (const CommandRow& row : commandRows()) {
        const bool separator = row.caption == u"-";
        EXPECT_EQ(row.id.isEmpty(), separator) << str(row.caption.toString());
        if (!separator)
            ++seen[row.id.toString()];
    }
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << str(it.key());
    EXPECT_EQ(static_cast<std::size_t>(seen.size()),
              std::count_if(table().allItems().begin(), table().allItems().end(),
                            [](const CommandItem& i) { return !i.isSeparator(); }));
}

TEST(CommandTable, noTwoMainMenuCommandsShareADefaultShortcut)
{
    QHash<Shortcut, QString> owner;
    for (const CommandItem& item : table().mainMenuItems()) {
        if (item.shortcut.isEmpty())
            continue;
        EXPECT_FALSE(owner.contains(item.shortcut)) << str(item.shortcut.toText()) << " on " << str(item.id)
                                                    << " and " << str(owner.value(item.shortcut));
        owner.insert(item.shortcut, item.id);
    }
}

TEST(CommandTable, popupEntriesRunAMainMenuCommandOrTheirOwn)
{
    const QHash<QString, QString> expectedTwins{
        {"Undo1", "Undo2"},
        {"Redo2", "Redo1"},
        {"Cut2", "Cut1"},
        {"Copy2", "Copy1"},
        {"Paste2", "Paste1"},
        {"Delete2", "Delete1"},
        {"Selectall2", "Selectall1"},
        {"Gotoline2", "Gotoline1"},
        {"Options3", "Options1"},
        {"New2", "New1"},
        {"OpenFile1", "OpenItem"},
        {"Options2", "Options1"},
        {"Exit1", "ExitItem"},
        {"Closetab1", "Close1"},
        {"Newemptytab1", "Newemptytab2"},
    };
    QHash<QString, QString> twins;
    for (const CommandItem* popup : table().popupMenus()) {
        EXPECT_TRUE(popup->caption.isEmpty());
        for (const CommandItem* item : popup->children) {
            EXPECT_TRUE(item->shortcut.isEmpty()) << str(item->id);
            EXPECT_FALSE(item->fixed) << str(item->id);
            if (item->twin.isEmpty())
                continue;
            twins.insert(item->id, item->twin);
            const CommandItem* twin = table().find(item->twin);
            ASSERT_NE(twin, nullptr) << str(item->twin);
            EXPECT_TRUE(table().isInMainMenu(*twin)) << str(item->twin);
            EXPECT_FALSE(twin->fixed) << str(item->twin);
            EXPECT_TRUE(twin->twin.isEmpty()) << str(item->twin);
        }
    }
    EXPECT_EQ(twins, expectedTwins);
    for (const CommandItem& item : table().mainMenuItems())
        EXPECT_TRUE(item.twin.isEmpty()) << str(item.id);
}

TEST(StripAccelerators, dropsMarksAndKeepsDoubledAmpersands)
{
    struct Row {
        const char* caption;
        const char* plain;
    };
    const Row rows[] = {
        {"&File", "File"},
        {"R&eopen recent", "Reopen recent"},
        {"Save &as...", "Save as..."},
        {"a&&b", "a&b"},
        {"&&&x", "&x"},
        {"&&", "&"},
        {"x&", "x"},
        {"&", ""},
        {"", ""},
        {"No marks", "No marks"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(str(stripAccelerators(QString::fromLatin1(r.caption))), r.plain) << r.caption;
}

TEST(ListCommandsText, oneTabSeparatedLinePerMainMenuEntry)
{
    const QString text = listCommandsText();
    ASSERT_TRUE(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');

    qsizetype expectedLines = 0;
    for (const CommandItem& item : table().mainMenuItems())
        expectedLines += item.isSeparator() ? 0 : 1;
    EXPECT_EQ(lines.size(), expectedLines);
    for (const QString& line : lines)
        EXPECT_EQ(line.count(u'\t'), 3) << str(line);

    struct Row {
        qsizetype index; // negative counts from the end
        const char16_t* line;
    };
    const Row rows[] = {
        {0, u"FileMenu\tFile\t\tfixed"},
        {1, u"New1\tNew\tCtrl+N\t"},
        {2, u"OpenItem\tOpen...\tCtrl+O\t"},
        {3, u"Openinnewtab1\tOpen in new tab...\tShift+Ctrl+O\t"},
        {5, u"Reopen1\tReopen recent\t\tfixed"},
        {-1, u"About1\tAbout...\t\tfixed"},
        {-2, u"BUGREPORTFORM1\tBUG REPORT FORM\t\tfixed"},
        {-3, u"PayPaldonateinPLN1\tPayPal - donate in PLN\t\t"},
    };
    for (const Row& r : rows) {
        const qsizetype i = r.index < 0 ? lines.size() + r.index : r.index;
        EXPECT_EQ(str(lines.value(i)), str(QString::fromUtf16(r.line))) << r.index;
    }
    for (const char16_t* line :
         {u"Deletecharatbeginningofline1\tDelete char @ beginning\tCtrl+\\\t",
          u"Slangize1\t\"Cyber slangize\"\t\t", u"Changeselectiontolist1\tChange selection to \"-\" list\t\t",
          u"AskGooglecom1\tAsk Google\tF4\t", u"Close1\tClose\tShift+Alt+F4\t"})
        EXPECT_TRUE(lines.contains(QString::fromUtf16(line))) << str(QString::fromUtf16(line));
    EXPECT_FALSE(text.contains(QStringLiteral("\t-\t")));
    EXPECT_FALSE(text.contains(QStringLiteral("Undo1")));
}

} // namespace
} // namespace varnik

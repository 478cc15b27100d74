// Invariants of the command table: what must hold for every row, whoever adds it.
#include "core/commands/commandids.h"
#include "core/commands/commandrow.h"
#include "core/commands/commandtable.h"
#include "core/text/cnvtablecommand.h"
#include "core/text/importcommand.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

#include <string>
#include <vector>

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

std::vector<CommandRow> allRows()
{
    std::vector<CommandRow> rows;
    for (const auto& group :
         {fileEditMenuRows(), insertReplaceMenuRows(), viewSearchHelpMenuRows(), popupMenuRows()})
        rows.insert(rows.end(), group.begin(), group.end());
    return rows;
}

TEST(CommandTable, everyDefaultShortcutParses_andPrintsBackAsWritten)
{
    for (const CommandRow& row : allRows()) {
        if (row.shortcut.isEmpty())
            continue;
        const Shortcut s = Shortcut::fromText(row.shortcut);
        EXPECT_FALSE(s.isEmpty()) << str(row.id.toString());
        EXPECT_EQ(str(s.toText()), str(row.shortcut.toString())) << str(row.id.toString());
        EXPECT_EQ(table().item(row.id).shortcut, s) << str(row.id.toString());
    }
}

TEST(CommandTable, identifiersAreUnique_andOnlySeparatorsLackOne)
{
    QHash<QString, int> seen;
    for (const CommandRow& row : allRows()) {
        const bool separator = row.caption == u"-";
        EXPECT_EQ(row.id.isEmpty(), separator) << str(row.caption.toString());
        if (!separator)
            ++seen[row.id.toString()];
    }
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << str(it.key());
    for (const QString& unknown : {u""_qs, u"-"_qs, u"new1"_qs, u"New1 "_qs, u"Nothing1"_qs})
        EXPECT_EQ(table().find(QStringView(unknown)), nullptr) << str(unknown);
    EXPECT_EQ(table().item(ids::New1).id, u"New1");
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

// The tree the rows' depths describe: each entry sits in the menu above it, the main menu comes first
// and in row order, and nothing of a pop-up menu counts as part of the main menu.
TEST(CommandTable, depthsBuildTheMenuTree_mainMenuFirst)
{
    const std::vector<CommandRow> rows = allRows();
    const auto items = table().allItems();
    ASSERT_EQ(items.size(), rows.size());
    std::vector<const CommandItem*> open;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CommandItem& item = items[i];
        EXPECT_EQ(item.id, rows[i].id.toString());
        open.resize(static_cast<std::size_t>(rows[i].depth));
        EXPECT_EQ(item.parent, open.empty() ? nullptr : open.back()) << str(item.id);
        if (item.parent) {
            EXPECT_EQ(std::count(item.parent->children.begin(), item.parent->children.end(), &item), 1);
            EXPECT_EQ(table().isInMainMenu(item), table().isInMainMenu(*item.parent)) << str(item.id);
        }
        open.push_back(&item);
        if (rows[i].flags & CommandRow::PopupMenu) {
            EXPECT_FALSE(table().isInMainMenu(item)) << str(item.id);
        }
    }
    EXPECT_EQ(table().mainMenuItems().size() +
                  std::size_t(
                      std::count_if(items.begin(), items.end(),
                                    [](const auto& i) { return !CommandTable::standard().isInMainMenu(i); })),
              items.size());
    EXPECT_EQ(table().mainMenus().front()->id, u"FileMenu");
    EXPECT_EQ(table().popupMenus().size(), 4u);
}

TEST(CommandTable, popupTwinsRunAMainMenuCommand_withoutShortcutOrRuleOfTheirOwn)
{
    for (const CommandItem* popup : table().popupMenus()) {
        EXPECT_TRUE(popup->caption.isEmpty());
        for (const CommandItem* item : popup->children) {
            EXPECT_TRUE(item->shortcut.isEmpty()) << str(item->id);
            EXPECT_FALSE(item->fixed) << str(item->id);
            if (item->twin.isEmpty())
                continue;
            EXPECT_EQ(item->enable, EnableRule::Always)
                << str(item->id) << ": a twin is enabled with its command";
            EXPECT_EQ(item->run, nullptr) << str(item->id);
            const CommandItem& twin = table().item(item->twin);
            EXPECT_TRUE(table().isInMainMenu(twin)) << str(twin.id);
            EXPECT_FALSE(twin.fixed) << str(twin.id);
            EXPECT_TRUE(twin.twin.isEmpty()) << str(twin.id);
        }
    }
    for (const CommandItem& item : table().mainMenuItems())
        EXPECT_TRUE(item.twin.isEmpty()) << str(item.id);
}

// Tables beside the command table name commands by their identifier's text: each must name a row
// with an operation, or the command would silently do nothing.
TEST(CommandTable, sideTablesNameCommandsWithAnOperation)
{
    QStringList named;
    for (const ImportCommand& c : importCommands())
        named << c.id.toString();
    for (const CnvTableCommand& c : cnvTableCommands())
        named << c.id.toString();
    ASSERT_FALSE(named.isEmpty());
    for (const QString& id : named) {
        const CommandItem* item = table().find(QStringView(id));
        ASSERT_NE(item, nullptr) << str(id);
        EXPECT_NE(item->run, nullptr) << str(id);
    }
}

// Menus and submenus open; they run nothing and are never disabled by a rule.
TEST(CommandTable, menusAndSeparatorsRunNothing)
{
    for (const CommandItem& item : table().allItems()) {
        if (!item.children.empty() || item.filledAtRunTime || item.isSeparator()) {
            EXPECT_EQ(item.run, nullptr) << str(item.id);
            EXPECT_EQ(item.enable, EnableRule::Always) << str(item.id);
        }
    }
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

TEST(ListCommandsText, oneLinePerMainMenuCommand_fourTabSeparatedFields)
{
    const QString text = listCommandsText();
    ASSERT_TRUE(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');
    qsizetype commands = 0;
    for (const CommandItem& item : table().mainMenuItems())
        commands += item.isSeparator() ? 0 : 1;
    EXPECT_EQ(lines.size(), commands);
    for (const QString& line : lines)
        EXPECT_EQ(line.count(u'\t'), 3) << str(line);
    // The search engine's name completes its command's caption.
    EXPECT_TRUE(lines.contains(u"AskGooglecom1\tAsk Google\tF4\t"_qs));
    EXPECT_EQ(lines.front(), u"FileMenu\tFile\t\tfixed");
}

} // namespace
} // namespace varnik

#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "core/commands/toolbarbuttons.h"

#include <gtest/gtest.h>

#include <numeric>

namespace varnik {
namespace {

std::vector<int> range(int from, int to)
{
    std::vector<int> v(static_cast<std::size_t>(to - from));
    std::iota(v.begin(), v.end(), from);
    return v;
}

// The side table's invariants: every button names a main-menu command of the table and is found by
// its own name in any letter case.
TEST(ToolbarButtons, everyButtonRunsAMainMenuCommand_andIsFoundByItsName)
{
    const auto buttons = toolbarButtons();
    ASSERT_EQ(buttons.size(), std::size_t(kToolbarButtonCount));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ToolbarButton& b = buttons[i];
        EXPECT_EQ(b.code, static_cast<int>(i));
        EXPECT_EQ(toolbarButton(b.code), &b);
        const QString name = b.name();
        EXPECT_TRUE(name.startsWith(u"tb")) << name.toStdString();
        EXPECT_EQ(findToolbarButton(name.toUpper()), &b) << name.toStdString();
        EXPECT_EQ(findToolbarButton(name.toLower()), &b) << name.toStdString();
        const CommandItem* command = CommandTable::standard().find(b.command);
        ASSERT_NE(command, nullptr) << b.command.toString().toStdString();
        EXPECT_TRUE(CommandTable::standard().isInMainMenu(*command));
        EXPECT_FALSE(command->fixed);
        EXPECT_EQ(b.hint(), command->hint);
    }
    EXPECT_EQ(toolbarButton(-1), nullptr);
    EXPECT_EQ(toolbarButton(kToolbarButtonCount), nullptr);
    EXPECT_EQ(findToolbarButton(u"tbAdvlistgenerator")->command, ids::Advancedlistgenerator1);
    for (const char16_t* name : {u"", u"tb", u"Hex", u"tbAdv. list generator", u"tbHexx"})
        EXPECT_EQ(findToolbarButton(name), nullptr) << QString::fromUtf16(name).toStdString();
}

TEST(ToolbarButtons, settingTextGivesShownAndAvailableButtons)
{
    struct Row {
        const char* name;
        const char16_t* text;
        std::vector<int> visible;
        std::vector<int> available;
    };
    const std::vector<int> all = range(0, kToolbarButtonCount);
    std::vector<int> allButOptions = all;
    allButOptions.erase(allButOptions.begin() + 0x0B);
    const Row rows[] = {
        {"defaultShowsNewToHelp", u"000102030405060708090A0B", range(0, 12), range(12, 18)},
        {"repeatShowsTwiceListsRestOnce", u"0B0B", {0x0B, 0x0B}, allButOptions},
        {"nonHexPairAndTooHighCodeShowNothing", u"0g12", {}, all},
        {"empty", u"", {}, all},
        {"lowerCaseHex", u"0b", {0x0B}, allButOptions},
        {"lastOddCharacterIgnored", u"110", {0x11}, range(0, 17)},
        {"orderKept", u"1100", {0x11, 0x00}, range(1, 17)},
        {"blankBreaksPair",
         u"0 01",
         {0x01},
         [] {
             std::vector<int> v = range(0, kToolbarButtonCount);
             v.erase(v.begin() + 1);
             return v;
         }()},
        {"signsAreNotDigits", u"+1-1", {}, all},
        {"highCodes", u"FF12", {}, all},
        {"otherScriptDigitsAreNotHex", u"\u0660\u0661\uff10\uff11", {}, all},
    };
    for (const Row& r : rows) {
        const ToolbarLayout layout = parseToolbarButtons(r.text);
        EXPECT_EQ(layout.visible, r.visible) << r.name;
        EXPECT_EQ(layout.available, r.available) << r.name;
    }
}

TEST(ToolbarButtons, settingTextFromCodes)
{
    struct Row {
        const char* name;
        std::vector<int> codes;
        const char* text;
    };
    const Row rows[] = {
        {"upperCaseTwoDigitsEach", {0x00, 0x01, 0x0A, 0x11}, "00010A11"},
        {"repeatsKept", {0x0B, 0x0B}, "0B0B"},
        {"unknownCodesLeftOut", {18, -1, 0x05, 255}, "05"},
        {"none", {}, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(formatToolbarButtons(r.codes).toStdString(), r.text) << r.name;

    const std::vector<int> shuffled{0x11, 0x03, 0x0F, 0x00, 0x0E, 0x10};
    EXPECT_EQ(parseToolbarButtons(formatToolbarButtons(shuffled)).visible, shuffled);
}

} // namespace
} // namespace varnik

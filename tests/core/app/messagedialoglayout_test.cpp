#include "core/app/messagedialoglayout.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(MessageDialogLayout, captionsPerKind)
{
    EXPECT_EQ(messageDialogCaption(0), QStringLiteral("Varnik Warning"));
    EXPECT_EQ(messageDialogCaption(1), QStringLiteral("Varnik Error"));
    EXPECT_EQ(messageDialogCaption(2), QStringLiteral("Varnik Information"));
    EXPECT_EQ(messageDialogCaption(3), QStringLiteral("Varnik Confirmation"));
    EXPECT_EQ(messageDialogCaption(4), QStringLiteral("Varnik "));
    EXPECT_EQ(messageDialogCaption(-1), QStringLiteral("Varnik "));
}

TEST(MessageDialogLayout, growsToTheTextThenScrolls)
{
    const QSize screen(1024, 768);
    struct Row {
        const char* name;
        int textWidth;
        int lines; // of 16 pixels each at any width
        QSize size;
        bool scrolls;
    };
    const Row rows[] = {
        {"short_text_keepsTheFixedBox", 100, 2, QSize(345, 153), false},
        {"eleven_lines_growDown", 200, 11, QSize(345, 16 * 11 + 72), false},
        {"wide_line_growsAcross", 500, 1, QSize(580, 153), false},
        {"wider_than_the_screen_stops_there", 5000, 1, QSize(1024 - 64, 153), false},
        {"taller_than_the_screen_scrolls", 200, 500, QSize(345, 768 - 64), true},
    };
    for (const Row& r : rows) {
        const auto g = messageDialogGeometry(
            r.textWidth, [&r](int) { return 16 * r.lines; }, screen);
        EXPECT_EQ(g.size, r.size) << r.name;
        EXPECT_EQ(g.scrolls, r.scrolls) << r.name;
        EXPECT_EQ(g.textBox.width(), g.size.width() - 80) << r.name;
        EXPECT_EQ(g.buttonsY + kMessageButtonHeight + 14, g.size.height()) << r.name;
    }
}

TEST(MessageDialogLayout, buttonsCentredInBitOrder)
{
    struct Row {
        const char* name;
        int buttons;
        std::vector<int> results;
        int firstX;
    };
    const Row rows[] = {
        {"yes no pair", Buttons::YesNo, {Result::Yes, Result::No}, (345 - 166 + 8) / 2},
        {"ok alone", Buttons::OK, {Result::OK}, (345 - 83 + 8) / 2},
        {"yes no cancel", Buttons::YesNoCancel, {Result::Yes, Result::No, Result::Cancel}, (345 - 249 + 8) / 2},
        {"all eight", 255, {6, 7, 1, 2, 3, 4, 5, 8}, (345 - 664 + 8) / 2}, // negative: truncates toward zero
        {"none", 0, {}, 0},
    };
    for (const Row& r : rows) {
        const auto shown = messageDialogButtons(r.buttons);
        ASSERT_EQ(shown.size(), r.results.size()) << r.name;
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].result, r.results[i]) << r.name;
            EXPECT_EQ(shown[i].x, r.firstX + 83 * static_cast<int>(i)) << r.name;
        }
    }
    EXPECT_EQ((345 - 664 + 8) / 2, -155); // the rule rounds toward zero, not down
}

TEST(MessageDialogLayout, captionsOfButtons)
{
    const auto shown = messageDialogButtons(Buttons::YesNoCancel);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("&Yes"));
    EXPECT_EQ(shown[1].caption, QStringLiteral("&No"));
    EXPECT_EQ(shown[2].caption, QStringLiteral("&Cancel"));
    EXPECT_EQ(shown[0].x, 52);
    EXPECT_EQ(shown[1].x, 135);
    EXPECT_EQ(shown[2].x, 218);
}

} // namespace
} // namespace varnik

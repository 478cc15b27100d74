#include "core/app/error.h"
#include "core/search/gotoline.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(GotoLine, fieldCheckAndConfirmation)
{
    struct Row {
        const char* text;
        bool okEnabled;
        bool isInteger;
        int caretLine; // after confirming in a ten-line text; -1: nothing moves
    };
    // clang-format off
    const Row rows[] = {
        {"1", true, true, 0}, {"2", true, true, 1}, {" +7", true, true, 6}, {"007", true, true, 6},
        {"10", true, true, 9}, {"11", true, true, 9}, {"99999", true, true, 9},
        {"123456789012345678901234567890", true, true, 9}, {"9223372036854775808", true, true, 9},
        {"0", false, true, -1}, {"-1", false, true, -1}, {"-123456789012345678901234567890", false, true, -1},
        {"", false, false, -1}, {" ", false, false, -1}, {"-", false, false, -1}, {"7 ", false, false, -1},
        {"1.5", false, false, -1}, {"0x10", false, false, -1},
        {"\u0663", false, false, -1}, // an Arabic-Indic digit
    };
    // clang-format on
    const QString tenLines = QStringLiteral("line\n").repeated(9) + QStringLiteral("last");
    for (const Row& r : rows) {
        const QString text = QString::fromUtf8(r.text);
        const QString error = QStringLiteral("'%1' is not a valid integer value").arg(text);
        const GotoLineFieldState field = gotoLineFieldChanged(text);
        EXPECT_EQ(field.okEnabled, r.okEnabled) << r.text;
        EXPECT_EQ(field.error, r.isInteger || text.isEmpty() ? QString() : error) << r.text;
        PlainTextBuffer edit(tenLines);
        edit.setSelection(7, 2);
        try {
            EXPECT_EQ(gotoLine(edit, text), r.caretLine >= 0) << r.text;
            EXPECT_TRUE(r.isInteger) << r.text;
        } catch (const Error& e) {
            EXPECT_FALSE(r.isInteger) << r.text;
            EXPECT_EQ(e.message(), error);
        }
        const test::Sel expected = r.caretLine >= 0 ? test::Sel{r.caretLine * 5, 0} : test::Sel{7, 2};
        EXPECT_EQ(test::selectionOf(edit), expected) << r.text;
    }
}

TEST(GotoLine, historyIsSortedWithoutRepeats)
{
    QStringList history;
    for (const char* text : {"10", "9", "", "0", "x", "100", "9", "-3", "2"})
        gotoLineFieldLeft(history, QString::fromLatin1(text));
    EXPECT_EQ(history, (QStringList{"2", "9", "10", "100"}));
}

} // namespace
} // namespace varnik

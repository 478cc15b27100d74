#include "core/app/error.h"
#include "core/search/gotoline.h"

#include "searchtesting.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnik {
namespace {

using test::Sel;
using test::selectionOf;

TEST(GotoLine, parsesDecimalIntegersWithoutOverflow)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    struct Row {
        const char* text;
        bool valid;
        qint64 value;
    };
    const Row rows[] = {
        {"1", true, 1},
        {"42", true, 42},
        {" 7", true, 7},
        {"+3", true, 3},
        {"-2", true, -2},
        {"0", true, 0},
        {"007", true, 7},
        {"123456789012345678901234567890", true, max},
        {"-123456789012345678901234567890", true, -max},
        {"9223372036854775807", true, max},
        {"9223372036854775808", true, max},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"7 ", false, 0},
        {"1.5", false, 0},
        {"abc", false, 0},
        {"0x10", false, 0},
        {"1e3", false, 0},
        {"\xd9\xa3", false, 0}, // an Arabic-Indic digit is no ASCII digit
    };
    for (const Row& r : rows) {
        const std::optional<qint64> v = parseLineNumber(QString::fromUtf8(r.text));
        EXPECT_EQ(v.has_value(), r.valid) << r.text;
        if (v && r.valid) {
            EXPECT_EQ(*v, r.value) << r.text;
        }
    }
}

TEST(GotoLine, okIsEnabledForNumbersFromOne)
{
    struct Row {
        const char* text;
        bool enabled;
        const char* error;
    };
    const Row rows[] = {
        {"", false, ""},
        {"1", true, ""},
        {"0", false, ""},
        {"-5", false, ""},
        {"99999", true, ""},
        {"123456789012345678901234567890", true, ""},
        {"x", false, "'x' is not a valid integer value"},
        {"5x", false, "'5x' is not a valid integer value"},
    };
    for (const Row& r : rows) {
        const GotoLineFieldState s = gotoLineFieldChanged(QString::fromLatin1(r.text));
        EXPECT_EQ(s.okEnabled, r.enabled) << r.text;
        EXPECT_EQ(s.error, QString::fromLatin1(r.error)) << r.text;
    }
}

TEST(GotoLine, confirmingMovesToTheLineStart)
{
    // Ten lines: "l1".."l10".
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("l%1").arg(i);
    const QString text = lines.join(u'\n');
    struct Row {
        const char* text;
        bool moved;
        Sel caret;
    };
    const Row rows[] = {
        {"1", true, {0, 0}},   {"2", true, {3, 0}},      {"10", true, {27, 0}},
        {"11", true, {27, 0}}, {"99999", true, {27, 0}}, {"123456789012345678901234567890", true, {27, 0}},
        {"0", false, {5, 2}},  {"-1", false, {5, 2}},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(text);
        edit.setSelection(5, 2);
        EXPECT_EQ(gotoLine(edit, QString::fromLatin1(r.text)), r.moved) << r.text;
        EXPECT_EQ(selectionOf(edit), r.caret) << r.text;
    }
}

TEST(GotoLine, confirmingSomethingElseRaisesTheIntegerErrorAndMovesNothing)
{
    for (const char* text : {"", "abc", "2.5"}) {
        PlainTextBuffer edit(QStringLiteral("a\nb"));
        edit.setCaret(1);
        try {
            gotoLine(edit, QString::fromLatin1(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
        EXPECT_EQ(selectionOf(edit), (Sel{1, 0})) << text;
    }
}

TEST(GotoLine, emptyDocumentHasOneLine)
{
    PlainTextBuffer edit;
    EXPECT_TRUE(gotoLine(edit, QStringLiteral("5")));
    EXPECT_EQ(selectionOf(edit), (Sel{0, 0}));
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

#include "cli/applyoptions.h"

#include <gtest/gtest.h>

namespace varnik::cli {
namespace {

QStringList split(const char* s) { return QString::fromUtf8(s).split(u' ', Qt::SkipEmptyParts); }

TEST(ApplyOptions, parsesEveryOption)
{
    ApplyOptions o;
    QStringList args = split("Indent1 --select 3:4 --caret 2 --set TabSpaces=4 --set SelectStay=0 --report f.txt");
    args << QStringLiteral("--clipboard") << QStringLiteral("a b") << QStringLiteral("--field")
         << QStringLiteral("separator=,") << QStringLiteral("--now") << QStringLiteral("2024-02-29 13:05:09");
    ASSERT_FALSE(parseApplyOptions(args, o).has_value());
    EXPECT_EQ(o.command, QStringLiteral("Indent1"));
    EXPECT_TRUE(o.hasSelection);
    EXPECT_EQ(o.selectStart, 3);
    EXPECT_EQ(o.selectLength, 4);
    EXPECT_EQ(o.caret, 2);
    ASSERT_EQ(o.settings.size(), 2);
    EXPECT_EQ(o.settings[1].first, QStringLiteral("SelectStay"));
    EXPECT_EQ(o.settings[1].second, QStringLiteral("0"));
    EXPECT_EQ(o.clipboard.value_or(QString()), QStringLiteral("a b"));
    EXPECT_EQ(o.fields.value(QStringLiteral("separator")), QStringLiteral(","));
    ASSERT_TRUE(o.now.has_value());
    EXPECT_EQ(o.now->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), QStringLiteral("2024-02-29 13:05:09"));
    EXPECT_TRUE(o.report);
    EXPECT_EQ(o.file, QStringLiteral("f.txt"));
}

TEST(ApplyOptions, usageErrors)
{
    const char* rows[] = {
        "",                           // no command
        "X --select 3",               // no length
        "X --select a:1",             // not a number
        "X --select -1:2",            // negative
        "X --caret",                  // missing value
        "X --set TabSpaces",          // no '='
        "X --field =v",               // empty name
        "X --now 2024-13-01",         // bad time
        "X --bogus",                  // unknown option
        "X a b",                      // two files
    };
    for (const char* r : rows) {
        ApplyOptions o;
        EXPECT_TRUE(parseApplyOptions(split(r), o).has_value()) << r;
    }
}

} // namespace
} // namespace varnik::cli

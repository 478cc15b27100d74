#include "core/app/shortenname.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(ShortenName, shortensLongDirectoriesOnly)
{
    struct Row {
        const char* name;
        const char* suffix;
        const char* expected;
    };
    const Row rows[] = {
        {"", "x", " x"},
        {"/home/ala/notes.txt", "s", "/home/ala/notes.txt s"},
        // directory part of exactly 31 characters stays
        {"/aaaaaaaaaaaaaaaaaaaaaaaaaaaaa/f.txt", "", "/aaaaaaaaaaaaaaaaaaaaaaaaaaaaa/f.txt "},
        // 32 characters is shortened
        {"/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa/f.txt", "", "/.../f.txt "},
        // short directory but a whole name of 54 characters
        {"/a/bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.txt", "", "/.../bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.txt "},
        {"C:\\Documents and Settings\\user\\My Documents\\a.txt", "- Varnik", "C:\\...\\a.txt - Varnik"},
        {"\\\\server\\share\\very long directory name here\\x.txt", "", "\\\\server\\share\\...\\x.txt "},
    };
    for (const Row& r : rows)
        EXPECT_EQ(shortenName(QString::fromUtf8(r.name), QString::fromUtf8(r.suffix)).toStdString(), r.expected)
            << r.name;
}

TEST(ShortenName, titleHasTwoBlanksBeforeTheDash)
{
    EXPECT_EQ(windowTitleFor(QString()), QStringLiteral("Untitled  - Varnik"));
    EXPECT_EQ(windowTitleFor(QStringLiteral("/tmp/a.txt")), QStringLiteral("/tmp/a.txt  - Varnik"));
    EXPECT_EQ(windowTitleFor(QStringLiteral("/very/long/directory/name/that/goes/on/a.txt")),
              QStringLiteral("/.../a.txt  - Varnik"));
}

} // namespace
} // namespace varnik

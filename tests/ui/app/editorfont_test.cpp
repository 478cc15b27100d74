#include "core/app/settings.h"
#include "ui/app/editorfont.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(EditorFont, chosenFontComesBackFromTheSettings)
{
    QFont chosen = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    chosen.setPointSize(13);
    chosen.setBold(true);
    chosen.setUnderline(true);
    Settings settings;
    storeEditorFont(settings, chosen);
    const QFont back = editorSettings(settings).font;
    EXPECT_EQ(back.family(), chosen.family());
    EXPECT_EQ(back.pointSize(), 13);
    EXPECT_TRUE(back.bold());
    EXPECT_FALSE(back.italic());
    EXPECT_TRUE(back.underline());
    EXPECT_FALSE(back.strikeOut());
}

TEST(EditorFont, familyThisSystemLacks_becomesTheFixedFont)
{
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    for (const char* name : {"Fixedsys", "fixedsys", "No Such Family 7f3a", ""}) {
        SCOPED_TRACE(name);
        Settings settings;
        settings.fontName = QString::fromLatin1(name);
        settings.fontSize = 0; // out of range: the fixed font's own size stays
        const QFont font = editorFont(settings);
        EXPECT_EQ(font.family(), fixed);
        EXPECT_EQ(font.pointSize(), QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSize());
    }
}

} // namespace
} // namespace varnik

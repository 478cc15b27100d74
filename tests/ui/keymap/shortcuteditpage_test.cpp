#include "core/app/settings.h"
#include "core/commands/commandids.h"
#include "support/mapshortcuts.h"
#include "support/scriptedsink.h"
#include "ui/keymap/shortcuteditpage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik {
namespace {

class ShortcutEditPageTest : public ::testing::Test {
protected:
    QCheckBox* box(const char* caption)
    {
        for (QCheckBox* b : page.findChildren<QCheckBox*>())
            if (b->text() == QLatin1String(caption))
                return b;
        return nullptr;
    }
    QPushButton* button(const char* caption)
    {
        for (QPushButton* b : page.findChildren<QPushButton*>())
            if (b->text() == QLatin1String(caption))
                return b;
        return nullptr;
    }
    int rowOf(const QString& caption)
    {
        const auto found = page.list()->findItems(caption, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.front()->row();
    }

    test::MapShortcuts live;
    Settings settings;
    test::ScriptedSink sink;
    ShortcutEditPage page{live, settings, sink};
};

TEST_F(ShortcutEditPageTest, f10InTheKeyFieldThenSetWithCtrl)
{
    page.prepare();
    ASSERT_GT(page.list()->rowCount(), 100);
    EXPECT_EQ(page.list()->currentRow(), 0);
    const int row = rowOf(u"Show tips"_qs);
    ASSERT_GE(row, 0);
    page.list()->setCurrentCell(row, 0);
    EXPECT_EQ(page.findChild<QLabel*>(u"LabelHint"_qs)->text(), u"Show tips"_qs);

    QTest::keyClick(page.keyEdit(), Qt::Key_F10);
    EXPECT_EQ(page.keyEdit()->text(), u"F10"_qs);
    EXPECT_FALSE(box("SHIFT")->isChecked() || box("CTRL")->isChecked() || box("ALT")->isChecked());
    QTest::keyClick(page.keyEdit(), Qt::Key_J, Qt::ShiftModifier);
    EXPECT_EQ(page.keyEdit()->text(), u"J"_qs);
    EXPECT_TRUE(box("SHIFT")->isChecked());
    box("SHIFT")->setChecked(false);
    QTest::keyClick(page.keyEdit(), Qt::Key_F10);
    box("CTRL")->setChecked(true);
    button("&Set")->click();
    EXPECT_EQ(live.shortcut(ids::Showtips1.name().toString()).toText(), u"Ctrl+F10"_qs);
    EXPECT_EQ(page.list()->currentRow(), row);
    EXPECT_EQ(page.list()->item(row, 1)->text(), u"Ctrl+F10"_qs);

    button("Clear")->click();
    EXPECT_TRUE(live.shortcut(ids::Showtips1.name().toString()).isEmpty());
    EXPECT_TRUE(page.list()->item(row, 1)->text().isEmpty());
    EXPECT_TRUE(sink.texts.isEmpty());
}

TEST_F(ShortcutEditPageTest, saveAndLoadNameTheKeyMapFile)
{
    QTemporaryDir dir;
    page.prepare();
    const QString path = dir.filePath(u"mine.kbd"_qs);
    ASSERT_TRUE(page.saveTo(path));
    EXPECT_EQ(settings.keyMapFile, path);
    EXPECT_EQ(page.findChild<QLineEdit*>(u"EditKeyMapFile"_qs)->text(), path);

    settings.keyMapFile.clear();
    EXPECT_FALSE(page.loadFrom(dir.filePath(u"none.kbd"_qs)));
    EXPECT_TRUE(settings.keyMapFile.isEmpty());
    EXPECT_EQ(sink.texts, QStringList{u"Key mapping couldn't be opened!"_qs});
    EXPECT_TRUE(page.loadFrom(path));
    EXPECT_EQ(settings.keyMapFile, path);
}

} // namespace
} // namespace varnik

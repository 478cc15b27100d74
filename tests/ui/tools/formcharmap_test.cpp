#include "ui/tools/charmap.h"
#include "ui/tools/formcharmap.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(CharMap, cellSizesFollowTheControlSize)
{
    struct Row {
        QSize control;
        int gridLine;
        QSize cell;
    };
    const Row rows[] = {
        {{623, 160}, 1, {22, 19}}, {{286, 86}, 1, {10, 10}}, {{285, 85}, 1, {9, 9}},
        {{300, 100}, 3, {10, 10}}, {{3, 3}, 1, {0, 0}},
    };
    for (const Row& r : rows) {
        CharMap map;
        map.setGridLineWidth(r.gridLine);
        map.resize(r.control);
        EXPECT_EQ(map.cellSize(), r.cell) << r.control.width() << "x" << r.control.height();
    }
}

TEST(CharMap, clickAndKeysSelectOneCellAndSignal)
{
    CharMap map;
    map.resize(623, 160);
    map.show();
    EXPECT_EQ(map.selectedCode(), 32);
    QSignalSpy changed(&map, &CharMap::changed);
    QTest::mouseClick(&map, Qt::LeftButton, {}, map.cellRect(61).center());
    EXPECT_EQ(map.selectedCode(), 61) << "row 1, column 1";
    EXPECT_EQ(map.selectedCharacter(), u"="_qs);
    EXPECT_EQ(map.codeAt(map.cellRect(255).center()), 255);
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    for (const Key& k : {Key{Qt::Key_Right, {}, 62}, Key{Qt::Key_Down, {}, 90}, Key{Qt::Key_Home, {}, 88},
                         Key{Qt::Key_Left, {}, 88}, Key{Qt::Key_End, Qt::ControlModifier, 255},
                         Key{Qt::Key_Down, {}, 255}, Key{Qt::Key_PageUp, {}, 59}}) {
        QTest::keyClick(&map, k.key, k.modifiers);
        EXPECT_EQ(map.selectedCode(), k.code) << k.key;
    }
    EXPECT_EQ(changed.count(), 6) << "a move that stays put signals nothing";
}

class FormCharMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        QApplication::processEvents();
        QApplication::clipboard()->setText(u"before"_qs);
    }
    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(QLatin1String(name)); }

    FormCharMap form{u"windows-1250"_qs};
};

TEST_F(FormCharMapTest, layoutAndTexts)
{
    EXPECT_EQ(form.windowTitle(), u"Character Map"_qs);
    EXPECT_EQ(form.size(), QSize(623, 212));
    EXPECT_TRUE(form.characterSetField().toolTip().startsWith(
        u"Select code of the subset:\n0 - ANSI characters."_qs));
    EXPECT_EQ(form.characterSetField().maximum(), 255);
    EXPECT_EQ(form.fontList().currentFont().family(), FormCharMap::startFont());
    ASSERT_EQ(form.popupMenu().actions().size(), 1);
    EXPECT_EQ(form.popupMenu().actions()[0]->text(), u"Copy selected character"_qs);
}

TEST_F(FormCharMapTest, clickShowsTheCodeAndSelectAppends)
{
    button("B2")->click();
    EXPECT_EQ(form.editField().text(), u" "_qs) << "before any click the selected character is the space";
    QTest::mouseClick(&form.map(), Qt::LeftButton, {}, form.map().cellRect(61).center());
    EXPECT_EQ(form.statusLine().currentMessage(), u"Character code: ASCII=61 (3D HEX)"_qs);
    QTest::mouseDClick(&form.map(), Qt::LeftButton, {}, form.map().cellRect(61).center());
    form.popupMenu().actions()[0]->trigger();
    EXPECT_EQ(form.editField().text(), u" =="_qs);
}

TEST_F(FormCharMapTest, characterSetChangesWhatACodeStandsFor)
{
    form.characterSetField().setValue(238);
    EXPECT_EQ(form.map().characterOf(0xBF), u"\u017c"_qs);
    form.characterSetField().setValue(204);
    EXPECT_EQ(form.map().characterOf(0xC0), u"\u0410"_qs);
    form.characterSetField().setValue(5);
    EXPECT_EQ(form.statusLine().currentMessage(),
              u"Character set 5 has no code page: ANSI characters shown."_qs);
    EXPECT_EQ(form.map().characterOf(0xE9), u"\u00e9"_qs);
}

TEST_F(FormCharMapTest, copyAndClose)
{
    button("B1")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), u"before"_qs) << "an empty field copies nothing";
    form.editField().setText(u"\u017c!"_qs);
    button("B1")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), u"\u017c!"_qs);
    EXPECT_FALSE(form.editField().hasSelectedText());
    EXPECT_TRUE(form.isVisible());

    form.editField().setText(u"esc"_qs);
    QTest::keyClick(&form.map(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), u"esc"_qs) << "Escape is Close: it copies";

    form.show();
    form.editField().setText(u"box"_qs);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), u"esc"_qs) << "the close box copies nothing";
}

TEST_F(FormCharMapTest, nextFontStepsAndWraps)
{
    QFontComboBox& fonts = form.fontList();
    ASSERT_GT(fonts.count(), 0);
    fonts.setCurrentIndex(0);
    button("B4")->click();
    EXPECT_EQ(fonts.currentIndex(), fonts.count() > 1 ? 1 : 0);
    fonts.setCurrentIndex(fonts.count() - 1);
    button("B4")->click();
    EXPECT_EQ(fonts.currentIndex(), 0);
    EXPECT_EQ(form.map().font().family(), fonts.currentFont().family());
    EXPECT_EQ(form.editField().font().family(), fonts.currentFont().family());
}

} // namespace
} // namespace varnik

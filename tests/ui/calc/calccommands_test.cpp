#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentedit.h"
#include "ui/calc/formlistgen.h"
#include "ui/calc/unicnvform.h"
#include "ui/shell/sdiappform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace varnik {
namespace {

class CalcCommandsTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make()
    {
        // The two buttons of these windows on the toolbar.
        writeSetting(store, QStringLiteral("ToolbarButtons"), QStringLiteral("1011"));
        auto w = std::make_unique<SDIAppForm>(QStringList{QStringLiteral("varnik")}, store, &sink);
        w->show();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w->startupDone(); }));
        return w;
    }

    // Runs `trigger`; the window it opens is handed to `act` once it runs modally.
    template <typename Form>
    bool withWindow(const std::function<void()>& trigger, const std::function<void(Form&)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* form = qobject_cast<Form*>(QApplication::activeModalWidget())) {
                seen = true;
                act(*form);
            }
        });
        trigger();
        return seen;
    }

    template <typename W> static W* child(QWidget& form, const char* name)
    {
        return form.findChild<W*>(QLatin1String(name));
    }

    test::WindowTestStore store;
    test::ScriptedSink sink;
};

TEST_F(CalcCommandsTest, converterByShortcut_usesTheSelection_andInsertsBeforeIt)
{
    auto w = make();
    w->activeText().setText(QStringLiteral("to go: 5 km"));
    w->activeText().setSelection(7, 1);
    w->statusTick();
    const bool shown = withWindow<UniCnvForm>(
        [&] { QTest::keyClick(w->activeEdit(), Qt::Key_Q, Qt::ShiftModifier | Qt::ControlModifier); },
        [](UniCnvForm& form) {
            EXPECT_EQ(child<QLineEdit>(form, "input")->text(), QStringLiteral("5"));
            child<QComboBox>(form, "mode")->setCurrentIndex(UniConvert::Length);
            child<QComboBox>(form, "to")->setCurrentIndex(1);
            child<QComboBox>(form, "prefix")->setCurrentText(QStringLiteral("k"));
            QTest::mouseClick(child<QPushButton>(form, "copyBelow"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(form, "use"), Qt::LeftButton);
        });
    ASSERT_TRUE(shown);
    EXPECT_EQ(w->activeText().text(), QStringLiteral("to go: 5 km * 1000 = 5000000.000 m\r\n5 km"));
    EXPECT_EQ(w->activeText().selectionLength(), 0);
    EXPECT_EQ(w->activeText().selectionStart(), 35);
}

TEST_F(CalcCommandsTest, converterFromItsButton_closeLeavesTheDocument)
{
    auto w = make();
    w->activeText().setText(QStringLiteral("text"));
    auto* button = w->findChild<QToolButton*>(QStringLiteral("tbConverter"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(
        withWindow<UniCnvForm>([&] { button->click(); },
                               [](UniCnvForm& form) {
                                   QTest::mouseClick(child<QPushButton>(form, "copyBelow"), Qt::LeftButton);
                                   QTest::mouseClick(child<QPushButton>(form, "close"), Qt::LeftButton);
                               }));
    EXPECT_EQ(w->activeText().text(), QStringLiteral("text"));
}

TEST_F(CalcCommandsTest, listGeneratorFromItsButton_andItsMenuItem)
{
    auto w = make();
    w->activeText().setText(QStringLiteral("x"));
    w->activeText().setCaret(1);
    auto fill = [](FormListGen& form) {
        child<QLineEdit>(form, "EditPattern")->setText(QStringLiteral("n%1"));
        child<QSpinBox>(form, "RxSpinEditp1e")->setValue(2);
        QTest::mouseClick(child<QPushButton>(form, "generate"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(form, "use"), Qt::LeftButton);
    };
    auto* button = w->findChild<QToolButton*>(QStringLiteral("tbAdvlistgenerator"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(withWindow<FormListGen>([&] { button->click(); }, fill));
    EXPECT_EQ(w->activeText().text(), QStringLiteral("xn0\r\nn1\r\nn2\r\n\r\n"));

    w->activeText().setSelection(0, 1);
    w->statusTick();
    EXPECT_TRUE(withWindow<FormListGen>(
        [&] { w->commands().action(ids::Advancedlistgenerator1)->trigger(); },
        [](FormListGen& form) {
            EXPECT_EQ(child<QLineEdit>(form, "EditPattern")->text(), QStringLiteral("x"));
            QTest::mouseClick(child<QPushButton>(form, "close"), Qt::LeftButton);
        }));
}

} // namespace
} // namespace varnik

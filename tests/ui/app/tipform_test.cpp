#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "ui/app/commandactions.h"
#include "ui/app/tipform.h"
#include "ui/shell/sdiappform.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik {
namespace {

QPushButton* nextButton(TipForm& form)
{
    for (QPushButton* b : form.findChildren<QPushButton*>())
        if (b->text() == u"&Next tip >")
            return b;
    return nullptr;
}

TEST(TipForm, nextTipNeedsTwoTips)
{
    struct Case {
        const char* name;
        QStringList tips;
        QString shown; // empty: any of the tips
        bool next;
    };
    const Case cases[] = {
        {"none", {}, u"No tips available !"_qs, false},
        {"one", {u"Press F1"_qs}, u"Press F1"_qs, false},
        {"many", {u"a"_qs, u"b"_qs, u"c"_qs}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TipForm form;
        form.setTips(c.tips);
        ASSERT_TRUE(nextButton(form));
        EXPECT_EQ(nextButton(form)->isEnabled(), c.next);
        if (c.shown.isEmpty())
            EXPECT_TRUE(c.tips.contains(form.tipText()));
        else
            EXPECT_EQ(form.tipText(), c.shown);
    }
}

TEST(TipForm, markupIsShownAsWritten)
{
    TipForm form;
    form.setTips({u"<b>1 < 2</b>"_qs});
    auto* label = form.findChild<QLabel*>(u"TipText"_qs);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

class TipsInWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make()
    {
        auto w = std::make_unique<SDIAppForm>(QStringList{u"varnik"_qs}, store, &sink);
        w->show();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w->startupDone(); }));
        return w;
    }
    static TipForm* waitForTips(SDIAppForm& w)
    {
        TipForm* form = nullptr;
        const bool shown =
            QTest::qWaitFor([&] { return (form = w.findChild<TipForm*>()) && form->isVisible(); });
        return shown ? form : nullptr;
    }
    MemorySettingsStore store;
    test::ScriptedSink sink;
};

TEST_F(TipsInWindowTest, startupTipsOnceAndTheBoxTurnsThemOff)
{
    auto w = make();
    TipForm* form = waitForTips(*w);
    ASSERT_TRUE(form) << "the shipped tips file is found";
    EXPECT_GE(form->tips().size(), 25);
    EXPECT_FALSE(form->dontShowAtStartup());
    form->setDontShowAtStartup(true);
    form->accept();
    EXPECT_FALSE(w->settings().showTipsAtStartup);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return !w->findChild<TipForm*>(); }));
    w->statusTick();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->findChild<TipForm*>()) << "start-up tips come once";

    // From the Help menu the box shows the setting, and unticking it turns the tips back on.
    w->commands().run(ids::Showtips1);
    form = waitForTips(*w);
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->dontShowAtStartup());
    form->setDontShowAtStartup(false);
    form->reject();
    EXPECT_TRUE(w->settings().showTipsAtStartup);
    EXPECT_TRUE(sink.texts.isEmpty());
}

TEST_F(TipsInWindowTest, startupKeyMapApplies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"my.kbd"_qs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[keymapping]\nTouppercase1=Shift+Ctrl+J\n");
    f.close();
    writeSetting(store, u"ShowTipsAtStartup"_qs, u"0"_qs);
    writeSetting(store, u"LoadKeyMap"_qs, u"1"_qs);
    writeSetting(store, u"KeyMapFile"_qs, path);
    auto w = make();
    EXPECT_TRUE(w->commands().action(ids::Hexedit1)->shortcut().isEmpty());
    EXPECT_TRUE(w->commands().shortcut(ids::Hexedit1.name().toString()).isEmpty());
    EXPECT_EQ(w->commands().action(ids::Touppercase1)->shortcut(), QKeySequence(u"Shift+Ctrl+J"_qs));
    EXPECT_FALSE(w->findChild<TipForm*>());
}

} // namespace
} // namespace varnik

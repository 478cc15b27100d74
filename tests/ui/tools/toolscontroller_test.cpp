#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentedit.h"
#include "ui/shell/sdiappform.h"
#include "ui/tools/charmap.h"
#include "ui/tools/clipboardmonitor.h"
#include "ui/tools/formcharmap.h"
#include "ui/tools/formclipboard.h"
#include "ui/tools/formfavtxt.h"
#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"
#include "ui/tools/toolscontroller.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::ScriptedSink;

class ToolsTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make(const QString& multiClip = u"1"_qs)
    {
        writeSetting(store, QStringLiteral("MultiDoc"), u"0"_qs);
        writeSetting(store, QStringLiteral("MultiClip"), multiClip);
        writeSetting(store, QStringLiteral("SelectStay"), u"0"_qs);
        auto w = std::make_unique<SDIAppForm>(QStringList{u"varnik"_qs}, store, &sink);
        w->tools().setFavouriteFile(dir.filePath(u"data/favtxt_me.txt"_qs));
        w->show();
        QApplication::processEvents(); // the first show finishes from the event loop
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->activeEdit()->setFocus();
        return w;
    }
    // Runs `act` on the tool window once its modal loop runs.
    void whenShown(SDIAppForm& w, std::function<void(QDialog&)> act)
    {
        w.tools().setBeforeShow([act](QDialog& d) { QTimer::singleShot(0, &d, [act, &d] { act(d); }); });
    }
    void setText(SDIAppForm& w, const QString& text, qsizetype start, qsizetype length)
    {
        w.activeText().setText(text);
        w.activeText().setSelection(start, length);
    }
    bool enabled(SDIAppForm& w, CommandId id)
    {
        w.statusTick();
        return w.commands().action(id)->isEnabled();
    }
    // A command as its menu item runs it: enabled by the state the status tick sees.
    void run(SDIAppForm& w, CommandId id)
    {
        w.statusTick();
        w.commands().run(id);
    }
    void copyEach(SDIAppForm& w, const QStringList& texts, CommandId command = ids::Copy1)
    {
        for (const QString& t : texts) {
            setText(w, t, 0, t.size());
            run(w, command);
        }
    }
    // After a modal window the main window gets the keyboard back.
    void backInTheWindow(SDIAppForm& w)
    {
        w.activateWindow(); // as the desktop does when a modal window closes
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.activeEdit()->hasFocus(); }));
    }

    test::WindowTestStore store;
    ScriptedSink sink;
    QTemporaryDir dir;
};

TEST_F(ToolsTest, cutAndCopyFeedTheMultiClipboard_onlyWithMultiClipAndAFocusedSelection)
{
    auto w = make();
    EXPECT_FALSE(enabled(*w, ids::Pastemclip1));
    copyEach(*w, {u"Alpha"_qs, u"beta"_qs, u"ALPHA"_qs});
    EXPECT_EQ(w->tools().multiClipboard().entries(), (QStringList{u"Alpha"_qs, u"beta"_qs}));
    EXPECT_TRUE(enabled(*w, ids::Pastemclip1));
    copyEach(*w, {u"cut me"_qs}, ids::Cut1);
    EXPECT_EQ(w->activeText().text(), QString());
    EXPECT_EQ(w->tools().multiClipboard().size(), 3);

    setText(*w, u"no selection"_qs, 0, 0);
    run(*w, ids::Copy1);
    EXPECT_EQ(w->tools().multiClipboard().size(), 3);

    w->settings().multiClip = false;
    copyEach(*w, {u"off"_qs});
    EXPECT_EQ(w->tools().multiClipboard().size(), 3) << "MultiClip off collects nothing";
    EXPECT_FALSE(enabled(*w, ids::Pastemclip1));
    bool shown = false;
    w->tools().setBeforeShow([&](QDialog&) { shown = true; });
    run(*w, ids::Pastemclip1);
    EXPECT_FALSE(shown) << "MultiClip off: the command does nothing even with entries";
}

TEST_F(ToolsTest, copyShortcutRightAfterSelecting_feedsTheMultiClipboard)
{
    auto w = make();
    QTest::keyClicks(w->activeEdit(), u"word"_qs);
    w->statusTick(); // Copy disabled: nothing selected
    // No status tick between selecting and copying.
    QTest::keyClick(w->activeEdit(), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(w->activeEdit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w->tools().multiClipboard().entries(), QStringList{u"word"_qs});
}

TEST_F(ToolsTest, pasteFromMultiClipboard_pastesTheChosenTextAndLeavesItOnTheClipboard)
{
    auto w = make();
    copyEach(*w, {u"one"_qs, u"two"_qs, u"three"_qs});
    setText(*w, u"[]"_qs, 1, 0);
    int selectedWhenShown = -1;
    whenShown(*w, [&](QDialog& d) {
        auto& form = static_cast<FormClipboard&>(d);
        selectedWhenShown = form.list().selectedRow();
        form.list().choose(1); // one, three, two
        form.findChild<QToolButton*>(u"BitBtnPaste"_qs)->click();
    });
    w->statusTick();
    QTest::keyClick(w->activeEdit(), Qt::Key_V, Qt::ShiftModifier | Qt::ControlModifier);
    backInTheWindow(*w);
    EXPECT_EQ(selectedWhenShown, 2);
    EXPECT_EQ(w->activeText().text(), u"[three]"_qs);
    EXPECT_EQ(QApplication::clipboard()->text(), u"three"_qs);
    run(*w, ids::Paste1);
    EXPECT_EQ(w->activeText().text(), u"[threethree]"_qs);

    whenShown(*w,
              [](QDialog& d) { QTest::keyClick(&static_cast<FormClipboard&>(d).list(), Qt::Key_Escape); });
    run(*w, ids::Pastemclip1);
    EXPECT_EQ(w->activeText().text(), u"[threethree]"_qs) << "Escape pastes nothing";
}

TEST_F(ToolsTest, clipboardCommandsFollowTheClipboard)
{
    auto w = make();
    setText(*w, u"a\nb"_qs, 0, 3);
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_FALSE(enabled(*w, ids::Paste1));
    EXPECT_FALSE(enabled(*w, ids::Clippboardbeginning1));
    QApplication::clipboard()->setText(u">"_qs);
    EXPECT_TRUE(w->tools().clipboardHasText());
    EXPECT_TRUE(enabled(*w, ids::Paste1));
    EXPECT_TRUE(enabled(*w, ids::Clippboardbeginning1));
    EXPECT_TRUE(enabled(*w, ids::Clippboardatend1));
    w->activeText().setCaret(0);
    EXPECT_FALSE(enabled(*w, ids::Clippboardatend1)) << "no selection";
    w->tools().monitor().setEnabled(false);
    QApplication::clipboard()->clear();
    EXPECT_TRUE(w->tools().clipboardHasText()) << "a disabled monitor hears nothing";
}

TEST_F(ToolsTest, getTextFromSelection_asksAndAppends_favouritesInsertAtTheCaret)
{
    auto w = make();
    setText(*w, u"   \r\n "_qs, 0, 6);
    run(*w, ids::Gettextfromselection1);
    EXPECT_TRUE(sink.texts.isEmpty()) << "a blank selection asks nothing";

    setText(*w, u"  Hello  "_qs, 0, 9);
    sink.answers = {Result::Yes, Result::No, Result::Yes};
    w->statusTick();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->activeEdit(), Qt::Key_F9, Qt::ControlModifier);
    ASSERT_EQ(sink.texts.size(), 3);
    EXPECT_EQ(sink.texts[0], u"Add this to favorite texts ?\r\nHello"_qs);
    EXPECT_EQ(w->tools().favourites(), (QStringList{u"Hello"_qs, u"Hello"_qs}));

    setText(*w, u"ab"_qs, 1, 0);
    QStringList rowsShown;
    whenShown(*w, [&](QDialog& d) {
        auto& form = static_cast<FormFavTxt&>(d);
        rowsShown = form.list().texts().texts();
        form.list().choose(0);
        QTest::keyClick(&form.list(), Qt::Key_Return);
    });
    QTest::keyClick(w->activeEdit(), Qt::Key_F8);
    EXPECT_EQ(rowsShown, (QStringList{u"Hello"_qs, u"Hello"_qs}))
        << "duplicates stay until the window closes";
    EXPECT_EQ(w->activeText().text(), u"aHellob"_qs);
    EXPECT_EQ(w->activeText().caretPosition(), 6);
    EXPECT_EQ(w->activeText().selectionLength(), 0);

    w->settings().selectStay = true;
    w->activeText().setCaret(0);
    run(*w, ids::Yourfavtxt1);
    EXPECT_EQ(w->activeText().text(), u"HelloaHellob"_qs);
    EXPECT_EQ(w->activeText().selectionStart(), 0);
    EXPECT_EQ(w->activeText().selectionLength(), 5) << "SelectStay keeps the inserted text selected";
}

TEST_F(ToolsTest, favouritesLoadAtFirstShowAndSaveOnClose)
{
    const QString path = dir.filePath(u"data/favtxt_me.txt"_qs);
    QDir().mkpath(dir.filePath(u"data"_qs));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xbf\xf3\xb3w\r\nabc"); // written by an older 8-bit version
    }
    auto w = make();
    EXPECT_EQ(w->tools().favourites(), (QStringList{u"\u017c\u00f3\u0142w"_qs, u"abc"_qs}));
    w->tools().favourites().append(u"new"_qs);
    ASSERT_TRUE(w->close());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xc5\xbc\xc3\xb3\xc5\x82w\r\nabc\r\nnew\r\n"));
}

TEST_F(ToolsTest, anUnreadableFavouriteFileIsNeverReplaced)
{
    const QString path = dir.filePath(u"data/favtxt_me.txt"_qs);
    QDir().mkpath(path); // a directory where the file should be
    auto w = make();
    EXPECT_TRUE(w->tools().favourites().isEmpty());
    w->tools().favourites().append(u"x"_qs);
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(QFileInfo(path).isDir());
    ASSERT_EQ(sink.texts.size(), 1);
    EXPECT_TRUE(sink.texts[0].startsWith(u"The favorite texts were not saved"_qs));
}

TEST_F(ToolsTest, symbols_copiesTheChosenCharacterForPaste)
{
    auto w = make();
    w->settings().fontCharset = 238;
    QString tip;
    whenShown(*w, [&](QDialog& d) {
        auto& form = static_cast<FormCharMap&>(d);
        tip = form.map().toolTip();
        EXPECT_EQ(form.characterSetField().value(), 238);
        QTest::mouseClick(&form.map(), Qt::LeftButton, {}, form.map().cellRect(0xBF).center());
        form.findChild<QPushButton*>(u"B2"_qs)->click();
        form.findChild<QPushButton*>(u"B3"_qs)->click();
    });
    QTest::keyClick(w->activeEdit(), Qt::Key_F2);
    backInTheWindow(*w);
    EXPECT_EQ(tip, u"To insert selected characters into edited text press CTRL+V in the edit window."_qs);
    EXPECT_EQ(QApplication::clipboard()->text(), u"\u017c"_qs);
    QTest::keyClick(w->activeEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->activeText().text(), u"\u017c"_qs);
}

} // namespace
} // namespace varnik

#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"
#include "ui/app/filecontroller.h"
#include "ui/shell/sdiappform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::ScriptedSink;

class SDIAppFormTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make(bool multiDoc, QStringList args = {QStringLiteral("varnik")})
    {
        writeSetting(store, QStringLiteral("MultiDoc"), multiDoc ? u"1"_qs : u"0"_qs);
        auto w = std::make_unique<SDIAppForm>(args, store, &sink);
        w->show();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w->startupDone(); }));
        return w;
    }
    QString panel(SDIAppForm& w, int i)
    {
        w.statusTick();
        return w.statusPanels()[static_cast<size_t>(i)]->text();
    }
    bool enabled(SDIAppForm& w, CommandId id)
    {
        w.statusTick();
        return w.commands().action(id)->isEnabled();
    }
    void type(SDIAppForm& w, const QString& text)
    {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(w.activeEdit(), Qt::Key_Return);
            QTest::keyClicks(w.activeEdit(), lines[i]);
        }
    }

    test::WindowTestStore store;
    ScriptedSink sink;
};

TEST_F(SDIAppFormTest, statusPanels_followCaretSelectionAndChanges)
{
    auto w = make(false);
    EXPECT_EQ(panel(*w, 0), u"1:1"_qs);
    EXPECT_EQ(panel(*w, 1), QString());
    EXPECT_EQ(panel(*w, 2), u"Insert"_qs);
    EXPECT_EQ(panel(*w, 5), u"1"_qs);
    type(*w, u"ab\ncde"_qs);
    EXPECT_EQ(panel(*w, 0), u"4:2"_qs);
    EXPECT_EQ(panel(*w, 1), u"Modified"_qs);
    EXPECT_EQ(panel(*w, 5), u"2"_qs);
    w->activeText().setSelection(1, 3);
    EXPECT_EQ(panel(*w, 0), u"SEL: 3"_qs);
    QTest::keyClick(w->activeEdit(), Qt::Key_Insert);
    EXPECT_EQ(panel(*w, 2), u"Overwrite"_qs);
    EXPECT_EQ(w->windowTitle(), u"Untitled  - Varnik"_qs);
}

TEST_F(SDIAppFormTest, enabledStates_followDocumentAndMode)
{
    auto w = make(false);
    EXPECT_FALSE(enabled(*w, ids::Selectall1)); // empty document
    EXPECT_FALSE(enabled(*w, ids::Copy1));
    EXPECT_FALSE(enabled(*w, ids::Newemptytab2));
    EXPECT_FALSE(enabled(*w, ids::Reloadfromdisk1));
    EXPECT_TRUE(enabled(*w, ids::Fileinfo1));
    type(*w, u"x"_qs);
    EXPECT_TRUE(enabled(*w, ids::Selectall1));
    EXPECT_TRUE(enabled(*w, ids::Undo2));
    w->activeText().selectAll();
    EXPECT_TRUE(enabled(*w, ids::Copy1));
    // Commands whose behaviour is not built are honest about it.
    EXPECT_FALSE(enabled(*w, ids::Options1));
}

TEST_F(SDIAppFormTest, closeSequence_asksPerTab_andCancelKeepsTheRest)
{
    auto w = make(true);
    DocumentArea& docs = w->documents();
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            docs.createDocumentTab();
        type(*w, u"text"_qs);
    }
    ASSERT_EQ(docs.tabs()->tabCount(), 3);
    sink.answers = {Result::No, Result::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(sink.texts.size(), 2);
    EXPECT_EQ(sink.texts.value(0), u"File has changed !\r\nDo you want to save the changes?"_qs);
    EXPECT_EQ(docs.tabs()->tabCount(), 2);
    // The tab before the closed one became active.
    EXPECT_EQ(docs.tabs()->currentIndex(), 1);
}

TEST_F(SDIAppFormTest, closeSequence_unmodified_closesWithoutAsking_andSavesSettings)
{
    auto w = make(false);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(sink.texts.isEmpty());
    EXPECT_EQ(readSetting(store, u"LastUsedCnt"_qs).value_or(QString()), u"10"_qs);
    EXPECT_EQ(readSetting(store, u"TrayActive"_qs).value_or(QString()), u"0"_qs);
}

// A store whose file was damaged on reading and cannot be written at exit.
class TroubledStore : public MemorySettingsStore {
public:
    QString readProblem() const override { return u"Settings: line 3 of Varnik.conf could not be read"_qs; }
    QString saveProblem() const override
    {
        return flushes > 0 ? u"Settings could not be saved"_qs : QString();
    }
    void flush() override { ++flushes; }
    int flushes = 0;
};

TEST(SDIAppFormStore, readProblem_onTheStatusBar_saveProblem_inAMessageAtExit)
{
    TroubledStore store;
    ScriptedSink sink;
    SDIAppForm w({u"varnik"_qs}, store, &sink);
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.startupDone(); }));
    EXPECT_EQ(w.statusPanels()[6]->text(), store.readProblem());
    EXPECT_TRUE(sink.texts.isEmpty());
    EXPECT_TRUE(w.close());
    EXPECT_EQ(sink.texts, QStringList{store.saveProblem()});
}

TEST_F(SDIAppFormTest, tabs_activationAfterCloseAndStepping)
{
    auto w = make(true);
    DocumentArea& docs = w->documents();
    docs.createDocumentTab();
    docs.createDocumentTab();
    ASSERT_EQ(docs.tabs()->tabCount(), 3);
    docs.tabs()->setCurrentIndex(0);
    w->commands().run(ids::Nexttab1);
    EXPECT_EQ(docs.tabs()->currentIndex(), 1);
    w->commands().run(ids::Nexttab1);
    w->commands().run(ids::Nexttab1); // no wrap-around
    EXPECT_EQ(docs.tabs()->currentIndex(), 2);
    docs.tabs()->setCurrentIndex(0);
    docs.closeActiveTabQuietly();
    EXPECT_EQ(docs.tabs()->currentIndex(), 0);
    EXPECT_EQ(docs.activeEdit(), docs.tabs()->editAt(0));
    docs.closeActiveTabQuietly();
    docs.closeActiveTabQuietly(); // the last tab stays
    EXPECT_EQ(docs.tabs()->tabCount(), 1);
}

TEST_F(SDIAppFormTest, modeSwitch_keepsTextNameAndFlag_orAsksBeforeDroppingTabs)
{
    auto w = make(false);
    type(*w, u"kept"_qs);
    w->activeRecord().fileName = u"/tmp/kept.txt"_qs;
    w->settings().multiDoc = true;
    w->applySettings();
    DocumentArea& docs = w->documents();
    ASSERT_TRUE(docs.isMultiDoc());
    EXPECT_EQ(w->activeText().text(), u"kept"_qs);
    EXPECT_EQ(w->activeRecord().fileName, u"/tmp/kept.txt"_qs);
    EXPECT_TRUE(w->activeRecord().modified);

    docs.createDocumentTab();
    docs.createDocumentTab();
    sink.answers = {Result::No};
    w->settings().multiDoc = false;
    w->applySettings();
    EXPECT_EQ(sink.texts.value(0), u"Only content of current tab will be preserved. Continue anyway?"_qs);
    EXPECT_TRUE(docs.isMultiDoc());
    EXPECT_TRUE(w->settings().multiDoc);
    EXPECT_EQ(docs.tabs()->tabCount(), 3);

    sink.answers = {Result::Yes};
    docs.tabs()->setCurrentIndex(0);
    w->settings().multiDoc = false;
    w->applySettings();
    EXPECT_FALSE(docs.isMultiDoc());
    EXPECT_EQ(w->activeText().text(), u"kept"_qs);
}

TEST_F(SDIAppFormTest, editPopup_opensOnEveryEdit_alsoTabsMadeLater)
{
    auto w = make(true);
    w->documents().createDocumentTab();
    for (DocumentEdit* edit : {w->documents().singleEdit(), w->documents().tabs()->editAt(1)}) {
        Q_EMIT edit->customContextMenuRequested(QPoint(5, 5));
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->objectName(), u"MainEditPopupMenu"_qs);
        popup->close();
    }
}

TEST_F(SDIAppFormTest, duplicateIntoNewTab_givesAnUntitledModifiedCopy)
{
    auto w = make(true);
    w->activeText().setText(u"saved text"_qs);
    w->activeRecord().fileName = u"/tmp/a.txt"_qs;
    w->activeRecord().modified = false;
    w->commands().run(ids::Duplicateintonewtab1);
    EXPECT_EQ(w->documents().tabs()->tabCount(), 2);
    EXPECT_EQ(w->activeText().text(), u"saved text"_qs);
    EXPECT_TRUE(w->activeRecord().fileName.isEmpty());
    EXPECT_TRUE(w->activeRecord().modified);
}

TEST_F(SDIAppFormTest, standardInput_becomesTheFirstDocument)
{
    auto w = make(false);
    w->files().appendStandardInput(QByteArray("line 1\r\nza\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87\n"));
    EXPECT_EQ(w->activeText().text(), u"line 1\r\nzażółć\r\n"_qs);
    w->files().appendStandardInput(QByteArray());
    EXPECT_EQ(w->activeText().lineCount(), 3);
}

TEST_F(SDIAppFormTest, commandLineFile_isOpened_andNewClearsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"doc.txt"_qs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("one\r\ntwo");
    f.close();
    auto w = make(false, {u"varnik"_qs, path});
    EXPECT_EQ(w->activeText().text(), u"one\r\ntwo"_qs);
    EXPECT_EQ(w->activeRecord().fileName, path);
    EXPECT_FALSE(w->activeRecord().modified);
    EXPECT_TRUE(w->windowTitle().endsWith(u"doc.txt  - Varnik"_qs));
    w->commands().run(ids::New1);
    EXPECT_EQ(w->activeText().text(), QString());
    EXPECT_EQ(w->windowTitle(), u"Untitled  - Varnik"_qs);
}

} // namespace
} // namespace varnik

namespace varnik {
namespace {

TEST_F(SDIAppFormTest, shortcuts_reachTheCommands_notTheText)
{
    auto w = make(false);
    w->activateWindow();
    w->activeEdit()->setFocus();
    QTest::keyClicks(w->activeEdit(), u"abc"_qs);
    w->statusTick();
    QTest::keyClick(w->activeEdit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w->activeText().selectionLength(), 3);
    QTest::keyClick(w->activeEdit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->activeText().text(), QString());
    QTest::keyClick(w->activeEdit(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(w->activeText().text(), QString());
}

} // namespace
} // namespace varnik

namespace varnik {
namespace {

TEST_F(SDIAppFormTest, numberedList_byShortcut_undoesInOneStep)
{
    auto w = make(false);
    w->activeText().setText(u"alpha\r\nbeta\r\ngamma"_qs);
    w->activeText().setSelection(0, 11); // "alpha" and "beta" with its break
    w->statusTick();
    QTest::keyClick(w->activeEdit(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(w->activeText().text(), u"1. alpha\r\n2. beta\r\ngamma"_qs);
    QTest::keyClick(w->activeEdit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->activeText().text(), u"alpha\r\nbeta\r\ngamma"_qs);
}

TEST_F(SDIAppFormTest, evaluateExpressions_byShortcut)
{
    auto w = make(false);
    w->activeText().setText(u"r=2\r\npi*r^2 ="_qs);
    w->activeText().selectAll();
    w->statusTick();
    QTest::keyClick(w->activeEdit(), Qt::Key_Equal, Qt::ControlModifier);
    const QChar point = QLocale::system().decimalPoint().at(0);
    EXPECT_EQ(w->activeText().text(), u"r=2\r\npi*r^2  = 12"_qs + point + u"5663706143592\r\n"_qs);
}

} // namespace
} // namespace varnik

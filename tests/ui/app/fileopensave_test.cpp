#include "core/app/autosavestore.h"
#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/filecontroller.h"
#include "ui/app/longoperation.h"
#include "ui/shell/sdiappform.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::ScriptedSink;

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class FileOpenSaveTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make(std::initializer_list<std::pair<const char*, const char*>> settings = {})
    {
        writeSetting(store, u"MultiDoc"_qs, u"0"_qs);
        for (const auto& [name, value] : settings)
            writeSetting(store, QString::fromLatin1(name), QString::fromLatin1(value));
        auto w = std::make_unique<SDIAppForm>(QStringList{u"varnik"_qs}, store, &sink);
        w->show();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w->startupDone(); }));
        return w;
    }
    QString status(SDIAppForm& w) { return w.statusPanels()[6]->text(); }
    QString path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    test::WindowTestStore store;
    ScriptedSink sink;
    QTemporaryDir dir;
};

TEST_F(FileOpenSaveTest, openedAndSavedUnchanged_isTheSameFile)
{
    const struct Row {
        const char* name;
        QByteArray file;
        const char* crlf;
        QString text;
        const char* encoding;
    } rows[] = {
        {"utf8CrLf", "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\nline", "0", u"zażółć\r\nline"_qs, "UTF-8"},
        {"utf8BomLf", "\xEF\xBB\xBF\xC4\x85\n\n", "1", u"ą\r\n\r\n"_qs, "UTF-8 with BOM"},
        {"cp1250Cr", "\xB9\xE6\rx", "2", u"ąć\r\nx"_qs, "windows-1250"},
        {"nulBytes", QByteArray("a\0b\r\n\0", 6), "0", QString::fromUtf16(u"a\0b\r\n\0", 6), "UTF-8"},
        {"empty", "", "0", QString(), "UTF-8"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto w = make({{"CRLF", r.crlf}});
        const QString file = path(r.name);
        writeFile(file, r.file);
        ASSERT_TRUE(w->files().openFileInto(file));
        EXPECT_EQ(w->activeText().text(), r.text);
        EXPECT_EQ(w->activeRecord().encoding.name(), QString::fromLatin1(r.encoding));
        EXPECT_EQ(w->activeRecord().fileName, file);
        EXPECT_FALSE(w->activeRecord().modified);
        EXPECT_FALSE(w->activeText().isModified());
        EXPECT_EQ(status(*w), u"OK"_qs);

        const QString copy = file + u".copy"_qs;
        ASSERT_TRUE(w->files().saveDocumentAs(w->activeEdit(), copy, false, true));
        EXPECT_EQ(readFile(copy).toHex(' ').toStdString(), r.file.toHex(' ').toStdString());
        EXPECT_EQ(w->activeRecord().fileName, copy);
        EXPECT_EQ(status(*w), u"OK"_qs);
        EXPECT_TRUE(sink.texts.isEmpty());
    }
}

TEST_F(FileOpenSaveTest, failedOpen_saysWhy_andKeepsTheDocument)
{
    auto w = make();
    w->activeText().setText(u"kept"_qs);
    const QString missing = path("missing.txt");
    EXPECT_FALSE(w->files().openFileInto(missing));
    ASSERT_EQ(sink.texts.size(), 1);
    EXPECT_EQ(sink.texts[0], u"Error reading file\r\n"_qs + missing + u"\r\nNo such file or directory"_qs);
    EXPECT_EQ(w->activeText().text(), u"kept"_qs);
    EXPECT_TRUE(w->activeRecord().fileName.isEmpty());
    EXPECT_EQ(status(*w), u"Error reading file"_qs);
    EXPECT_FALSE(LongOperation::running());

    // A file the program cannot hold is refused before anything is read.
    const QString huge = path("huge.txt");
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(1) << 30));
    f.close();
    EXPECT_FALSE(w->files().openFileInto(huge));
    EXPECT_EQ(status(*w), u"Error reading file (1073741824 bytes)"_qs);
    EXPECT_EQ(w->activeText().text(), u"kept"_qs);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileOpenSaveTest, savedDocument_goesOnBeingEditedAndSaved)
{
    auto w = make({{"CRLF", "1"}});
    const QString file = path("a.txt");
    writeFile(file, "one\ntwo");
    ASSERT_TRUE(w->files().openFileInto(file));
    ASSERT_TRUE(w->files().saveDocumentAs(w->activeEdit(), file, true, true));
    w->activeText().setSelection(3, 0);
    w->activeText().replaceSelection(u"!"_qs);
    EXPECT_TRUE(w->activeRecord().modified);
    ASSERT_TRUE(w->files().saveDocumentAs(w->activeEdit(), file, true, true));
    EXPECT_EQ(readFile(file), QByteArray("one!\ntwo"));
    EXPECT_EQ(readFile(file + u".BAK"_qs), QByteArray("one\ntwo"));
    EXPECT_FALSE(w->activeRecord().modified);
}

// Opening used to switch undo collection back on whatever UndoLimit said.
TEST_F(FileOpenSaveTest, undoLimitOfNothing_holdsAfterOpening)
{
    const struct Row {
        const char* undoLimit;
        bool canUndo;
    } rows[] = {{"0", false}, {"10", true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.undoLimit);
        auto w = make({{"UndoLimit", r.undoLimit}});
        const QString file = path("undo.txt");
        writeFile(file, "text");
        ASSERT_TRUE(w->files().openFileInto(file));
        QTest::keyClicks(w->activeEdit(), u"typed"_qs);
        EXPECT_EQ(w->activeText().canUndo(), r.canUndo);
    }
}

TEST_F(FileOpenSaveTest, droppedFiles_openOnlyLocalOnes_asTheModeAllows)
{
    writeFile(path("one.txt"), "one");
    writeFile(path("two.txt"), "two");
    const QUrl one = QUrl::fromLocalFile(path("one.txt")), two = QUrl::fromLocalFile(path("two.txt"));
    const QUrl web(u"https://example.com/x.txt"_qs);
    const struct Row {
        const char* name;
        const char* multiDoc;
        const char* typed; // the document's changes before the drop
        std::deque<int> answers;
        QList<QUrl> urls;
        bool accepted;
        int tabs;
        QString text; // of the active document afterwards
        int questions;
    } rows[] = {
        {"singleTakesTheFirst", "0", "", {}, {one, two}, true, 1, u"one"_qs, 0},
        {"nothingLocal", "0", "", {}, {web}, false, 1, QString(), 0},
        {"tabsTakeEach", "1", "", {}, {one, web, two}, true, 2, u"two"_qs, 0},
        {"changesKeptOnNo", "0", "kept", {Result::No}, {one}, true, 1, u"kept"_qs, 1},
        {"changesDroppedOnYes", "0", "lost", {Result::Yes}, {one}, true, 1, u"one"_qs, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        sink.texts.clear();
        auto w = make({{"MultiDoc", r.multiDoc}, {"DfltONT", "1"}, {"Warnings", "1"}});
        if (*r.typed)
            QTest::keyClicks(w->activeEdit(), QString::fromLatin1(r.typed));
        sink.answers = r.answers;
        EXPECT_EQ(w->files().openDropped(r.urls), r.accepted);
        EXPECT_EQ(w->documents().tabCount(), r.tabs);
        EXPECT_EQ(w->activeText().text(), r.text);
        ASSERT_EQ(sink.texts.size(), r.questions);
        if (r.questions) {
            EXPECT_EQ(sink.texts[0], u"Data changed and not saved. Open another file anyway?"_qs);
        }
    }
}

TEST_F(FileOpenSaveTest, recentFilesMenu_listsOpenedFiles_andReopensThem)
{
    auto w = make();
    writeFile(path("a.txt"), "text a");
    writeFile(path("b.txt"), "text b");
    ASSERT_TRUE(w->files().openFileInto(path("a.txt")));
    ASSERT_TRUE(w->files().openFileInto(path("b.txt")));
    QMenu* menu = w->commands().submenu(ids::Reopen1);
    ASSERT_NE(menu, nullptr);
    QAction* first = menu->findChild<QAction*>(u"MainLastFileMenuItem1"_qs);
    QAction* second = menu->findChild<QAction*>(u"MainLastFileMenuItem2"_qs);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->text().contains(u"b.txt"_qs));
    second->trigger();
    EXPECT_EQ(w->activeText().text(), u"text a"_qs);
    EXPECT_EQ(w->activeRecord().fileName, path("a.txt"));
}

// A session that ended without cleaning up left a copy: the next start offers it.
TEST_F(FileOpenSaveTest, autosavedCopyOfAnEndedSession_isOfferedAtStart)
{
    const struct Row {
        const char* name;
        int answer;
        QString text;
        bool modified, copyKept;
    } rows[] = {
        {"yesRestores", Result::Yes, u"rescued"_qs, true, false},
        {"noDeletes", Result::No, QString(), false, false},
        {"cancelKeepsForNextStart", Result::Cancel, QString(), false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QString copy;
        {
            AutosaveStore crashed;
            crashed.ensurePrivateDirectory();
            copy = crashed.save(1, u"rescued"_qs, 0);
        } // the session ends without discarding its copy
        sink.texts.clear();
        sink.answers = {r.answer};
        auto w = make();
        ASSERT_EQ(sink.texts.size(), 1);
        EXPECT_TRUE(sink.texts[0].startsWith(u"An autosaved document was found"_qs));
        EXPECT_EQ(w->activeText().text(), r.text);
        EXPECT_EQ(w->activeRecord().modified, r.modified);
        EXPECT_EQ(QFile::exists(copy), r.copyKept);
        AutosaveStore().removeRecovered(copy);
    }
}

TEST_F(FileOpenSaveTest, longOperation_showsBusyCursorAndProgressBar_untilItEnds)
{
    auto w = make();
    QStatusBar* bar = w->statusBar();
    {
        LongOperation operation(bar, 0);
        EXPECT_TRUE(LongOperation::running());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        operation.progress(25, 100);
        auto* progress = bar->findChild<QProgressBar*>(u"LongOperationProgress"_qs);
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_EQ(progress->value() * 4, progress->maximum());
        operation.progress(100, 100);
        EXPECT_EQ(progress->value(), progress->maximum());
    }
    EXPECT_FALSE(LongOperation::running());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(bar->findChild<QProgressBar*>(u"LongOperationProgress"_qs), nullptr);

    // A short step shows no bar.
    LongOperation quick(bar, 60 * 60 * 1000);
    quick.progress(1, 2);
    EXPECT_EQ(bar->findChild<QProgressBar*>(u"LongOperationProgress"_qs), nullptr);
}

} // namespace
} // namespace varnik

#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentedit.h"
#include "ui/shell/sdiappform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace varnik {
namespace {

class ImportWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeSetting(store, QStringLiteral("MultiDoc"), u"0"_qs);
        window = std::make_unique<SDIAppForm>(QStringList{QStringLiteral("varnik")}, store, &sink);
    }
    // Runs a command and answers its open dialog with `path` (empty: Cancel);
    // gives the dialog's title.
    QString runWithDialog(CommandId id, const QString& path)
    {
        QString title;
        QTimer::singleShot(0, window.get(), [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        window->commands().run(id);
        return title;
    }
    QString write(const QString& name, const QByteArray& data)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
        return path;
    }

    test::WindowTestStore store;
    test::ScriptedSink sink;
    std::unique_ptr<SDIAppForm> window;
    QTemporaryDir dir;
};

TEST_F(ImportWindowTest, importsAtTheCaretThroughTheOpenDialog)
{
    const QString file = write(u"two.bin"_qs, "A ");
    struct Row {
        CommandId id;
        const char* title;
        QString inserted;
    } rows[] = {
        {ids::HEXstyle1, "Varnik - Import binary file...",
         u";00000  41 20"_qs.leftJustified(62) + u"A\r\n"_qs},
        {ids::Cstyle1, "Varnik - Import binary file as C source...",
         u"unsigned char TWO_BIN_BINARY[2] = {\r\n0x41, 0x20};\r\n"_qs},
        {ids::Pascalstyle1, "Varnik - Import binary file as Pascal source...",
         u"const TWO_BIN_BINARY: array[1..2] of byte = (\r\n65, 32);\r\n"_qs},
        {ids::Importunicodefile1, "Varnik - Import unicode UTF-16 file...", QString(QChar(0x2041))},
    };
    for (const Row& r : rows) {
        window->activeText().setText(u"ab\r\ncd"_qs);
        window->activeText().setSelection(1, 3); // collapsed to its start first
        window->statusTick();
        EXPECT_EQ(runWithDialog(r.id, file), QString::fromLatin1(r.title)) << r.id.toString().toStdString();
        EXPECT_EQ(window->activeText().text(), u"a"_qs + r.inserted + u"b\r\ncd"_qs)
            << r.id.toString().toStdString();
        EXPECT_EQ(window->activeText().selectionLength(), 0) << r.id.toString().toStdString();
        EXPECT_EQ(window->statusPanels()[6]->text(), QString()) << r.id.toString().toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << r.id.toString().toStdString();
    }
}

TEST_F(ImportWindowTest, cancelOrAnUnreadableFileLeavesTheDocument)
{
    window->activeText().setText(u"xy"_qs);
    window->activeText().setCaret(1);
    window->statusTick();
    runWithDialog(ids::Cstyle1, QString());
    EXPECT_EQ(window->activeText().text(), u"xy"_qs);
    EXPECT_TRUE(sink.texts.isEmpty());

    const QString bad = write(u"bad.txt"_qs, QByteArray("\xFF\xFE\x00\xDC", 4));
    runWithDialog(ids::Importunicodefile1, bad);
    EXPECT_EQ(window->activeText().text(), u"xy"_qs);
    ASSERT_EQ(sink.texts.size(), 1);
    EXPECT_TRUE(sink.texts[0].startsWith(u"error: Error reading file\r\n"_qs + bad))
        << sink.texts[0].toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The test program has no tables beside it: the items hide and do nothing.
TEST_F(ImportWindowTest, tableCommandsHideWithoutTheirTables)
{
    window->activeText().setText(u"ząb"_qs);
    window->statusTick();
    for (const CommandId id :
         {ids::CP1250toISO885921, ids::ISO88592toCP12501, ids::CP1250toNOPL1, ids::ISO88592toNOPL1}) {
        const QAction* action = window->commands().action(id);
        EXPECT_FALSE(action->isVisible()) << id.toString().toStdString();
        EXPECT_FALSE(action->isEnabled()) << id.toString().toStdString();
        window->commands().run(id);
        EXPECT_TRUE(sink.texts.isEmpty()) << id.toString().toStdString();
        EXPECT_EQ(window->activeText().text(), u"ząb"_qs) << id.toString().toStdString();
    }
}

} // namespace
} // namespace varnik

#include "searchwindowtesting.h"

#include "core/commands/commandids.h"
#include "core/search/grepresult.h"
#include "ui/app/commandactions.h"
#include "ui/search/greplistmodel.h"
#include "ui/search/greppanel.h"
#include "ui/search/myfinddlg.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace varnik::test {
namespace {

class GrepPanelTest : public SearchWindowTest {
protected:
    // Ctrl+F, the text, the grep box, Enter.
    void grep(const QString& what, bool matchCase = false)
    {
        press(Qt::Key_F, Qt::ControlModifier);
        MyFindDlg& dlg = controller->findDialog();
        dlg.whatField()->setEditText(what);
        auto* box = dlg.findChild<QCheckBox*>(u"Grep"_qs);
        if (!box->isChecked())
            box->click();
        auto* caseBox = dlg.findChild<QCheckBox*>(u"MatchCase"_qs);
        if (caseBox->isChecked() != matchCase)
            caseBox->click();
        QTest::keyClick(dlg.whatField()->lineEdit(), Qt::Key_Return);
        // The list, just shown, gets its place under the documents.
        QApplication::sendPostedEvents();
    }
    QStringList rows()
    {
        QStringList out;
        const QAbstractItemModel* m = controller->grepPanel().model();
        for (int i = 0; i < m->rowCount(); ++i)
            out << m->index(i, 0).data().toString();
        return out;
    }
    void doubleClickRow(int row)
    {
        GrepPanel& panel = controller->grepPanel();
        const QPoint at = panel.visualRect(panel.model()->index(row, 0)).center();
        // As a mouse sends it: the first click, then the second as a double click.
        QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(panel.viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(GrepPanelTest, listsEachMatchingLineOnce_asTheLineNumberSettingSays)
{
    struct Row {
        const char* name;
        bool lineNumbers;
        bool matchCase;
        QStringList expected;
    };
    const Row table[] = {
        {"numbers, any case", true, false, {u"Line 1:xab"_qs, u"Line 2:AB"_qs, u"Line 4:ab ab"_qs}},
        {"no numbers, any case", false, false, {u"xab"_qs, u"AB"_qs, u"ab ab"_qs}},
        {"numbers, match case", true, true, {u"Line 1:xab"_qs, u"Line 4:ab ab"_qs}},
    };
    GrepPanel& panel = controller->grepPanel();
    EXPECT_FALSE(panel.isVisible()) << "hidden until a grep";
    for (const Row& r : table) {
        window->settings().grepLineNo = r.lineNumbers;
        setDocument(u"xab\nAB\ncd\nab ab"_qs);
        grep(u"ab"_qs, r.matchCase);
        EXPECT_TRUE(panel.isVisible()) << r.name;
        EXPECT_EQ(rows(), r.expected) << r.name;
        EXPECT_EQ(selection(), (Sel{0, 0})) << "grep selects nothing: " << r.name;
    }
    EXPECT_TRUE(sink.texts.isEmpty());
}

TEST_F(GrepPanelTest, doubleClick_selectsTheFirstOccurrenceOfItsLine)
{
    setDocument(u"xab\nAB\ncd\nab ab"_qs);
    grep(u"ab"_qs);
    struct Row {
        int row;
        Sel expected;
    };
    const Row table[] = {{2, {10, 2}}, {0, {1, 2}}, {1, {4, 2}}};
    for (const Row& r : table) {
        edit()->clearFocus();
        doubleClickRow(r.row);
        EXPECT_EQ(selection(), r.expected) << "row " << r.row;
        EXPECT_TRUE(edit()->hasFocus()) << "row " << r.row;
    }
    // The line of an entry is gone: nothing moves.
    setDocument(u"xab\nAB"_qs, 1, 0);
    doubleClickRow(2);
    EXPECT_EQ(selection(), (Sel{1, 0}));
}

TEST_F(GrepPanelTest, F3_grepsAgainWhileTheBoxIsChecked)
{
    setDocument(u"ab\ncd"_qs);
    grep(u"ab"_qs);
    EXPECT_EQ(rows().size(), 1);
    setDocument(u"ab\nab\nab"_qs);
    press(Qt::Key_F3);
    EXPECT_EQ(rows().size(), 3);
}

TEST_F(GrepPanelTest, popupCommands_closeClearSaveAndCopy)
{
    setDocument(u"żab\nAB\ncd"_qs);
    grep(u"ab"_qs);
    const QString expected = u"Line 1:żab\r\nLine 2:AB\r\n"_qs;
    CommandActions& c = window->commands();
    window->statusTick();

    QApplication::clipboard()->clear();
    c.action(ids::Copytoclipboard1)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), expected);

    QTemporaryDir dir;
    const QString name = dir.filePath(u"grep.txt"_qs);
    controller->setSaveFileChooser([&name] { return name; });
    c.action(ids::Saveresultstofile1)->trigger();
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected.toUtf8());

    // A place that cannot be written: said, not hidden.
    controller->setSaveFileChooser([&dir] { return dir.filePath(u"missing/grep.txt"_qs); });
    c.action(ids::Saveresultstofile1)->trigger();
    ASSERT_EQ(sink.texts.size(), 1);
    EXPECT_TRUE(sink.texts[0].contains(u"missing/grep.txt"_qs)) << sink.texts[0].toStdString();

    c.action(ids::Clearresults1)->trigger();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(controller->grepPanel().isVisible());
    EXPECT_FALSE(window->statusPanels()[6]->text().isEmpty()) << "the grep's note";
    c.action(ids::Closeresults1)->trigger();
    EXPECT_FALSE(controller->grepPanel().isVisible());
    EXPECT_TRUE(window->statusPanels()[6]->text().isEmpty()) << "the note goes with the list";
}

TEST(GrepListModel, showsALongLineInPart_butKeepsItWhole)
{
    const QString line = QString(GrepListModel::MaxShownLength + 10, u'x') + u"ab"_qs;
    GrepResult result(true);
    result.start(line);
    result.append(0, line.size() - 1, 0, line.size());
    result.finish();
    GrepListModel model;
    model.setResult(result);
    const QString shown = model.index(0).data().toString();
    EXPECT_EQ(shown, u"Line 1:"_qs + line.left(GrepListModel::MaxShownLength));
    EXPECT_EQ(model.result().entry(0), u"Line 1:"_qs + line);
    EXPECT_EQ(model.longestEntry(), 0);
}

} // namespace
} // namespace varnik::test

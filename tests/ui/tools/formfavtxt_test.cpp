#include "core/tools/favouritetexts.h"
#include "listclicks.h"
#include "support/scriptedsink.h"
#include "ui/tools/formfavtxt.h"
#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace varnik {
namespace {

class FormFavTxtTest : public ::testing::Test {
protected:
    std::unique_ptr<FormFavTxt> open(QStringList list)
    {
        favourites = std::move(list);
        auto form = std::make_unique<FormFavTxt>(favourites, CodePage::windows1250(), sink);
        form->show();
        QApplication::processEvents(); // laid out: rows have their places
        return form;
    }
    static QStringList rows(FormFavTxt& f) { return f.list().texts().texts(); }
    static void click(FormFavTxt& f, const char* name)
    {
        f.findChild<QToolButton*>(QLatin1String(name))->click();
    }

    QStringList favourites;
    test::ScriptedSink sink;
    QTemporaryDir dir;
};

TEST_F(FormFavTxtTest, helloAbcFile_showsSortedRows_andTheListTakesThemOnClose)
{
    auto f = open(parseFavourites("  Hello  \r\n\r\nAbc\r\n", CodePage::windows1250()));
    EXPECT_EQ(f->windowTitle(), u"Favorite texts"_qs);
    EXPECT_EQ(rows(*f), (QStringList{u"Abc"_qs, u"Hello"_qs}));
    EXPECT_EQ(f->list().toolTip(), u"Double click on selected text to insert it into editor..."_qs);
    QTest::keyClick(&f->list(), Qt::Key_Escape);
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_EQ(favourites, (QStringList{u"Abc"_qs, u"Hello"_qs}));
}

TEST_F(FormFavTxtTest, buttonsAddEditAndDelete)
{
    auto f = open({u"b"_qs, u"z"_qs});
    click(*f, "BitBtn1");
    EXPECT_EQ(rows(*f), (QStringList{u"b"_qs, u"New item"_qs, u"z"_qs}));
    EXPECT_EQ(f->list().selectedRow(), 1);

    click(*f, "BitBtn2");
    auto* editor = f->list().findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "in-place editing started";
    editor->setText(u"a first"_qs);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits, then the row moves, each from the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows(*f).value(0) == u"a first"_qs; }));
    EXPECT_EQ(rows(*f), (QStringList{u"a first"_qs, u"b"_qs, u"z"_qs}))
        << "the edited row moved to its place";
    EXPECT_EQ(f->list().selectedRow(), 0);
    EXPECT_TRUE(f->isVisible()) << "Enter ends the editing, not the window";

    click(*f, "BitBtn3");
    EXPECT_EQ(rows(*f), (QStringList{u"b"_qs, u"z"_qs}));
    f->close();
    EXPECT_EQ(favourites, (QStringList{u"b"_qs, u"z"_qs}));
}

TEST_F(FormFavTxtTest, enterInsertsOnlyANonEmptyRow)
{
    auto f = open({u"keep"_qs, u"x"_qs});
    f->list().choose(1);
    f->list().texts().setData(f->list().texts().index(1), QString(), Qt::EditRole);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows(*f).value(0).isEmpty(); }));
    ASSERT_EQ(rows(*f), (QStringList{QString(), u"keep"_qs}));
    f->list().choose(0);
    QTest::keyClick(&f->list(), Qt::Key_Return);
    EXPECT_TRUE(f->isVisible()) << "an emptied row does not close the window";
    f->list().choose(1);
    QTest::keyClick(&f->list(), Qt::Key_Return);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(f->chosenText(), u"keep"_qs);
    EXPECT_EQ(favourites, (QStringList{QString(), u"keep"_qs}));
}

TEST_F(FormFavTxtTest, doubleClickInsertsThatRow_duplicatesShowTwice)
{
    auto f = open({u"same"_qs, u"same"_qs, u"other"_qs});
    EXPECT_EQ(rows(*f), (QStringList{u"other"_qs, u"same"_qs, u"same"_qs}));
    test::doubleClickRow(f->list(), 2);
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(f->chosenText(), u"same"_qs);
}

TEST_F(FormFavTxtTest, loadAndSaveThroughTheChosenFiles)
{
    const QString source = dir.filePath(u"favorite.txt"_qs);
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xbf\xf3\xb3w\r\nabc"); // an older 8-bit file
    }
    auto f = open({u"old"_qs});
    QString chosen = source;
    f->setOpenFileChooser([&] { return chosen; });
    f->setSaveFileChooser([&] { return chosen; });
    click(*f, "BitBtn4");
    EXPECT_EQ(rows(*f), (QStringList{u"abc"_qs, u"\u017c\u00f3\u0142w"_qs}));
    click(*f, "BitBtn1");

    chosen = dir.filePath(u"saved.txt"_qs);
    click(*f, "BitBtn5");
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("abc\r\nNew item\r\n\xc5\xbc\xc3\xb3\xc5\x82w\r\n"));

    chosen = dir.path(); // a directory
    click(*f, "BitBtn4");
    EXPECT_EQ(rows(*f).size(), 3) << "a failed load changes nothing";
    ASSERT_EQ(sink.texts.size(), 1);
    EXPECT_TRUE(sink.texts[0].startsWith(u"Error reading file"_qs)) << sink.texts[0].toStdString();

    chosen.clear(); // cancelled
    click(*f, "BitBtn4");
    click(*f, "BitBtn5");
    EXPECT_EQ(sink.texts.size(), 1);
}

} // namespace
} // namespace varnik

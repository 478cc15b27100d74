#include "core/tools/multiclipboard.h"
#include "listclicks.h"
#include "ui/tools/formclipboard.h"
#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace varnik {
namespace {

class FormClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char16_t* t : {u"Alpha", u"beta", u"gamma"})
            list.add(QString::fromUtf16(t));
        form.fill();
        QApplication::clipboard()->setText(u"before"_qs);
    }
    // Shown and laid out, so that rows have their places.
    void showForm()
    {
        form.show();
        QApplication::processEvents();
    }
    QToolButton* button(const char* name) { return form.findChild<QToolButton*>(QLatin1String(name)); }
    QStringList rows() { return form.list().texts().texts(); }

    MultiClipboard list{QLocale(QLocale::English)};
    FormClipboard form{list};
};

TEST_F(FormClipboardTest, showsEntriesWithTheLastRowSelected)
{
    EXPECT_EQ(form.windowTitle(), u"Multi-Clipboard"_qs);
    EXPECT_EQ(rows(), (QStringList{u"Alpha"_qs, u"beta"_qs, u"gamma"_qs}));
    EXPECT_EQ(form.list().selectedRow(), 2);
    EXPECT_EQ(form.list().toolTip(), u"In clipboard: gamma\r\nDouble click to paste."_qs);
    struct Row {
        const char* name;
        const char* hint;
    };
    for (const Row& r :
         {Row{"BitBtnPaste", "Paste from clipboard"}, Row{"BitBtnDelete", "Delete item in clipboard"},
          Row{"BitBtnClr", "Clear all items"}}) {
        QToolButton* b = button(r.name);
        ASSERT_NE(b, nullptr) << r.name;
        EXPECT_EQ(b->toolTip(), QString::fromLatin1(r.hint));
        EXPECT_FALSE(b->icon().pixmap(22, 22).isNull()) << r.name << " shows a picture";
    }
}

TEST_F(FormClipboardTest, clickSetsTheToolTip_andPastePutsTheRowOnTheClipboard)
{
    showForm();
    test::clickRow(form.list(), 1);
    EXPECT_EQ(form.list().toolTip(), u"In clipboard: beta\r\nDouble click to paste."_qs);
    button("BitBtnPaste")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::clipboard()->text(), u"beta"_qs);
}

TEST_F(FormClipboardTest, keysAndDoubleClick)
{
    struct Row {
        const char* name;
        std::function<void(FormClipboard&)> act;
        int result;
        QString clipboard;
    };
    const Row cases[] = {
        {"enterPastesTheSelectedRow", [](FormClipboard& f) { QTest::keyClick(&f.list(), Qt::Key_Return); },
         QDialog::Accepted, u"gamma"_qs},
        {"escapeClosesWithoutPasting", [](FormClipboard& f) { QTest::keyClick(&f.list(), Qt::Key_Escape); },
         QDialog::Rejected, u"before"_qs},
        {"doubleClickPastesThatRow", [](FormClipboard& f) { test::doubleClickRow(f.list(), 0); },
         QDialog::Accepted, u"Alpha"_qs},
    };
    for (const Row& c : cases) {
        form.setResult(-1);
        showForm();
        form.fill();
        QApplication::clipboard()->setText(u"before"_qs);
        c.act(form);
        EXPECT_EQ(form.result(), c.result) << c.name;
        EXPECT_FALSE(form.isVisible()) << c.name;
        EXPECT_EQ(QApplication::clipboard()->text(), c.clipboard) << c.name;
    }
}

TEST_F(FormClipboardTest, deleteSelectsTheFirstRow_clearEmpties_pasteWithoutRowsKeepsTheClipboard)
{
    button("BitBtnDelete")->click();
    EXPECT_EQ(rows(), (QStringList{u"Alpha"_qs, u"beta"_qs}));
    EXPECT_EQ(list.entries(), rows());
    EXPECT_EQ(form.list().selectedRow(), 0);
    button("BitBtnClr")->click();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(list.isEmpty());
    button("BitBtnDelete")->click(); // nothing to delete
    button("BitBtnPaste")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::clipboard()->text(), u"before"_qs);
}

} // namespace
} // namespace varnik

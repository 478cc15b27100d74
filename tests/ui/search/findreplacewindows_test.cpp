#include "searchwindowtesting.h"

#include "core/app/documentinfo.h"
#include "ui/search/myfinddlg.h"
#include "ui/search/myrepldlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace varnik::test {
namespace {

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST_F(SearchWindowTest, findWindow_grepBoxDisablesWhatGrepIgnores_directionNeverEnabled)
{
    MyFindDlg& dlg = controller->findDialog();
    struct Row {
        bool grep;
        bool wholeWords, scope, origin;
    };
    const Row rows[] = {{true, false, false, false}, {false, true, true, true}, {true, false, false, false}};
    for (const Row& r : rows) {
        auto* grep = child<QCheckBox>(&dlg, "Grep");
        if (grep->isChecked() != r.grep)
            grep->click();
        EXPECT_EQ(dlg.state().grep, r.grep);
        EXPECT_TRUE(child<QCheckBox>(&dlg, "MatchCase")->isEnabled()) << "grep " << r.grep;
        EXPECT_EQ(child<QCheckBox>(&dlg, "WholeWords")->isEnabled(), r.wholeWords) << "grep " << r.grep;
        EXPECT_EQ(child<QRadioButton>(&dlg, "Selection")->isEnabled(), r.scope) << "grep " << r.grep;
        EXPECT_EQ(child<QRadioButton>(&dlg, "Fromcursor")->isEnabled(), r.origin) << "grep " << r.grep;
        EXPECT_FALSE(child<QRadioButton>(&dlg, "Up")->isEnabled());
        EXPECT_FALSE(child<QRadioButton>(&dlg, "Down")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(&dlg, "Down")->isChecked());
    }
}

TEST_F(SearchWindowTest, searchWindows_clicksSetAndClearTheirBitsOfTheOptionsByte)
{
    struct Row {
        const char* click;
        quint8 bits; // after this click, following the ones above
    };
    const Row rows[] = {
        {"MatchCase", 2},           {"Selection", 2 | 8},
        {"Fromcursor", 2 | 8 | 16}, {"WholeWords", 2 | 4 | 8 | 16},
        {"Global", 2 | 4 | 16},     {"MatchCase", 4 | 16},
        {"Beginoftext", 4},         {"WholeWords", 0},
    };
    QWidget* windows[] = {&controller->findDialog(), &controller->replaceDialog()};
    for (QWidget* w : windows) {
        w->show();
        for (const Row& r : rows) {
            auto* button = w->findChild<QAbstractButton*>(QString::fromLatin1(r.click));
            ASSERT_NE(button, nullptr) << r.click;
            button->click();
            const quint8 bits = w == windows[0] ? controller->findDialog().state().options.bits()
                                                : controller->replaceDialog().state().options.bits();
            EXPECT_EQ(bits, r.bits) << w->objectName().toStdString() << " after " << r.click;
        }
        w->hide();
    }
}

TEST_F(SearchWindowTest, ctrlF_prefillsTheFieldFromTheSelectionOrTheLastSearch)
{
    struct Row {
        const char* name;
        QString document;
        Sel selected;
        QString lastSearch;
        QString field;
    };
    const Row rows[] = {
        {"one word with blanks around", u"x  word  y"_qs, {1, 8}, {}, u"word"_qs},
        {"two words: empty field", u"two words"_qs, {0, 9}, u"last"_qs, {}},
        {"nothing selected: the last search", u"abc"_qs, {1, 0}, u"last"_qs, u"last"_qs},
        {"nothing at all: the field stays", u"abc"_qs, {1, 0}, {}, u"last"_qs},
    };
    for (const Row& r : rows) {
        setDocument(r.document, r.selected.start, r.selected.length);
        window->activeRecord().search.lastSearchText = r.lastSearch;
        press(Qt::Key_F, Qt::ControlModifier);
        MyFindDlg& dlg = controller->findDialog();
        EXPECT_TRUE(dlg.isVisible()) << r.name;
        EXPECT_EQ(dlg.whatField()->currentText(), r.field) << r.name;
        EXPECT_TRUE(dlg.state().newSearch) << r.name;
        dlg.reject();
        EXPECT_EQ(window->activeRecord().search.lastSearchText, r.field)
            << "closing keeps the text: " << r.name;
    }
}

TEST_F(SearchWindowTest, findNext_selectsEachMatchThenSaysNotFound)
{
    setDocument(u"one two\none two"_qs);
    press(Qt::Key_F, Qt::ControlModifier);
    MyFindDlg& dlg = controller->findDialog();
    QTest::keyClicks(dlg.whatField(), u"two"_qs);
    QTest::keyClick(dlg.whatField()->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible()) << "Find next closes the window";
    EXPECT_EQ(selection(), (Sel{4, 3}));
    EXPECT_EQ(window->activeRecord().search.lastSearchText, u"two"_qs);
    EXPECT_EQ(dlg.state().history, QStringList{u"two"_qs});

    const Sel steps[] = {{12, 3}, {12, 3}};
    const int messages[] = {0, 1};
    for (size_t i = 0; i < std::size(steps); ++i) {
        press(Qt::Key_F3);
        EXPECT_EQ(selection(), steps[i]) << "F3 number " << i + 1;
        EXPECT_EQ(sink.texts.size(), messages[i]) << "F3 number " << i + 1;
    }
    EXPECT_EQ(sink.texts.value(0), u"Searched string not found."_qs);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(SearchWindowTest, findNext_withAnEmptyFieldShowsTheWindow)
{
    setDocument(u"abc"_qs);
    press(Qt::Key_F3);
    EXPECT_TRUE(controller->findDialog().isVisible());
    EXPECT_EQ(selection(), (Sel{0, 0}));
}

TEST_F(SearchWindowTest, ctrlR_takesScopeAndFieldFromTheSelection)
{
    struct Row {
        const char* name;
        Sel selected;
        bool selectionScope;
        QString field;
    };
    const Row rows[] = {
        {"one line: global, prefilled", {0, 3}, false, u"one"_qs},
        {"two lines: selection scope", {0, 7}, true, u"one"_qs},
        {"nothing selected: global", {2, 0}, false, u"one"_qs},
    };
    for (const Row& r : rows) {
        setDocument(u"one\ntwo"_qs, r.selected.start, r.selected.length);
        press(Qt::Key_R, Qt::ControlModifier);
        MyReplDlg& dlg = controller->replaceDialog();
        EXPECT_TRUE(dlg.isVisible()) << r.name;
        EXPECT_EQ(dlg.findChild<QRadioButton*>(u"Selection"_qs)->isChecked(), r.selectionScope) << r.name;
        EXPECT_EQ(dlg.findChild<QRadioButton*>(u"Global"_qs)->isChecked(), !r.selectionScope) << r.name;
        EXPECT_EQ(dlg.whatField()->currentText(), r.field) << r.name;
        dlg.reject();
    }
}

TEST_F(SearchWindowTest, replaceAll_isOneUndoStep_andOnlyAfterYes)
{
    struct Row {
        const char* name;
        int answer;
        QString after;
        QStringList messages;
    };
    const Row rows[] = {
        {"yes",
         Result::Yes,
         u"bbb\r\nbbb"_qs,
         {u"Replace all occurences?"_qs, u"Replaced 4 occurences of text."_qs}},
        {"no", Result::No, u"aaa\r\nbab"_qs, {u"Replace all occurences?"_qs}},
    };
    for (const Row& r : rows) {
        sink.texts.clear();
        sink.answer = r.answer;
        setDocument(u"aaa\nbab"_qs, 0, 1);
        text().clearUndoHistory();
        press(Qt::Key_R, Qt::ControlModifier);
        MyReplDlg& dlg = controller->replaceDialog();
        dlg.whatField()->setEditText(u"a"_qs);
        dlg.replaceField()->setEditText(u"b"_qs);
        dlg.findChild<QPushButton*>(u"ReplaceAll"_qs)->click();
        EXPECT_EQ(text().text(), r.after) << r.name;
        EXPECT_EQ(sink.texts, r.messages) << r.name;
        EXPECT_TRUE(dlg.isVisible()) << "the window stays open: " << r.name;
        if (r.answer == Result::Yes) {
            text().undo();
            EXPECT_EQ(text().text(), u"aaa\r\nbab"_qs) << "one undo brings everything back";
            EXPECT_EQ(dlg.replaceField()->itemText(0), u"b"_qs) << "the replacement joined its history";
        }
        dlg.reject();
    }
}

TEST_F(SearchWindowTest, findAndReplaceWindows_areModal_evenAfterReplaceAll)
{
    setDocument(u"aaa"_qs, 0, 1);
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), &controller->findDialog());
    controller->findDialog().reject();
    sink.answer = Result::Yes;
    press(Qt::Key_R, Qt::ControlModifier);
    MyReplDlg& dlg = controller->replaceDialog();
    EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
    dlg.whatField()->setEditText(u"a"_qs);
    dlg.replaceField()->setEditText(u"b"_qs);
    dlg.findChild<QPushButton*>(u"ReplaceAll"_qs)->click();
    EXPECT_EQ(text().text(), u"bbb"_qs);
    // The document stays out of reach until the window closes.
    EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
    dlg.reject();
}

TEST_F(SearchWindowTest, replaceWindow_findNextAndReplaceStepThroughTheText)
{
    setDocument(u"cat dog cat"_qs);
    press(Qt::Key_R, Qt::ControlModifier);
    MyReplDlg& dlg = controller->replaceDialog();
    dlg.whatField()->setEditText(u"cat"_qs);
    dlg.replaceField()->setEditText(u"cow"_qs);
    auto* findNext = dlg.findChild<QPushButton*>(u"FindNext"_qs);
    auto* replace = dlg.findChild<QPushButton*>(u"Replace"_qs);

    findNext->click();
    EXPECT_EQ(selection(), (Sel{0, 3}));
    replace->click();
    EXPECT_EQ(text().text(), u"cow dog cat"_qs);
    replace->click(); // nothing selected now: only finds the next one
    EXPECT_EQ(text().text(), u"cow dog cat"_qs);
    EXPECT_EQ(selection(), (Sel{8, 3}));
    replace->click();
    EXPECT_EQ(text().text(), u"cow dog cow"_qs);
    EXPECT_TRUE(sink.texts.isEmpty());
    findNext->click();
    EXPECT_TRUE(sink.texts.isEmpty()) << "the replace window's Find next says nothing";
    dlg.reject();
    EXPECT_EQ(window->activeRecord().search.lastSearchText, u"cat"_qs);
}

TEST_F(SearchWindowTest, webSearches_sendTheEncodedSelection)
{
    struct Row {
        Qt::Key key;
        QString selected;
        QString endsWith;
    };
    const Row rows[] = {
        {Qt::Key_F4, u"C&A"_qs, u"q=C%26A"_qs},
        {Qt::Key_F4, u"a b"_qs, u"q=a+b"_qs},
        {Qt::Key_F5, u"C&A"_qs, u"for=C%26A"_qs},
    };
    for (const Row& r : rows) {
        urls.clear();
        setDocument(r.selected, 0, r.selected.size());
        press(r.key);
        ASSERT_EQ(urls.size(), 1) << r.selected.toStdString();
        EXPECT_TRUE(urls[0].endsWith(r.endsWith)) << urls[0].toStdString();
    }
    urls.clear();
    setDocument(u"abc"_qs);
    press(Qt::Key_F4);
    EXPECT_TRUE(urls.isEmpty()) << "no selection: the command is off";
}

} // namespace
} // namespace varnik::test

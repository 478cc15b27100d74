#include "searchwindowtesting.h"

#include "ui/search/formgotoline.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace varnik::test {
namespace {

TEST(FormGoToLine, okFollowsTheField_notAnIntegerIsReported)
{
    struct Row {
        const char* typed;
        bool ok;
        int errors; // error boxes while typing: a lone sign or blank is no integer either
        const char* lastError;
    };
    const Row rows[] = {
        {"", false, 0, ""},
        {"1", true, 0, ""},
        {"12", true, 0, ""},
        {"0", false, 0, ""},
        {"-3", false, 1, "'-' is not a valid integer value"},
        {" 7", true, 1, "' ' is not a valid integer value"},
        {"x", false, 1, "'x' is not a valid integer value"},
        {"1.5", false, 2, "'1.5' is not a valid integer value"},
    };
    for (const Row& r : rows) {
        RecordingSink sink;
        FormGoToLine form(nullptr, sink);
        EXPECT_FALSE(form.okButton()->isEnabled()) << "OK starts disabled";
        QTest::keyClicks(form.field()->lineEdit(), QString::fromLatin1(r.typed));
        EXPECT_EQ(form.okButton()->isEnabled(), r.ok) << '"' << r.typed << '"';
        EXPECT_EQ(sink.errors.size(), r.errors) << '"' << r.typed << '"';
        EXPECT_EQ(sink.errors.value(sink.errors.size() - 1), QString::fromLatin1(r.lastError)) << r.typed;
    }
}

TEST(FormGoToLine, leavingTheFieldKeepsNumbersInOrder_enterConfirmsEvenWhenOkIsOff)
{
    RecordingSink sink;
    FormGoToLine form(nullptr, sink);
    QLineEdit* line = form.field()->lineEdit();
    for (const char* typed : {"10", "9", "0", "10", "100"}) {
        line->clear();
        QTest::keyClicks(line, QString::fromLatin1(typed));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(line, &out);
    }
    EXPECT_EQ(form.history(), (QStringList{u"9"_qs, u"10"_qs, u"100"_qs}));
    EXPECT_EQ(form.field()->count(), 3);
    EXPECT_EQ(form.text(), u"100"_qs) << "the field keeps what was typed";

    line->clear();
    ASSERT_FALSE(form.okButton()->isEnabled());
    form.show();
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

class GotoLineTest : public SearchWindowTest {
protected:
    // Ctrl+L, types `typed` in the window and presses Enter.
    void gotoLine(const QString& typed)
    {
        bool seen = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto* form = qobject_cast<FormGoToLine*>(QApplication::activeModalWidget());
            if (!form)
                return;
            seen = true;
            QTest::keyClicks(form->field()->lineEdit(), typed);
            QTest::keyClick(form->field()->lineEdit(), Qt::Key_Return);
        });
        press(Qt::Key_L, Qt::ControlModifier);
        EXPECT_TRUE(seen) << "the Goto line window was shown";
    }
};

TEST_F(GotoLineTest, movesToTheLineStart_clampedToTheLastLine)
{
    QString tenLines;
    for (int i = 1; i <= 10; ++i)
        tenLines += u"line %1\n"_qs.arg(i);
    tenLines.chop(1);
    struct Row {
        QString typed;
        int line; // 0-based line of the caret afterwards; -1: unchanged
        QStringList errors;
    };
    const Row rows[] = {
        {u"3"_qs, 2, {}}, {u"99999"_qs, 9, {}}, {u"10"_qs, 9, {}},
        {u"1"_qs, 0, {}}, {u"0"_qs, -1, {}},    {u""_qs, -1, {u"'' is not a valid integer value"_qs}},
    };
    for (const Row& r : rows) {
        sink.errors.clear();
        setDocument(tenLines, 17, 2);
        gotoLine(r.typed);
        const Sel expected = r.line < 0 ? Sel{17, 2} : Sel{text().lineStart(r.line), 0};
        EXPECT_EQ(selection(), expected) << '"' << r.typed.toStdString() << '"';
        EXPECT_EQ(sink.errors, r.errors) << '"' << r.typed.toStdString() << '"';
    }
}

} // namespace
} // namespace varnik::test

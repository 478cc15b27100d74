#include "ui/app/mydlg.h"
#include "ui/platform/launcher.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace varnik {
namespace {

// Presses the named button of the dialog once it is shown.
int runAndPress(int buttons, const QString& name)
{
    MyDlg dlg(QStringLiteral("Do you want to save the changes?"), 3, buttons);
    QTimer::singleShot(0, &dlg, [&] {
        if (name.isEmpty()) {
            dlg.reject(); // as closing by the frame
            return;
        }
        auto* b = dlg.findChild<QPushButton*>(name);
        if (b)
            b->click();
        else
            dlg.reject();
    });
    return dlg.run();
}

TEST(MyDlg, resultsOfButtonsAndFrame)
{
    struct Row {
        int buttons;
        QString press;
        int expected;
    };
    const Row rows[] = {
        {Buttons::YesNoCancel, QStringLiteral("Yes"), 6},
        {Buttons::YesNoCancel, QStringLiteral("No"), 7},
        {Buttons::YesNoCancel, QStringLiteral("Cancel"), 2},
        {Buttons::OK, QStringLiteral("OK"), 1},
        {Buttons::YesNo, QString(), 2},
        {Buttons::OK, QString(), 2},
    };
    for (const Row& r : rows)
        EXPECT_EQ(runAndPress(r.buttons, r.press), r.expected) << r.press.toStdString();
}

TEST(MyDlg, showsOnlyTheAskedButtonsAtTheirPlaces)
{
    MyDlg dlg(QStringLiteral("x"), 0, Buttons::YesNo);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Varnik Warning"));
    const auto buttons = dlg.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("&Yes"));
    EXPECT_EQ(buttons[0]->x(), (345 - 166 + 8) / 2);
    EXPECT_EQ(buttons[1]->x(), buttons[0]->x() + 83);
}

TEST(MyDlg, longMessage_isShownWhole_orScrolls)
{
    QStringList lines;
    for (int i = 1; i <= 11; ++i)
        lines
            << QStringLiteral("Line %1 of the file information: /home/user/some/longer/path/name.txt").arg(i);
    struct Row {
        const char* name;
        QString text;
        bool mayScroll;
    };
    const Row rows[] = {
        {"eleven_lines_fit", lines.join(QStringLiteral("\r\n")), false},
        {"one_short_line", QStringLiteral("Do you want to save the changes?"), false},
        {"thousand_lines_scroll", QStringLiteral("x\n").repeated(1000), true},
    };
    for (const Row& r : rows) {
        MyDlg dlg(r.text, 2, Buttons::OK);
        dlg.show();
        auto* message = dlg.findChild<QLabel*>(QStringLiteral("message"));
        ASSERT_NE(message, nullptr) << r.name;
        // The label holds the whole text at its width...
        EXPECT_GE(message->height(), message->heightForWidth(message->width())) << r.name;
        // ...and the dialog shows all of it unless the screen is too small.
        auto* area = dlg.findChild<QScrollArea*>();
        const bool scrolls = area && area->verticalScrollBar()->maximum() > 0;
        EXPECT_EQ(scrolls, r.mayScroll) << r.name;
        if (!scrolls) {
            EXPECT_LE(message->height(), area ? area->viewport()->height() : 81) << r.name;
        }
        EXPECT_LE(dlg.height(), dlg.screen()->availableSize().height()) << r.name;
        EXPECT_GE(dlg.width(), 345) << r.name;
    }
}

TEST(Launcher, refusesWhatIsNotAWebAddress)
{
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"http://example.com/a b", "http://example.com/a%20b"},
        {"www.example.com", "http://www.example.com"},
        {"https://example.com/?q=\"x\";$(rm -rf ~)`id`", "https://example.com/?q=%22x%22;$(rm%20-rf%20~)%60id%60"},
        {"mailto:a@b.c", "mailto:a@b.c"},
        {"file:///etc/passwd", ""},
        {"javascript:alert(1)", ""},
        {"/usr/bin/xterm", ""},
        {"", ""},
        {"http://", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(normalisedWebAddress(QString::fromUtf8(r.in)).toStdString(), r.out) << r.in;
    EXPECT_FALSE(runCommand(QString(), {}));
}

} // namespace
} // namespace varnik

// What the user sees of the main window: view settings that follow every tab,
// the tab pop-up, double clicks, hand-overs to a hidden window, the printer.
#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"
#include "core/commands/commandids.h"
#include "support/scriptedsink.h"
#include "support/windowteststore.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"
#include "ui/platform/singleinstance.h"
#include "ui/shell/sdiappform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace varnik {
namespace {

class DocumentViewTest : public ::testing::Test {
protected:
    std::unique_ptr<SDIAppForm> make(std::initializer_list<std::pair<QString, QString>> values)
    {
        for (const auto& [name, value] : values)
            writeSetting(store, name, value);
        auto w = std::make_unique<SDIAppForm>(QStringList{QStringLiteral("varnik")}, store, &sink);
        w->show();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w->startupDone(); }));
        return w;
    }
    static long style(DocumentEdit* e, unsigned int message)
    {
        return e->SendScintilla(message, QsciScintillaBase::STYLE_DEFAULT);
    }

    test::WindowTestStore store;
    test::ScriptedSink sink;
};

TEST_F(DocumentViewTest, wordWrapAndFont_followEveryTab)
{
    auto w = make({{u"MultiDoc"_qs, u"1"_qs}, {u"WordWrap"_qs, u"1"_qs}});
    DocumentArea& docs = w->documents();
    docs.createDocumentTab();
    ASSERT_EQ(docs.tabs()->tabCount(), 2);

    w->commands().run(ids::Wordwrap1);
    QFont big = docs.editorSettings().font;
    big.setPointSize(14);
    QTimer::singleShot(0, [big] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentFont(big);
            dialog->accept();
        }
    });
    w->commands().run(ids::Setfont1);

    for (int tab : {0, 1, 0}) {
        docs.tabs()->setCurrentIndex(tab);
        DocumentEdit* e = docs.activeEdit();
        EXPECT_FALSE(e->wordWrap()) << "tab " << tab;
        EXPECT_EQ(style(e, QsciScintillaBase::SCI_STYLEGETSIZE), 14) << "tab " << tab;
    }
}

TEST_F(DocumentViewTest, fontColourAndUnderline_areApplied)
{
    // 255 is pure red in the stored Windows colour form (0x00BBGGRR).
    auto w = make({{u"FontColor"_qs, u"255"_qs}, {u"FontU"_qs, u"1"_qs}});
    DocumentEdit* e = w->activeEdit();
    EXPECT_EQ(style(e, QsciScintillaBase::SCI_STYLEGETFORE), 0x0000FF); // Scintilla's colours are BGR too
    EXPECT_EQ(style(e, QsciScintillaBase::SCI_STYLEGETUNDERLINE), 1);
}

TEST_F(DocumentViewTest, doubleClickOnEmptyDocument_runsOpen)
{
    auto w = make({});
    int opened = 0;
    w->commands().setHandler(ids::OpenItem, [&opened] { ++opened; });
    // The control's own double-click notification, as a real double click sends it.
    Q_EMIT w->activeEdit()->SCN_DOUBLECLICK(0, 0, 0);
    EXPECT_EQ(opened, 1);
    w->activeText().setText(u"x"_qs);
    Q_EMIT w->activeEdit()->SCN_DOUBLECLICK(0, 0, 0);
    EXPECT_EQ(opened, 1);
}

TEST_F(DocumentViewTest, tabPopup_actsOnTheClickedTab)
{
    auto w = make({{u"MultiDoc"_qs, u"1"_qs}});
    DocumentArea& docs = w->documents();
    docs.createDocumentTab();
    ASSERT_EQ(docs.tabs()->currentIndex(), 1);
    DocumentEdit* first = docs.tabs()->editAt(0);
    QTabBar* bar = docs.tabs()->tabBar();
    Q_EMIT bar->customContextMenuRequested(bar->tabRect(0).center());
    EXPECT_EQ(docs.tabs()->currentIndex(), 0);
    EXPECT_EQ(docs.activeEdit(), first);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    w->statusTick(); // a disabled command does not run: two tabs enable Close
    w->commands().run(ids::Close1);
    ASSERT_EQ(docs.tabs()->tabCount(), 1);
    EXPECT_NE(docs.tabs()->editAt(0), first);
}

TEST_F(DocumentViewTest, handOverWhileHiddenInTheTray_showsTheWindow)
{
    auto w = make({{u"MultiDoc"_qs, u"1"_qs}});
    SingleInstance instance;
    w->becomeFirstInstance(&instance);
    w->hide();
    Q_EMIT instance.fileReceived(QStringLiteral(VARNIK_TEST_DATA "/rtf/libreoffice-text.txt"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->documents().tabs()->tabCount(), 2);
}

TEST_F(DocumentViewTest, largeDocument_holdsWrapBack_untilTheUserAsks)
{
    auto w = make({{u"WordWrap"_qs, u"1"_qs}});
    DocumentEdit* e = w->activeEdit();
    auto wrapTicked = [&w] {
        w->statusTick();
        return w->commands().action(ids::Wordwrap1)->isChecked();
    };
    w->activeText().setText(u"a short text"_qs);
    EXPECT_TRUE(e->wordWrap());
    EXPECT_TRUE(wrapTicked());

    const QString line = QString(79, u'x') + u'\n';
    w->activeText().setText(line.repeated((2 << 20) / line.size())); // 2 MiB
    EXPECT_FALSE(e->wordWrap());
    EXPECT_FALSE(wrapTicked());
    EXPECT_FALSE(w->statusPanels()[6]->text().isEmpty()) << "the user is told why";

    w->commands().run(ids::Wordwrap1);
    EXPECT_TRUE(e->wordWrap());
    EXPECT_TRUE(wrapTicked());
    EXPECT_TRUE(w->settings().wordWrap);
}

TEST_F(DocumentViewTest, about_showsNameVersionsAndLicence_webItemsWaitForAddresses)
{
    auto w = make({});
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (about->objectName() == u"About1")
                if (auto* text = about->findChild<QLabel*>())
                    shown = text->text();
            about->accept();
        }
    });
    w->statusTick();
    w->commands().run(ids::About1);
    for (const QString& part : {u"Varnik"_qs, u"Version " VARNIK_VERSION ""_qs, u"Build "_qs, u"Qt 6."_qs,
                                u"QScintilla 2."_qs, u"Licence"_qs})
        EXPECT_TRUE(shown.contains(part)) << part.toStdString() << " in " << shown.toStdString();
    // This build names no web addresses: the items say so by staying disabled.
    for (CommandId id : {ids::Homepage1, ids::PayPaldonateinUSD1, ids::PayPaldonateinPLN1})
        EXPECT_FALSE(w->commands().action(id)->isEnabled());
}

TEST_F(DocumentViewTest, disabledItem_saysWhyInTheStatusBar)
{
    auto w = make({});
    w->statusTick();
    QAction* copy = w->commands().action(ids::Copy1);
    ASSERT_FALSE(copy->isEnabled());
    EXPECT_TRUE(copy->statusTip().endsWith(u"(Select some text first)"_qs)) << copy->statusTip().toStdString();

    QMenu* edit = w->commands().submenu(ids::Edit1);
    ASSERT_NE(edit, nullptr);
    edit->popup(w->mapToGlobal(QPoint(10, 10)));
    QTest::mouseMove(edit, edit->actionGeometry(copy).center());
    EXPECT_EQ(w->statusPanels()[6]->text(), copy->statusTip());
    edit->close();

    w->activeText().setText(u"abc"_qs);
    w->activeText().selectAll();
    w->statusTick();
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(copy->statusTip().contains(u"Select some text first"_qs));
}

TEST_F(DocumentViewTest, printerSetup_isWhatPrintUses)
{
    auto w = make({});
    QTimer::singleShot(0, [] {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget())) {
            setup->printer()->setPageOrientation(QPageLayout::Landscape);
            setup->reject();
        }
    });
    w->commands().run(ids::Printersetup1);
    std::optional<QPageLayout::Orientation> printing;
    QTimer::singleShot(0, [&printing] {
        if (auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            printing = print->printer()->pageLayout().orientation();
            print->reject();
        }
    });
    w->commands().run(ids::Print1);
    ASSERT_TRUE(printing.has_value());
    EXPECT_EQ(*printing, QPageLayout::Landscape);
}

} // namespace
} // namespace varnik

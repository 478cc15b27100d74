// The Edit and View commands that forward to the active edit control, and the
// window's own small commands (print, help, bug report, exit).
#include "ui/shell/sdiappform.h"

#include "core/app/bugreport.h"
#include "core/commands/commandids.h"
#include "ui/app/aboutbox.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/editorfont.h"
#include "ui/app/helpviewer.h"
#include "ui/app/mydlg.h"
#include "ui/tools/toolscontroller.h"
#include "ui/platform/launcher.h"
#include "ui/platform/systeminfo.h"

#include <QDateTime>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <Qsci/qsciprinter.h>

namespace varnik {

void SDIAppForm::registerEditViewCommands()
{
    CommandActions& c = *commands_;
    auto on = [&c](CommandId id, CommandActions::Handler h) { c.setHandler(id, std::move(h)); };

    on(ids::Undo2, [this] {
        activeText().undo();
        activeRecord().modified = true;
    });
    on(ids::Redo1, [this] {
        activeText().redo();
        activeRecord().modified = true;
    });
    on(ids::Clearundobuffer1, [this] { activeText().clearUndoHistory(); });
    // Clipboard commands act only while the edit has the keyboard focus, so
    // they never steal a shortcut from a dialog field.
    on(ids::Cut1, [this] {
        if (activeEdit()->hasFocus() && activeText().selectionLength() > 0) {
            tools_->collect(activeText().selectedText());
            activeEdit()->cut();
        }
    });
    on(ids::Copy1, [this] {
        if (activeEdit()->hasFocus() && activeText().selectionLength() > 0) {
            tools_->collect(activeText().selectedText());
            activeEdit()->copy();
        }
    });
    on(ids::Paste1, [this] {
        if (activeEdit()->hasFocus())
            activeEdit()->paste();
    });
    on(ids::Wordwrap1, [this] {
        // A large document that holds wrap back shows the item unticked: the
        // tick wraps it after all, as the user asks.
        if (activeEdit()->wrapHeldBack()) {
            activeEdit()->wrapAnyway();
            commands_->setChecked(ids::Wordwrap1, true);
            return;
        }
        settings_.wordWrap = !settings_.wordWrap;
        commands_->setChecked(ids::Wordwrap1, settings_.wordWrap);
        EditorSettings e = documents_->editorSettings();
        e.wordWrap = settings_.wordWrap;
        documents_->setEditorSettings(e);
        const bool modified = activeRecord().modified;
        documents_->applyViewSettings();
        activeRecord().modified = modified;
    });
    on(ids::Speedpanel1, [this] {
        settings_.toolbar = !toolbar_->isVisible();
        toolbar_->setVisible(settings_.toolbar);
        commands_->setChecked(ids::Speedpanel1, settings_.toolbar);
    });
    on(ids::Statusbar1, [this] {
        settings_.statusBar = !statusBar()->isVisible();
        statusBar()->setVisible(settings_.statusBar);
        commands_->setChecked(ids::Statusbar1, settings_.statusBar);
    });
    on(ids::Setfont1, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, documents_->editorSettings().font, this);
        if (!ok)
            return;
        storeEditorFont(settings_, font);
        EditorSettings e = documents_->editorSettings();
        e.font = font;
        documents_->setEditorSettings(e);
        documents_->applyViewSettings();
    });
    auto printer = [this]() -> QsciPrinter& {
        if (!printer_) {
            printer_ = std::make_unique<QsciPrinter>();
            printer_->setPageMargins(QMarginsF(40, 40, 40, 40), QPageLayout::Point);
        }
        return *printer_;
    };
    on(ids::Print1, [this, printer] {
        QsciPrinter& p = printer();
        QPrintDialog dialog(&p, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QString name = activeRecord().fileName;
        p.setDocName(name.isEmpty() ? QStringLiteral("Varnik - Untitled") : name);
        p.setWrapMode(QsciScintilla::WrapWord);
        p.printRange(activeEdit());
    });
    on(ids::Printersetup1, [this, printer] {
        QPageSetupDialog dialog(&printer(), this);
        dialog.exec();
    });
    on(ids::Helptopics1, [this] { showHelp(this); });
    on(ids::ExitItem, [this] { close(); });
    on(ids::BUGREPORTFORM1, [this] { bugReportForm(); });
    on(ids::About1, [this] {
        AboutBox about(this);
        about.exec();
    });
    // Addresses come from the build; an item without one has no handler and stays disabled.
    const std::pair<CommandId, const char*> addresses[] = {
        {ids::Homepage1, VARNIK_HOME_PAGE_URL},
        {ids::PayPaldonateinUSD1, VARNIK_DONATE_USD_URL},
        {ids::PayPaldonateinPLN1, VARNIK_DONATE_PLN_URL},
    };
    for (const auto& [id, address] : addresses)
        if (const QString url = QString::fromUtf8(address); !url.isEmpty())
            on(id, [url] { openUrl(url); });
}

void SDIAppForm::bugReportForm()
{
    myMessageDlg(QStringLiteral("Please fill in the form and send it to varnik-bugs@users.noreply.localhost.\r\n"
                                "Feel free to delete \"User Name\" and \"Company Name\" fields if you wish..."),
                 2, Buttons::OK, this);
    if (!makeRoomForResult(false))
        return;
    SystemInformation info = readSystemInformation();
    info.productId = bugReportId(store_);
    const QString text = bugReportText(info, QDateTime::currentDateTime(),
                                       QStringLiteral(VARNIK_VERSION), QStringLiteral(__DATE__ " " __TIME__));
    activeText().selectAll();
    activeText().replaceSelection(text);
}

} // namespace varnik

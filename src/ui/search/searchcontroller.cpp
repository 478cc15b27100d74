#include "ui/search/searchcontroller.h"

#include "core/app/documentfile.h"
#include "core/app/documentinfo.h"
#include "core/app/error.h"
#include "core/app/filetexts.h"
#include "core/app/messagesink.h"
#include "core/app/settings.h"
#include "core/commands/commandids.h"
#include "core/search/findcommands.h"
#include "core/search/gotoline.h"
#include "core/search/grep.h"
#include "core/search/replacecommands.h"
#include "core/search/websearch.h"
#include "ui/app/activedocument.h"
#include "ui/app/busycursor.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/filedialogs.h"
#include "ui/platform/launcher.h"
#include "ui/search/bookmarkmenuactions.h"
#include "ui/search/formgotoline.h"
#include "ui/search/greplistmodel.h"
#include "ui/search/greppanel.h"
#include "ui/search/myfinddlg.h"
#include "ui/search/myrepldlg.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSaveFile>

namespace varnik {

namespace {

// The busy cursor while a search runs over a document that may be large; it
// steps aside while a message waits for an answer.
class BusySink : public MessageSink {
public:
    explicit BusySink(MessageSink& inner) : inner_(inner) {}

    int message(const QString& text, MessageKind kind, int buttons) override
    {
        BusyCursor::Aside aside;
        return inner_.message(text, kind, buttons);
    }
    void errorBox(const QString& text) override
    {
        BusyCursor::Aside aside;
        inner_.errorBox(text);
    }

private:
    BusyCursor busy_;
    MessageSink& inner_;
};

} // namespace

SearchController::SearchController(ActiveDocument& window) : QObject(&window.hostWindow()), window_(window)
{
    setObjectName(QStringLiteral("SearchController"));
    find_ = new MyFindDlg(&window.hostWindow());
    replace_ = new MyReplDlg(&window.hostWindow());
    connect(find_, &MyFindDlg::findNextClicked, this, &SearchController::findDialogFindNext);
    connect(find_, &QDialog::finished, this, [this] { findDialogClosed(record().search, find_->state()); });
    connect(replace_, &MyReplDlg::findNextClicked, this, [this] { replaceDialogButton(0); });
    connect(replace_, &MyReplDlg::replaceClicked, this, [this] { replaceDialogButton(1); });
    connect(replace_, &MyReplDlg::replaceAllClicked, this, [this] { replaceDialogButton(2); });
    connect(replace_, &QDialog::finished, this,
            [this] { replaceDialogClosed(record().search, replace_->state()); });

    grep_ = new GrepPanel(&window.hostWindow());
    grep_->hide();
    window.setBottomPanel(grep_);
    connect(grep_, &GrepPanel::entryActivated, this, &SearchController::grepEntryActivated);
    QMenu* popup = window.commands().popupMenu(ids::PopupMenuGrep, grep_);
    grep_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grep_, &QWidget::customContextMenuRequested, popup,
            [this, popup](const QPoint& p) { popup->popup(grep_->viewport()->mapToGlobal(p)); });

    QMenu* createMenu = window.commands().submenu(ids::Create1);
    QMenu* goToMenu = window.commands().submenu(ids::Goto1);
    bookmarks_ = new BookmarkMenuActions(&window.hostWindow(), createMenu, goToMenu);
    connect(bookmarks_, &BookmarkMenuActions::itemTriggered, this, [this](const BookmarkMenuItem& item) {
        runBookmarkItem(item, record().bookmarks, text());
        rebuildBookmarkMenus();
    });
    // Opening a file or New changes the bookmarks without a signal: the menus
    // are brought up to date whenever they open, too.
    for (QMenu* menu : {createMenu, goToMenu})
        if (menu)
            connect(menu, &QMenu::aboutToShow, this, &SearchController::rebuildBookmarkMenus);
    connect(&window.documents(), &DocumentArea::activeDocumentChanged, this,
            &SearchController::rebuildBookmarkMenus);
    rebuildBookmarkMenus();

    chooseSaveFile_ = [this] {
        return askSaveFileName(&window_.hostWindow(), FileTexts::kSaveAsTitle.toString(), QString());
    };
    openUrl_ = [](const QString& address) { openUrl(address); };

    registerCommands();
    registerGrepCommands();
}

SearchController::~SearchController() = default;

MessageSink& SearchController::messages()
{
    return sink_ ? *sink_ : window_.messages();
}

TextEdit& SearchController::text()
{
    return window_.activeText();
}

DocumentInfo& SearchController::record()
{
    return window_.activeRecord();
}

void SearchController::registerCommands()
{
    CommandActions& c = window_.commands();
    c.setHandler(ids::Find1, [this] { findCommand(); });
    c.setHandler(ids::Findnext1, [this] { findNextCommand(); });
    c.setHandler(ids::Replace1, [this] { replaceCommand(); });
    c.setHandler(ids::AskGooglecom1, [this] { openUrl_(webSearchUrl(text().selectedText())); });
    c.setHandler(ids::SearchIMDB1, [this] { openUrl_(filmSearchUrl(text().selectedText())); });
    c.setHandler(ids::Clearbookmarks1, [this] {
        record().bookmarks.clear();
        rebuildBookmarkMenus();
    });
    c.setHandler(ids::Gotoline1, [this] { gotoLineCommand(); });
}

void SearchController::registerGrepCommands()
{
    CommandActions& c = window_.commands();
    c.setHandler(ids::Closeresults1, [this] {
        grep_->hide();
        window_.setStatusText(QString()); // the grep's note goes with its list
    });
    c.setHandler(ids::Clearresults1, [this] { grep_->clear(); });
    c.setHandler(ids::Saveresultstofile1, [this] { saveGrepResults(); });
    c.setHandler(ids::Copytoclipboard1,
                 [this] { QApplication::clipboard()->setText(grep_->result().toText()); });
}

void SearchController::rebuildBookmarkMenus()
{
    bookmarks_->rebuild(record().bookmarks);
}

void SearchController::focusEdit()
{
    window_.hostWindow().activateWindow();
    if (DocumentEdit* edit = window_.activeEdit())
        edit->setFocus();
}

void SearchController::findCommand()
{
    openFindDialog(text(), record().search, find_->state());
    find_->showState();
    find_->present();
}

void SearchController::findNextCommand()
{
    runFind(false);
}

void SearchController::findDialogFindNext()
{
    find_->accept();
    runFind(true);
}

void SearchController::runFind(bool fromDialog)
{
    try {
        GrepResult grep;
        FindOutcome outcome;
        {
            BusySink busy(messages());
            if (find_->state().grep)
                announceGrep();
            const bool lineNumbers = window_.settings().grepLineNo;
            outcome = fromDialog ? varnik::findDialogFindNext(text(), record().search, find_->state(), grep,
                                                              lineNumbers, busy)
                                 : findNext(text(), record().search, find_->state(), grep, lineNumbers, busy);
        }
        switch (outcome) {
        case FindOutcome::Found:
            focusEdit();
            break;
        case FindOutcome::Grepped:
            showGrep(std::move(grep));
            break;
        case FindOutcome::ShowFindDialog:
            find_->showState();
            find_->present();
            break;
        case FindOutcome::NotFound:
            break;
        }
    } catch (const Error& e) {
        window_.setStatusText(QString());
        messages().errorBox(e.message());
    } catch (const std::bad_alloc&) {
        window_.setStatusText(QString());
        messages().errorBox(QStringLiteral("Out of memory"));
    }
}

void SearchController::announceGrep()
{
    // Painted now: the grep holds the event loop until it is done.
    window_.showStatusTextNow(FileTexts::kStatusWait.toString());
}

void SearchController::showGrep(GrepResult result)
{
    grep_->setResult(std::move(result));
    grep_->show();
    window_.setStatusText(FileTexts::kStatusOk.toString());
}

void SearchController::grepEntryActivated(qsizetype row)
{
    if (goToGrepEntry(text(), grep_->result(), row, find_->state().text))
        focusEdit();
}

void SearchController::saveGrepResults()
{
    const QString name = chooseSaveFile_();
    if (name.isEmpty())
        return;
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        BusyCursor busy;
        written = grep_->result().writeText(file) && file.commit();
    }
    if (!written)
        messages().message(writeErrorMessage(name, file.errorString()), MessageKind::Error, Buttons::OK);
}

void SearchController::replaceCommand()
{
    openReplaceDialog(text(), record().search, replace_->state());
    replace_->showState();
    replace_->present();
}

void SearchController::replaceDialogButton(int which)
{
    ReplaceDialogState& state = replace_->state();
    try {
        BusySink busy(messages());
        if (which == 0)
            replaceDialogFindNext(text(), record().search, state);
        else if (which == 1)
            replaceDialogReplace(text(), record().search, state, busy);
        else
            replaceDialogReplaceAll(text(), record().search, state, busy);
    } catch (const Error& e) {
        messages().errorBox(e.message());
    } catch (const std::bad_alloc&) {
        messages().errorBox(QStringLiteral("Out of memory"));
    }
    // The histories may have grown.
    replace_->showState();
}

void SearchController::gotoLineCommand()
{
    FormGoToLine form(&window_.hostWindow(), messages());
    if (form.exec() != QDialog::Accepted)
        return;
    try {
        gotoLine(text(), form.text());
    } catch (const Error& e) {
        messages().errorBox(e.message());
        return;
    }
    focusEdit();
}

} // namespace varnik

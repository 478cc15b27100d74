#include "ui/shell/sdiappform.h"

#include "core/app/closesequence.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "core/app/messagesink.h"
#include "core/app/session.h"
#include "core/app/settingsstore.h"
#include "core/app/shortenname.h"
#include "core/commands/toolbarbuttons.h"
#include "core/keymap/keymapfile.h"
#include "core/text/cnvtablecommand.h"
#include "platform/programdata.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"
#include "ui/app/editorfont.h"
#include "ui/app/filecontroller.h"
#include "ui/app/mydlg.h"
#include "ui/app/statusline.h"
#include "ui/app/tipform.h"
#include "ui/platform/launcher.h"
#include "ui/platform/singleinstance.h"
#include "ui/platform/systeminfo.h"
#include "ui/hexedit/hexeditcommand.h"
#include "ui/search/searchcontroller.h"
#include "ui/shell/trayicon.h"
#include "ui/tools/toolscontroller.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QSplitter>
#include <QTabBar>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <Qsci/qsciprinter.h>

// The icons are compiled into the ui library, and a static library's
// resources are linked in only when something names them.
static void initResources()
{
    Q_INIT_RESOURCE(varnik);
}

namespace varnik {

SDIAppForm::SDIAppForm(const QStringList& args, SettingsStore& store, MessageSink* messages, QWidget* parent)
    : QMainWindow(parent), store_(store), args_(args)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnik.svg")));
    if (!messages) {
        dialogSink_ = std::make_unique<DialogMessageSink>(this);
        messages = dialogSink_.get();
    }
    messages_ = messages;

    // Settings first: everything below depends on them.
    settings_ = loadSettings(store_);

    documents_ = new DocumentArea(this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("MainSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(documents_);
    setCentralWidget(splitter_);
    commands_ = new CommandActions(this, *messages_);
    commands_->buildMainMenu(menuBar());
    applyStartupKeyMap(settings_, CommandTable::standard(), *commands_);
    connect(commands_, &CommandActions::commandRun, this, [this] { statusTick(); });
    editPopup_ = commands_->popupMenu(ids::MainEditPopupMenu, this);
    tabsPopup_ = commands_->popupMenu(ids::PopupMenuTabs, this);
    status_ = std::make_unique<StatusLine>(statusBar());
    buildToolbar();
    registerEditViewCommands();
    registerDocumentCommands();
    registerTextCommands();
    files_ = new FileController(*this, store_);
    search_ = new SearchController(*this);
    tools_ = new ToolsController(*this);
    commands_->setHandler(ids::Showtips1, [this] { showTips(*this, settings_, *messages_, true); });
    commands_->setHandler(ids::Hexedit1, [this] {
        hexEditCommand(*this);
    });

    connect(documents_, &DocumentArea::activeDocumentChanged, this,
            [this] { setTitle(documents_->activeRecord().fileName); });
    connect(documents_, &DocumentArea::urlClicked, this, [](const QString& url) { openUrl(url); });
    documents_->setPopupMenus(editPopup_, tabsPopup_);
    connect(documents_, &DocumentArea::wrapHeldBackChanged, this, [this](bool heldBack) {
        setStatusText(heldBack ? QStringLiteral("Word wrap is off for this large document (View, Word wrap turns it on)")
                               : QString());
        statusTick();
    });
    connect(documents_, &DocumentArea::emptyDocumentDoubleClicked, this,
            [this] { commands_->run(ids::OpenItem); });

    // Each character-table item shows only when the table it loads is there.
    for (const CommandId id : {ids::CP1250toISO885921, ids::ISO88592toCP12501, ids::CP1250toNOPL1,
                               ids::ISO88592toNOPL1})
        if (const CnvTableCommand* table = findCnvTableCommand(id.name()))
            if (QAction* a = commands_->action(id))
                a->setVisible(!findProgramDataFile(table->fileName.toString()).isEmpty());

    if (settings_.stayOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    documents_->setEditorSettings(editorSettings(settings_));
    if (settings_.multiDoc)
        documents_->enterMultiDoc();
    documents_->resetActiveRecord();
    setTitle(QString());
    tray_ = TrayIcon::create(*this, *commands_);

    statusTimer_.setSingleShot(true);
    statusTimer_.setInterval(50);
    connect(&statusTimer_, &QTimer::timeout, this, &SDIAppForm::statusTick);
    statusTimer_.start();
    resize(760, 560);
}

SDIAppForm::~SDIAppForm() = default;

bool SDIAppForm::wantsHandOver(const Settings& settings, const QStringList& args)
{
    return settings.multiDoc && !args.value(1).isEmpty() && settings.dfltONT && args.value(2) != u"-n";
}

void SDIAppForm::becomeFirstInstance(SingleInstance* instance)
{
    instance_ = instance;
    connect(instance, &SingleInstance::fileReceived, this, &SDIAppForm::onHandOver);
}

void SDIAppForm::setBottomPanel(QWidget* panel)
{
    splitter_->addWidget(panel);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
}

QStatusBar* SDIAppForm::progressBarHost() { return statusBar(); }

const std::array<QLabel*, 8>& SDIAppForm::statusPanels() const { return status_->panels(); }

void SDIAppForm::setTitle(const QString& fileName)
{
    setWindowTitle(windowTitleFor(fileName));
    documents_->refreshTabCaptions();
}

void SDIAppForm::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
}

void SDIAppForm::setStatusText(const QString& text) { status_->setHint(text); }

void SDIAppForm::showStatusTextNow(const QString& text) { status_->showHintNow(text); }

void SDIAppForm::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void SDIAppForm::dropEvent(QDropEvent* e)
{
    if (files_->openDropped(e->mimeData()->urls()))
        e->acceptProposedAction();
}

bool SDIAppForm::event(QEvent* e)
{
    // Hints of the item under the mouse go to the last panel.
    if (e->type() == QEvent::StatusTip) {
        setStatusText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void SDIAppForm::changeEvent(QEvent* e)
{
    // Coming back to the window puts the caret in the document, unless a
    // control of the window (the grep list) already has the keyboard.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && activeEdit()) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !isAncestorOf(focus))
            activeEdit()->setFocus();
    }
    QMainWindow::changeEvent(e);
}

CommandStateInputs SDIAppForm::commandState()
{
    const TextEdit& t = activeText();
    CommandStateInputs in;
    in.multiDoc = documents_->isMultiDoc();
    in.dfltONT = settings_.dfltONT;
    in.tabCount = documents_->isMultiDoc() ? documents_->tabs()->tabCount() : 1;
    in.documentEmpty = t.length() == 0;
    in.hasSelection = t.selectionLength() > 0;
    in.hasFileName = !documents_->activeRecord().fileName.isEmpty();
    in.canUndo = t.canUndo();
    in.canRedo = t.canRedo();
    in.multiClip = settings_.multiClip;
    in.multiClipboardEmpty = tools_->multiClipboard().isEmpty();
    in.clipboardHasText = tools_->clipboardHasText();
    in.canPaste = in.clipboardHasText && !activeEdit()->isReadOnly();
    return in;
}

void SDIAppForm::statusTick()
{
    statusTimer_.stop();
    const TextEdit& t = activeText();
    const DocumentInfo& active = documents_->activeRecord();
    status_->follow(t, active.modified, activeEdit()->overwriteMode(), active.encoding.name());

    const CommandStateInputs state = commandState();
    commands_->refreshEnabled(state);
    commands_->setChecked(ids::Wordwrap1, settings_.wordWrap && !activeEdit()->wrapHeldBack());

    DocumentInfo& record = documents_->activeRecord();
    record.selStart = static_cast<qint32>(t.selectionStart());
    record.selLength = static_cast<qint32>(t.selectionLength());
    statusTimer_.start();

    // The start-up tip comes once the window is up; from the event loop, so that a tips file that
    // cannot be read, reported in a dialog, leaves the ticks running.
    if (!tipsShown_ && settings_.showTipsAtStartup && startupDone_ && isVisible()) {
        tipsShown_ = true;
        QTimer::singleShot(0, this, [this] { showTips(*this, settings_, *messages_, false); });
    }
}

void SDIAppForm::applySettings()
{
    files_->applySettings();
    documents_->setEditorSettings(editorSettings(settings_));
    if (settings_.multiDoc)
        documents_->enterMultiDoc();
    else if (!documents_->enterSingleDoc([this] {
                 return messages_->message(
                            QStringLiteral("Only content of current tab will be preserved. Continue anyway?"),
                            MessageKind::Confirmation, Buttons::YesNo) == Result::Yes;
             }))
        settings_.multiDoc = true;
    documents_->applyEditorSettings();
    documents_->refreshTabCaptions();

    toolbar_->clear();
    for (int code : parseToolbarButtons(settings_.toolbarButtons).visible) {
        const ToolbarButton* b = toolbarButton(code);
        if (!b)
            continue;
        QAction* a = commands_->action(b->command);
        if (!a)
            continue;
        toolbar_->addAction(a);
        if (QWidget* button = toolbar_->widgetForAction(a))
            button->setObjectName(b->name());
    }
}

void SDIAppForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!firstShown_) {
        firstShown_ = true;
        QTimer::singleShot(0, this, &SDIAppForm::firstShow);
    }
}

void SDIAppForm::firstShow()
{
    applySettings();
    setAcceptDrops(true);
    toolbar_->setVisible(settings_.toolbar);
    statusBar()->setVisible(settings_.statusBar);
    commands_->setChecked(ids::Speedpanel1, settings_.toolbar);
    commands_->setChecked(ids::Statusbar1, settings_.statusBar);
    commands_->setChecked(ids::Wordwrap1, settings_.wordWrap && !activeEdit()->wrapHeldBack());
    tools_->loadFavourites();
    files_->start(args_.value(1));
    // Settings lines that could not be read are said once; the rest were kept.
    if (const QString problem = store_.readProblem(); !problem.isEmpty())
        setStatusText(problem);
    startupDone_ = true;
    Q_EMIT startupFinished();
}

} // namespace varnik

namespace varnik {

void SDIAppForm::registerDocumentCommands()
{
    CommandActions& c = *commands_;
    auto on = [&c](CommandId id, CommandActions::Handler h) { c.setHandler(id, std::move(h)); };
    on(ids::Newemptytab2, [this] { documents_->createDocumentTab(); });
    on(ids::Previoustab1, [this] { documents_->previousTab(); });
    on(ids::Nexttab1, [this] { documents_->nextTab(); });
    on(ids::Close1, [this] {
        documents_->closeTab([this] {
            return files_->askSave(QStringLiteral("Do you want to save changes before opening another file?")) !=
                   Result::Cancel;
        });
    });
    on(ids::Duplicateintonewtab1, [this] { documents_->duplicateIntoNewTab(); });
}

bool SDIAppForm::makeRoomForResult(bool clearDocument)
{
    if (documents_->isMultiDoc()) {
        documents_->createDocumentTab();
        return true;
    }
    if (files_->askSave(QStringLiteral("Do you want to save changes before that action?")) == Result::Cancel)
        return false;
    if (clearDocument)
        files_->newDocument();
    return true;
}

bool SDIAppForm::runCloseSequence()
{
    const DocumentInfo record = activeRecord();
    if (documents_->isMultiDoc()) {
        QStringList files;
        for (int i = 0; i < documents_->tabs()->tabCount(); ++i)
            files << documents_->tabs()->dataAt(i)->fileName;
        writeSession(store_, defaultSessionName(), files);
    }
    const bool closes = askSaveEveryDocument(
        [this] { return documents_->tabCount(); },
        [this] { return files_->askSave(QStringLiteral("Do you want to save the changes?")); },
        [this] { documents_->closeActiveTabQuietly(); });
    if (!closes)
        return false;
    files_->storeDocumentFileInfo(record);
    settings_.stayOnTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    saveSettings(store_, settings_);
    store_.flush();
    return true;
}

void SDIAppForm::closeEvent(QCloseEvent* e)
{
    if (!runCloseSequence()) {
        e->ignore();
        return;
    }
    if (closeHidesInTray(settings_.trayIcon, tray_ != nullptr, trayActive(store_), tray_ && tray_->exitChosen())) {
        // The first close hides the window in the tray with a fresh document.
        setTrayActive(store_, true);
        store_.flush();
        hide();
        activeRecord().modified = false;
        files_->newDocument();
        tray_->show();
        e->ignore();
        return;
    }
    setTrayActive(store_, false);
    store_.flush();
    if (const QString problem = store_.saveProblem(); !problem.isEmpty())
        messages_->message(problem, MessageKind::Warning, Buttons::OK);
    tools_->saveFavourites();
    files_->discardAutosaves();
    e->accept();
}

void SDIAppForm::onHandOver(const QString& path)
{
    if (!settings_.multiDoc)
        return;
    documents_->createDocumentTab();
    files_->openFileInto(path);
    activeText().setModified(false);
    // The window may be minimised or hidden in the tray.
    if (isMinimized() || !isVisible())
        showNormal();
    raise();
    activateWindow();
}

} // namespace varnik

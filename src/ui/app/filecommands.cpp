// The File menu: opening, saving, recent files, block read and write, file
// information, dropped files, autosave and recovery.
#include "ui/shell/sdiappform.h"

#include "core/app/asksave.h"
#include "core/app/codepage.h"
#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/filefacts.h"
#include "core/app/fileinfo.h"
#include "core/app/filetexts.h"
#include "core/app/session.h"
#include "core/app/shortenname.h"
#include "core/commands/commandids.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"
#include "ui/app/longoperation.h"
#include "ui/app/mydlg.h"
#include "ui/app/scintilladocumentloader.h"
#include "ui/platform/launcher.h"
#include "ui/platform/systeminfo.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

#include <thread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnik {

namespace {

// The busy cursor for the length of a long step.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QString filterString() { return FileTexts::nameFilters().join(QStringLiteral(";;")); }

FileInfo toFileInfo(const DocumentInfo& record, const QRect& window)
{
    FileInfo info;
    info.left = window.x();
    info.top = window.y();
    info.width = window.width();
    info.height = window.height();
    info.selStart = record.selStart;
    info.selLength = record.selLength;
    for (int i = 0; i < FileInfo::kBookmarks; ++i) {
        const Bookmark& b = record.bookmarks.bookmark(i + 1);
        info.bookmarks[static_cast<size_t>(i)] = {b.column, b.line};
    }
    return info;
}

// Feeds a file's text into a new document of the edit while the window keeps painting.
class EditLoad : public TextReceiver {
public:
    EditLoad(QsciScintillaBase* edit, LongOperation& operation) : loader_(edit), operation_(operation) {}

    void begin(qint64 bytes) override { loader_.begin(bytes); }
    void append(QByteArrayView utf8, qint64 read, qint64 size) override
    {
        loader_.append(utf8);
        operation_.progress(read, size);
    }
    ScintillaDocumentLoader& loader() { return loader_; }

private:
    ScintillaDocumentLoader loader_;
    LongOperation& operation_;
};

// For bench/run_open_save.sh: with VARNIK_BENCH_EXIT_AFTER_PAINT=1 the program
// ends as soon as the document opened from the command line has been painted;
// VARNIK_BENCH_SAVE_TO names a file to save it to (as Save as) before that.
class BenchExit : public QObject {
public:
    BenchExit(SDIAppForm* form, DocumentEdit* edit) : QObject(form), form_(form), edit_(edit)
    {
        edit->viewport()->installEventFilter(this);
        edit->viewport()->update();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Runs once this paint is over.
            QTimer::singleShot(0, this, [this] {
                const QString saveTo = qEnvironmentVariable("VARNIK_BENCH_SAVE_TO");
                if (!saveTo.isEmpty() && !form_->saveDocumentAs(edit_, saveTo, false, false))
                    QCoreApplication::exit(1);
                else
                    QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    SDIAppForm* form_;
    DocumentEdit* edit_;
    bool done_ = false;
};

} // namespace

QString SDIAppForm::dialogDirectory() const
{
    if (settings_.useDlftDir && !settings_.loadSaveDir.isEmpty())
        return settings_.loadSaveDir;
    return dialogDir_;
}

void SDIAppForm::addRecentFile(const QString& fileName)
{
    settings_.lastFiles.add(fileName, settings_.lastUsedCnt);
    rebuildRecentMenus();
    writeRecentFiles(store_, settings_.lastFiles);
}

void SDIAppForm::rebuildRecentMenus()
{
    const auto shorten = [](const QString& name) { return shortenName(name, QString()); };
    const std::pair<CommandId, bool> menus[] = {{ids::Reopen1, false}, {ids::Reopenrecent1, true}};
    for (const auto& [id, tray] : menus) {
        QMenu* menu = commands_->submenu(id);
        if (!menu)
            continue;
        menu->clear();
        for (const RecentFiles::MenuItem& item : settings_.lastFiles.menuItems(settings_.lastUsedCnt, tray, shorten)) {
            QAction* a = menu->addAction(item.caption);
            a->setObjectName(item.objectName);
            a->setEnabled(item.enabled);
            if (item.slot > 0) {
                const int slot = item.slot;
                connect(a, &QAction::triggered, this, [this, slot] { openRecent(slot); });
            }
        }
    }
}

void SDIAppForm::storeDocumentFileInfo(const DocumentInfo& record)
{
    if (!record.fileName.isEmpty())
        storeFileInfo(store_, settings_, record.fileName, toFileInfo(record, geometry()));
}

void SDIAppForm::restoreDocumentFileInfo(DocumentInfo& record)
{
    FileInfo info;
    const bool readWindow = !documents_->isMultiDoc() || documents_->tabs()->tabCount() < 2;
    const FileInfoLoad load = loadFileInfo(store_, settings_, record.fileName, readWindow, info);
    if (load.window && info.width > 100 && info.height > 100)
        setGeometry(info.left, info.top, info.width, info.height);
    record.selStart = info.selStart;
    record.selLength = info.selLength;
    for (int i = 0; i < FileInfo::kBookmarks; ++i) {
        const auto& b = info.bookmarks[static_cast<size_t>(i)];
        record.bookmarks.setBookmark(i + 1, Bookmark{b.column, b.line});
    }
}

bool SDIAppForm::openFileInto(const QString& fileName)
{
    if (LongOperation::running())
        return false; // one file at a time
    // The text goes straight from the file into a new document of the edit,
    // which replaces the old one only once it is complete.
    const QPointer<DocumentEdit> edit = activeEdit();
    DocumentFormat format;
    {
        LongOperation operation(statusBar());
        setStatusText(FileTexts::kStatusOpening.toString());
        operation.repaint();
        QString failure;
        try {
            EditLoad load(edit, operation);
            format = streamDocumentFile(fileName, load, LoadOptions{legacyCodePage(settings_.codePage)});
            setStatusText(FileTexts::kStatusWait.toString());
            operation.repaint();
            if (edit)
                edit->scintillaEdit().finishLoad(load.loader());
        } catch (const Error& e) {
            failure = e.message();
        } catch (const std::bad_alloc&) {
            failure = readErrorMessage(fileName, QStringLiteral("Not enough memory to hold the document"));
        }
        if (!failure.isEmpty()) {
            setStatusText(QString());
            messages_->message(failure, MessageKind::Error, Buttons::OK);
            return false;
        }
    }
    DocumentInfo* record = documents_->recordOf(edit);
    if (!edit || !record)
        return false;
    const QString name = QFileInfo(fileName).absoluteFilePath();
    addRecentFile(name);
    record->fileName = name;
    record->modified = false;
    record->encoding = format.encoding;
    setTitle(name);
    restoreDocumentFileInfo(*record);
    if (settings_.extraInfo)
        edit->textEdit().setSelection(record->selStart, record->selLength);
    dialogDir_ = QFileInfo(name).absolutePath();
    setStatusText(FileTexts::kStatusOk.toString());
    edit->textEdit().setModified(false);
    return true;
}

void SDIAppForm::newDocument()
{
    panels_[0]->setText(QStringLiteral("1:1"));
    activeEdit()->setVisible(true);
    activeText().setText(QString());
    documents_->resetActiveRecord();
    setTitle(QString());
}

bool SDIAppForm::reuseOrCreateTabForOpen()
{
    if (!(settings_.multiDoc && settings_.dfltONT))
        return false;
    const DocumentInfo& r = activeRecord();
    if (r.fileName.isEmpty() && !r.modified && activeText().length() == 0)
        return false;
    documents_->createDocumentTab();
    return true;
}

void SDIAppForm::openChosenFile(const QString& fileName)
{
    const bool newTab = reuseOrCreateTabForOpen();
    if (!openFileInto(fileName) && newTab)
        documents_->closeActiveTabQuietly(); // the tab made for it would stay empty
}

void SDIAppForm::openRecent(int slot)
{
    const QString name = settings_.lastFiles.slot(slot);
    if (name.isEmpty())
        return;
    if (!isVisible())
        show();
    if (askSave(FileTexts::kSaveBeforeOpening.toString()) == Result::Cancel)
        return;
    openChosenFile(name);
}

bool SDIAppForm::saveDocumentAs(DocumentEdit* edit, const QString& fileName, bool makeBackup, bool updateState)
{
    if (fileName.isEmpty() || !edit)
        return false;
    DocumentInfo* record = documents_->recordOf(edit);
    if (!record)
        return false;
    SaveResult result;
    {
        LongOperation operation(statusBar());
        setStatusText(FileTexts::kStatusWait.toString());
        operation.repaint();
        // Encoded piece by piece from the edit's own buffer, which stays put:
        // user input waits until the save is over.
        const SaveOptions options{settings_.createBackup, settings_.bakExt, settings_.crlf};
        result = saveUtf8Document(
            fileName, makeBackup, edit->scintillaEdit().utf8Text(), record->encoding, options, *messages_,
            [&operation](qint64 done, qint64 total) { operation.progress(done, total); });
    }
    setStatusText(result.saved ? FileTexts::kStatusOk.toString() : QString());
    if (!result.saved)
        return false;
    const QString name = QFileInfo(fileName).absoluteFilePath();
    addRecentFile(name);
    if (updateState) {
        record->modified = false;
        record->fileName = name;
        record->encoding = result.encoding;
        edit->textEdit().setModified(false);
        if (edit == activeEdit())
            setWindowTitle(windowTitleFor(name));
        dialogDir_ = QFileInfo(name).absolutePath();
        storeDocumentFileInfo(*record);
        if (autosave_)
            autosave_->discard(static_cast<int>(record->id));
    }
    return true;
}

QString SDIAppForm::saveAsDialog(const QString& start)
{
    QFileDialog dialog(this, FileTexts::kSaveAsTitle.toString(), start.isEmpty() ? dialogDirectory() : start,
                       filterString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FileTexts::kDefaultExtension.toString());
    if (!settings_.overWriteConfirm)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool SDIAppForm::saveActive()
{
    QString name = activeRecord().fileName;
    if (name.isEmpty())
        name = saveAsDialog(QString());
    return !name.isEmpty() && saveDocumentAs(activeEdit(), name, true, true);
}

void SDIAppForm::registerFileCommands()
{
    CommandActions& c = *commands_;
    auto on = [&c](CommandId id, CommandActions::Handler h) { c.setHandler(id, std::move(h)); };

    on(ids::New1, [this] {
        if (activeRecord().modified && settings_.warnings &&
            messages_->message(FileTexts::kNewAnyway.toString(), MessageKind::Confirmation, Buttons::YesNo) !=
                Result::Yes)
            return;
        newDocument();
    });
    on(ids::OpenItem, [this] {
        if (askSave(FileTexts::kSaveBeforeOpening.toString()) == Result::Cancel)
            return;
        const QString name =
            QFileDialog::getOpenFileName(this, FileTexts::kOpenTitle.toString(), dialogDirectory(), filterString());
        if (!name.isEmpty())
            openChosenFile(name);
    });
    on(ids::Openinnewtab1, [this] {
        const QString name =
            QFileDialog::getOpenFileName(this, FileTexts::kOpenTitle.toString(), dialogDirectory(), filterString());
        if (name.isEmpty())
            return;
        documents_->createDocumentTab();
        if (!openFileInto(name))
            documents_->closeActiveTabQuietly();
    });
    on(ids::Openinnewwindow1, [this] {
        const QString name =
            QFileDialog::getOpenFileName(this, FileTexts::kOpenTitle.toString(), dialogDirectory(), filterString());
        if (!name.isEmpty())
            runCommand(QCoreApplication::applicationFilePath(), {name, QStringLiteral("-n")});
    });
    on(ids::Reloadfromdisk1, [this] {
        const QString name = activeRecord().fileName;
        if (name.isEmpty())
            return;
        if (activeRecord().modified && settings_.warnings &&
            messages_->message(FileTexts::kReloadAnyway.toString(), MessageKind::Confirmation, Buttons::YesNo) !=
                Result::Yes)
            return;
        if (openFileInto(name))
            activeRecord().modified = false;
    });
    on(ids::SaveItem, [this] { saveActive(); });
    on(ids::Saveas1, [this] {
        const QString chosen = saveAsDialog(activeRecord().fileName);
        if (!chosen.isEmpty())
            saveDocumentAs(activeEdit(), chosen, false, true);
    });
    on(ids::Blockread1, [this] {
        const QString name = QFileDialog::getOpenFileName(this, FileTexts::kInsertFileTitle.toString(),
                                                          dialogDirectory(), filterString());
        if (name.isEmpty())
            return;
        try {
            BusyCursor busy;
            const LoadedDocument loaded = loadDocumentFile(name, LoadOptions{legacyCodePage(settings_.codePage)});
            activeText().replaceSelection(blockInsertText(loaded.text));
        } catch (const Error& e) {
            messages_->message(e.message(), MessageKind::Error, Buttons::OK);
        }
    });
    on(ids::Blockwrite1, [this] {
        QFileDialog dialog(this, FileTexts::kWriteBlockTitle.toString(), dialogDirectory(), filterString());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(FileTexts::kDefaultExtension.toString());
        if (!settings_.overWriteConfirm)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        BusyCursor busy;
        writeBlockFile(dialog.selectedFiles().first(), activeText().selectedText(), activeRecord().encoding,
                       *messages_);
    });
    on(ids::Fileinfo1, [this] {
        const QString name = activeRecord().fileName;
        const FileFacts facts = name.isEmpty() ? FileFacts{} : readFileFacts(name);
        const QString text =
            fileInfoText(name, facts, activeText().lineCount(), fileInfoCharacterCount(activeText()));
        messages_->message(text, MessageKind::Information, Buttons::OK);
    });

    connect(&autosaveTimer_, &QTimer::timeout, this, &SDIAppForm::autosaveTick);
}

void SDIAppForm::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void SDIAppForm::dropEvent(QDropEvent* e)
{
    QStringList files;
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    if (files.isEmpty())
        return;
    e->acceptProposedAction();
    if (!documents_->isMultiDoc())
        files = files.mid(0, 1);
    for (const QString& name : files) {
        if (settings_.multiDoc && settings_.dfltONT) {
            openChosenFile(name);
            continue;
        }
        if (activeRecord().modified && settings_.warnings &&
            messages_->message(FileTexts::kOpenDroppedAnyway.toString(), MessageKind::Confirmation,
                               Buttons::YesNo) != Result::Yes)
            continue;
        openFileInto(name);
    }
}

void SDIAppForm::autosaveTick()
{
    if (!autosave_ || LongOperation::running())
        return;
    const SaveOptions options{settings_.createBackup, settings_.bakExt, settings_.crlf};
    const int count = documents_->isMultiDoc() ? documents_->tabs()->tabCount() : 1;
    for (int i = 0; i < count; ++i) {
        DocumentEdit* edit = documents_->isMultiDoc() ? documents_->tabs()->editAt(i) : documents_->singleEdit();
        DocumentInfo* record = documents_->recordOf(edit);
        if (!edit || !record || !record->modified)
            continue;
        setStatusText(FileTexts::kStatusAutosaving.toString());
        const QString text = edit->textEdit().text();
        const AutosaveOutcome outcome = autosaveDocument(
            *autosave_, {static_cast<int>(record->id), record->fileName, text, record->encoding}, options, *messages_);
        if (outcome.saved) {
            record->modified = false;
            edit->textEdit().setModified(false);
            storeDocumentFileInfo(*record);
        }
        setStatusText(outcome.status);
    }
}

void SDIAppForm::offerRecovery()
{
    try {
        autosave_ = std::make_unique<AutosaveStore>();
        autosave_->ensurePrivateDirectory();
    } catch (const Error& e) {
        autosave_.reset();
        setStatusText(e.message());
        return;
    }
    for (const AutosaveStore::Recoverable& copy : autosave_->recoverable()) {
        const QString question =
            QStringLiteral("An autosaved document was found from a session that did not end normally:\r\n%1\r\n"
                           "(%2, %3 bytes)\r\nRestore it? (No deletes it.)")
                .arg(copy.path, copy.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                .arg(copy.size);
        const int answer = messages_->message(question, MessageKind::Confirmation, Buttons::YesNoCancel);
        if (answer == Result::Cancel)
            continue; // kept for the next start
        if (answer == Result::Yes) {
            try {
                const LoadedDocument loaded = loadDocumentFile(copy.path);
                if (documents_->isMultiDoc() && (activeText().length() > 0 || activeRecord().modified))
                    documents_->createDocumentTab();
                activeText().setText(loaded.text);
                activeRecord().modified = true;
            } catch (const Error& e) {
                messages_->message(e.message(), MessageKind::Error, Buttons::OK);
                continue;
            }
        }
        autosave_->removeRecovered(copy.path);
    }
}

QString SDIAppForm::decodeStandardInput(const QByteArray& bytes) const
{
    try {
        return decodeFileContents(bytes, LoadOptions{legacyCodePage(settings_.codePage)}).text;
    } catch (const Error&) {
        return QString(); // input errors are ignored
    }
}

void SDIAppForm::openStartupDocument()
{
    if (hasParam_) {
        hasParam_ = false;
        if (openFileInto(args_.value(1)) &&
            qEnvironmentVariableIntValue("VARNIK_BENCH_EXIT_AFTER_PAINT") == 1)
            new BenchExit(this, activeEdit());
        return;
    }
#ifdef Q_OS_UNIX
    // A terminal is not read (it would wait for typing); a pipe is read in
    // the background so that a writer that never finishes cannot block the window.
    if (isatty(STDIN_FILENO))
        return;
    QPointer<SDIAppForm> self(this);
    std::thread([self] {
        QByteArray data;
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0)
                break;
            data.append(buf, n);
        }
        QMetaObject::invokeMethod(qApp, [self, data] {
            if (self)
                self->appendStandardInput(data);
        });
    }).detach();
#endif
}

void SDIAppForm::bugReportForm()
{
    myMessageDlg(QStringLiteral("Please fill in the form and send it to varnik-bugs@users.noreply.localhost.\r\n"
                                "Feel free to delete \"User Name\" and \"Company Name\" fields if you wish..."),
                 2, Buttons::OK, this);
    if (documents_->isMultiDoc()) {
        documents_->createDocumentTab();
    } else if (askSave(QStringLiteral("Do you want to save changes before that action?")) == Result::Cancel) {
        return;
    }
    const QString text = bugReportText(readSystemInformation(), QDateTime::currentDateTime(),
                                       QStringLiteral(VARNIK_VERSION), QStringLiteral(__DATE__ " " __TIME__));
    activeText().selectAll();
    activeText().replaceSelection(text);
}

} // namespace varnik

#include "ui/app/filecontroller.h"

#include "core/app/asksave.h"
#include "core/app/codepage.h"
#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/filefacts.h"
#include "core/app/fileinfo.h"
#include "core/app/filetexts.h"
#include "core/app/settings.h"
#include "core/app/settingsstore.h"
#include "core/app/shortenname.h"
#include "core/commands/commandids.h"
#include "ui/app/activedocument.h"
#include "ui/app/busycursor.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"
#include "ui/app/filedialogs.h"
#include "ui/app/longoperation.h"
#include "ui/app/scintilladocumentloader.h"
#include "ui/platform/launcher.h"
#include "ui/platform/standardinput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace varnik {

namespace {

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

} // namespace

FileController::FileController(ActiveDocument& window, SettingsStore& store)
    : QObject(&window.hostWindow()), window_(window), store_(store), settings_(window.settings()),
      messages_(&window.messages()), documents_(&window.documents()), commands_(&window.commands())
{
    setObjectName(QStringLiteral("FileController"));
    registerCommands();
    connect(&autosaveTimer_, &QTimer::timeout, this, &FileController::autosaveTick);
}

FileController::~FileController() = default;

DocumentEdit* FileController::activeEdit()
{
    return window_.activeEdit();
}

TextEdit& FileController::activeText()
{
    return window_.activeText();
}

DocumentInfo& FileController::activeRecord()
{
    return window_.activeRecord();
}

QStatusBar* FileController::statusBar()
{
    return window_.progressBarHost();
}

void FileController::setStatusText(const QString& text)
{
    window_.setStatusText(text);
}

QString FileController::dialogDirectory() const
{
    if (settings_.useDlftDir && !settings_.loadSaveDir.isEmpty())
        return settings_.loadSaveDir;
    return dialogDir_;
}

void FileController::addRecentFile(const QString& fileName)
{
    settings_.lastFiles.add(fileName, settings_.lastUsedCnt);
    rebuildRecentMenus();
    writeRecentFiles(store_, settings_.lastFiles);
}

void FileController::rebuildRecentMenus()
{
    const auto shorten = [](const QString& name) { return shortenName(name, QString()); };
    const std::pair<CommandId, bool> menus[] = {{ids::Reopen1, false}, {ids::Reopenrecent1, true}};
    for (const auto& [id, tray] : menus) {
        QMenu* menu = commands_->submenu(id);
        if (!menu)
            continue;
        menu->clear();
        for (const RecentFiles::MenuItem& item :
             settings_.lastFiles.menuItems(settings_.lastUsedCnt, tray, shorten)) {
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

void FileController::storeDocumentFileInfo(const DocumentInfo& record)
{
    if (!record.fileName.isEmpty())
        storeFileInfo(store_, settings_, record.fileName,
                      toFileInfo(record, window_.hostWindow().geometry()));
}

void FileController::restoreDocumentFileInfo(DocumentInfo& record)
{
    FileInfo info;
    const bool readWindow = !documents_->isMultiDoc() || documents_->tabs()->tabCount() < 2;
    const FileInfoLoad load = loadFileInfo(store_, settings_, record.fileName, readWindow, info);
    if (load.window && info.width > 100 && info.height > 100)
        window_.hostWindow().setGeometry(info.left, info.top, info.width, info.height);
    record.selStart = info.selStart;
    record.selLength = info.selLength;
    for (int i = 0; i < FileInfo::kBookmarks; ++i) {
        const auto& b = info.bookmarks[static_cast<size_t>(i)];
        record.bookmarks.setBookmark(i + 1, Bookmark{b.column, b.line});
    }
}

bool FileController::openFileInto(const QString& fileName)
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
            const QFileInfo file(fileName);
            setStatusText(file.isFile() ? QStringLiteral("Error reading file (%1 bytes)").arg(file.size())
                                        : QStringLiteral("Error reading file"));
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
    window_.setTitle(name);
    restoreDocumentFileInfo(*record);
    if (settings_.extraInfo)
        edit->textEdit().setSelection(record->selStart, record->selLength);
    dialogDir_ = QFileInfo(name).absolutePath();
    setStatusText(FileTexts::kStatusOk.toString());
    edit->textEdit().setModified(false);
    return true;
}

void FileController::newDocument()
{
    activeEdit()->setVisible(true);
    activeText().setText(QString());
    documents_->resetActiveRecord();
    window_.setTitle(QString());
}

bool FileController::reuseOrCreateTabForOpen()
{
    if (!(settings_.multiDoc && settings_.dfltONT))
        return false;
    const DocumentInfo& r = activeRecord();
    if (r.fileName.isEmpty() && !r.modified && activeText().length() == 0)
        return false;
    documents_->createDocumentTab();
    return true;
}

void FileController::openChosenFile(const QString& fileName)
{
    const bool newTab = reuseOrCreateTabForOpen();
    if (!openFileInto(fileName) && newTab)
        documents_->closeActiveTabQuietly(); // the tab made for it would stay empty
}

void FileController::openRecent(int slot)
{
    const QString name = settings_.lastFiles.slot(slot);
    if (name.isEmpty())
        return;
    if (!window_.hostWindow().isVisible())
        window_.hostWindow().show();
    if (askSave(FileTexts::kSaveBeforeOpening.toString()) == Result::Cancel)
        return;
    openChosenFile(name);
}

bool FileController::saveDocumentAs(DocumentEdit* edit, const QString& fileName, bool makeBackup,
                                    bool updateState)
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
            window_.hostWindow().setWindowTitle(windowTitleFor(name));
        dialogDir_ = QFileInfo(name).absolutePath();
        storeDocumentFileInfo(*record);
        if (autosave_)
            autosave_->discard(static_cast<int>(record->id));
    }
    return true;
}

QString FileController::saveAsDialog(const QString& start)
{
    return askSaveFileName(&window_.hostWindow(), FileTexts::kSaveAsTitle.toString(),
                           start.isEmpty() ? dialogDirectory() : start, settings_.overWriteConfirm);
}

QString FileController::chooseFileToOpen(const QString& title)
{
    return askOpenFileName(&window_.hostWindow(), title, dialogDirectory());
}

int FileController::askSave(const QString& question)
{
    // A save that did not happen (its dialog cancelled, the write failed)
    // answers Cancel, so the caller never drops the changes.
    return varnik::askSave(question, activeRecord().modified, settings_.warnings, *messages_,
                           [this] { return saveActive(); });
}

bool FileController::saveActive()
{
    QString name = activeRecord().fileName;
    if (name.isEmpty())
        name = saveAsDialog(QString());
    return !name.isEmpty() && saveDocumentAs(activeEdit(), name, true, true);
}

void FileController::registerCommands()
{
    CommandActions& c = *commands_;
    auto on = [&c](CommandId id, CommandActions::Handler h) { c.setHandler(id, std::move(h)); };

    on(ids::New1, [this] {
        if (!mayDropChanges(FileTexts::kNewAnyway.toString(), activeRecord().modified, settings_.warnings,
                            *messages_))
            return;
        newDocument();
    });
    on(ids::OpenItem, [this] {
        if (askSave(FileTexts::kSaveBeforeOpening.toString()) == Result::Cancel)
            return;
        const QString name = chooseFileToOpen(FileTexts::kOpenTitle.toString());
        if (!name.isEmpty())
            openChosenFile(name);
    });
    on(ids::Openinnewtab1, [this] {
        const QString name = chooseFileToOpen(FileTexts::kOpenTitle.toString());
        if (name.isEmpty())
            return;
        documents_->createDocumentTab();
        if (!openFileInto(name))
            documents_->closeActiveTabQuietly();
    });
    on(ids::Openinnewwindow1, [this] {
        const QString name = chooseFileToOpen(FileTexts::kOpenTitle.toString());
        if (!name.isEmpty())
            runCommand(QCoreApplication::applicationFilePath(), {name, QStringLiteral("-n")});
    });
    on(ids::Reloadfromdisk1, [this] {
        const QString name = activeRecord().fileName;
        if (name.isEmpty())
            return;
        if (!mayDropChanges(FileTexts::kReloadAnyway.toString(), activeRecord().modified, settings_.warnings,
                            *messages_))
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
        const QString name = chooseFileToOpen(FileTexts::kInsertFileTitle.toString());
        if (name.isEmpty())
            return;
        try {
            BusyCursor busy;
            const LoadedDocument loaded =
                loadDocumentFile(name, LoadOptions{legacyCodePage(settings_.codePage)});
            activeText().replaceSelection(blockInsertText(loaded.text));
        } catch (const Error& e) {
            messages_->message(e.message(), MessageKind::Error, Buttons::OK);
        }
    });
    on(ids::Blockwrite1, [this] {
        const QString name = askSaveFileName(&window_.hostWindow(), FileTexts::kWriteBlockTitle.toString(),
                                             dialogDirectory(), settings_.overWriteConfirm);
        if (name.isEmpty())
            return;
        BusyCursor busy;
        writeBlockFile(name, activeText().selectedText(), activeRecord().encoding, *messages_);
    });
    on(ids::Fileinfo1, [this] {
        const QString name = activeRecord().fileName;
        const FileFacts facts = name.isEmpty() ? FileFacts{} : readFileFacts(name);
        const QString text =
            fileInfoText(name, facts, activeText().lineCount(), fileInfoCharacterCount(activeText()));
        messages_->message(text, MessageKind::Information, Buttons::OK);
    });
}

bool FileController::openDropped(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            files << url.toLocalFile();
    if (files.isEmpty())
        return false;
    if (!documents_->isMultiDoc())
        files = files.mid(0, 1);
    for (const QString& name : files) {
        if (settings_.multiDoc && settings_.dfltONT) {
            openChosenFile(name);
            continue;
        }
        if (!mayDropChanges(FileTexts::kOpenDroppedAnyway.toString(), activeRecord().modified,
                            settings_.warnings, *messages_))
            continue;
        openFileInto(name);
    }
    return true;
}

void FileController::autosaveTick()
{
    if (!autosave_ || LongOperation::running())
        return;
    const SaveOptions options{settings_.createBackup, settings_.bakExt, settings_.crlf};
    const int count = documents_->isMultiDoc() ? documents_->tabs()->tabCount() : 1;
    for (int i = 0; i < count; ++i) {
        DocumentEdit* edit =
            documents_->isMultiDoc() ? documents_->tabs()->editAt(i) : documents_->singleEdit();
        DocumentInfo* record = documents_->recordOf(edit);
        if (!edit || !record || !record->modified)
            continue;
        setStatusText(FileTexts::kStatusAutosaving.toString());
        const QString text = edit->textEdit().text();
        const AutosaveOutcome outcome = autosaveDocument(
            *autosave_, {static_cast<int>(record->id), record->fileName, text, record->encoding}, options,
            *messages_);
        if (outcome.saved) {
            record->modified = false;
            edit->textEdit().setModified(false);
            storeDocumentFileInfo(*record);
        }
        setStatusText(outcome.status);
    }
}

void FileController::offerRecovery()
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
            QStringLiteral(
                "An autosaved document was found from a session that did not end normally:\r\n%1\r\n"
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

QString FileController::decodeStandardInput(const QByteArray& bytes) const
{
    try {
        return decodeFileContents(bytes, LoadOptions{legacyCodePage(settings_.codePage)}).text;
    } catch (const Error&) {
        return QString(); // input errors are ignored
    }
}

void FileController::appendStandardInput(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    const QString text = decodeStandardInput(bytes);
    TextEdit& t = activeText();
    const bool wasEmpty = t.length() == 0;
    t.setCaret(t.length());
    t.replaceSelection(text);
    if (wasEmpty) {
        t.clearUndoHistory();
        t.setCaret(0);
    }
}

void FileController::start(const QString& fileName)
{
    rebuildRecentMenus();
    offerRecovery();
    activeEdit()->setFocus();
    if (!fileName.isEmpty())
        openFileInto(fileName);
    else
        readStandardInput(this, [this](const QByteArray& bytes) { appendStandardInput(bytes); });
}

void FileController::applySettings()
{
    autosaveTimer_.setInterval(std::max(1, int(settings_.autoSaveMinutes)) * 60000);
    if (settings_.autoSave)
        autosaveTimer_.start();
    else
        autosaveTimer_.stop();
}

void FileController::discardAutosaves()
{
    if (autosave_)
        autosave_->discardAll();
}

} // namespace varnik

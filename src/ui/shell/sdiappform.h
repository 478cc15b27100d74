#pragma once

#include "core/app/autosavestore.h"
#include "core/app/documentinfo.h"
#include "core/app/settings.h"
#include "core/app/statuspanels.h"
#include "core/commands/commandcontext.h"
#include "core/commands/enablerule.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class QLabel;
class QMenu;
class QSystemTrayIcon;
class QSplitter;
class QToolBar;

namespace varnik {

class CommandActions;
struct CommandItem;
class MessageSink;
class DialogMessageSink;
class DocumentArea;
struct EditorSettings;
class DocumentEdit;
class SearchController;
class SettingsStore;
class SingleInstance;
class TextEdit;
class ToolsController;

// The main window: documents, menus, toolbar, status bar and tray icon, and
// the life cycle from start-up to the close sequence.
class SDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    // `args` as the program got them (args[0] the program). `standardInput`
    // is read into the first document when no file is named.
    // `messages` replaces the message dialog (tests); null: the dialog.
    SDIAppForm(const QStringList& args, SettingsStore& store, MessageSink* messages = nullptr,
               QWidget* parent = nullptr);
    ~SDIAppForm() override;

    // Whether a start with these arguments tries to hand its file to a running window.
    static bool wantsHandOver(const Settings& settings, const QStringList& args);

    // Listens for files handed over by later starts (only a window started with a file does).
    void becomeFirstInstance(SingleInstance* instance);
    // Whether the start-up work of the first show is done (it runs from the
    // event loop: settings applied, recovery offered, the named file opened).
    bool startupDone() const { return startupDone_; }

    DocumentArea& documents() { return *documents_; }
    DocumentEdit* activeEdit() const;
    TextEdit& activeText() const;
    DocumentInfo& activeRecord();
    CommandActions& commands() { return *commands_; }
    ToolsController& tools() { return *tools_; }
    Settings& settings() { return settings_; }
    // Panels 0 to 6, then the document's encoding.
    const std::array<QLabel*, 8>& statusPanels() const { return panels_; }

    // Window caption (and the active tab's caption) for a document name.
    void setTitle(const QString& fileName);
    // Re-applies the settings to the window (start-up and after Options).
    void applySettings();
    // Save: under the document's name, or one asked for; false when nothing was written.
    bool saveActive();
    // The save question: Yes, No or Cancel (as myMessageDlg results).
    int askSave(const QString& question);
    // Status panel 6: hints and progress texts.
    void setStatusText(const QString& text);
    // Runs one status tick now (the timer does it every 50 ms).
    void statusTick();
    // Appends text read from standard input to the active document.
    void appendStandardInput(const QByteArray& bytes);

    // Loads a file into the active document; false (after saying why) when it cannot.
    bool openFileInto(const QString& fileName);
    // The New command's work without its question.
    void newDocument();
    // Saves a document of the window; false when nothing was written.
    bool saveDocumentAs(DocumentEdit* edit, const QString& fileName, bool makeBackup, bool updateState);

    // Runs a command's table operation on the active document with these dialog answers, and opens
    // the document it makes, if any.
    void runDocumentCommand(const CommandItem& command, const CommandFields& fields);

    // Puts a panel (the grep results) under the documents, with a splitter between.
    void setBottomPanel(QWidget* panel);
    MessageSink& messages();

    // Set by the tray menu's Exit so that closing really ends the program.
    bool reallyExit = false;

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void buildStatusBar();
    void buildToolbar();
    void buildTray();
    void registerEditViewCommands();
    void registerDocumentCommands();
    void registerFileCommands();
    void registerTextCommands();
    void rebuildRecentMenus();
    void openRecent(int slot);
    void openChosenFile(const QString& fileName);
    bool reuseOrCreateTabForOpen();
    void addRecentFile(const QString& fileName);
    void storeDocumentFileInfo(const DocumentInfo& record);
    void restoreDocumentFileInfo(DocumentInfo& record);
    void autosaveTick();
    void offerRecovery();
    void openStartupDocument();
    void bugReportForm();
    QString dialogDirectory() const;
    QString saveAsDialog(const QString& start);
    QString decodeStandardInput(const QByteArray& bytes) const;
    void firstShow();
    bool runCloseSequence();
    void onHandOver(const QString& path);
    QFont editorFont() const;
    EditorSettings editorSettings() const;
    CommandStateInputs commandState() const;

    SettingsStore& store_;
    Settings settings_;
    QStringList args_;
    bool hasParam_ = false;
    bool firstShown_ = false;
    bool startupDone_ = false;
    bool overwrite_ = false;
    std::unique_ptr<DialogMessageSink> dialogSink_;
    MessageSink* messages_ = nullptr;
    DocumentArea* documents_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CommandActions* commands_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QLabel*, 8> panels_{};
    QTimer statusTimer_;
    QTimer autosaveTimer_;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* editPopup_ = nullptr;
    QMenu* tabsPopup_ = nullptr;
    QPointer<SingleInstance> instance_;
    std::unique_ptr<AutosaveStore> autosave_;
    QString dialogDir_;
    SearchController* search_ = nullptr;
    ToolsController* tools_ = nullptr;
};

} // namespace varnik

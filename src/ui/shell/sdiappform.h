#pragma once

#include "core/app/documentinfo.h"
#include "core/app/settings.h"
#include "core/commands/commandcontext.h"
#include "core/commands/enablerule.h"
#include "ui/app/activedocument.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class QLabel;
class QMenu;
class QsciPrinter;
class QSplitter;
class QToolBar;

namespace varnik {

class CommandActions;
struct CommandItem;
class MessageSink;
class DialogMessageSink;
class DocumentArea;
class DocumentEdit;
class FileController;
class SearchController;
class SettingsStore;
class SingleInstance;
class StatusLine;
class TrayIcon;
class TextEdit;
class ToolsController;

// The main window: documents, menus, toolbar, status bar and tray icon, and
// the life cycle from start-up to the close sequence. The files, search and
// other subsystems' commands live in controllers it assembles.
class SDIAppForm : public QMainWindow, public ActiveDocument {
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

    DocumentArea& documents() override { return *documents_; }
    CommandActions& commands() override { return *commands_; }
    Settings& settings() override { return settings_; }
    MessageSink& messages() override { return *messages_; }
    QWidget& hostWindow() override { return *this; }
    QStatusBar* progressBarHost() override;
    void setStatusText(const QString& text) override;
    void showStatusTextNow(const QString& text) override;
    void setTitle(const QString& fileName) override;
    void setBottomPanel(QWidget* panel) override;
    void refreshCommands() override { statusTick(); }

    FileController& files() { return *files_; }
    ToolsController& tools() { return *tools_; }
    // Panels 0 to 6, then the document's encoding.
    const std::array<QLabel*, 8>& statusPanels() const;
    // Re-applies the settings to the window (start-up and after Options).
    void applySettings();
    // Runs one status tick now (the timer does it every 50 ms).
    void statusTick();
    // Runs a command's table operation on the active document with these dialog answers, and opens
    // the document it makes, if any.
    void runDocumentCommand(const CommandItem& command, const CommandFields& fields);

Q_SIGNALS:
    // The start-up work of the first show is done (startupDone() is true).
    void startupFinished();

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void buildToolbar();
    void registerEditViewCommands();
    void registerDocumentCommands();
    void registerTextCommands();
    void bugReportForm();
    // Where a command's result goes: a new tab, or this document once its
    // changes were dealt with; false when the save question was cancelled.
    bool makeRoomForResult(bool clearDocument);
    void firstShow();
    bool runCloseSequence();
    void onHandOver(const QString& path);
    CommandStateInputs commandState();

    SettingsStore& store_;
    Settings settings_;
    QStringList args_;
    bool firstShown_ = false;
    bool startupDone_ = false;
    bool tipsShown_ = false;
    std::unique_ptr<DialogMessageSink> dialogSink_;
    MessageSink* messages_ = nullptr;
    DocumentArea* documents_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CommandActions* commands_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::unique_ptr<StatusLine> status_;
    QTimer statusTimer_;
    TrayIcon* tray_ = nullptr;
    QMenu* editPopup_ = nullptr;
    QMenu* tabsPopup_ = nullptr;
    QPointer<SingleInstance> instance_;
    FileController* files_ = nullptr;
    // One printer for the window: Printer setup configures what Print uses.
    std::unique_ptr<QsciPrinter> printer_;
    SearchController* search_ = nullptr;
    ToolsController* tools_ = nullptr;
};

} // namespace varnik

#pragma once

#include "core/app/autosavestore.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <memory>

class QStatusBar;

namespace varnik {

class ActiveDocument;
class CommandActions;
class DocumentArea;
class DocumentEdit;
class MessageSink;
class SettingsStore;
class TextEdit;
struct DocumentInfo;
struct Settings;

// The File menu of the main window: opening, saving, reloading, recent
// files, block read and write, file information, dropped files, standard
// input, and autosave with recovery after a crash.
class FileController : public QObject {
    Q_OBJECT
public:
    FileController(ActiveDocument& window, SettingsStore& store);
    ~FileController() override;

    // Loads a file into the active document; false (after saying why) when it cannot.
    bool openFileInto(const QString& fileName);
    // Saves a document of the window; false when nothing was written.
    bool saveDocumentAs(DocumentEdit* edit, const QString& fileName, bool makeBackup, bool updateState);
    // Save: under the document's name, or one asked for; false when nothing was written.
    bool saveActive();
    // The save question about the active document: Yes, No or Cancel (as myMessageDlg results).
    int askSave(const QString& question);
    // The New command's work without its question.
    void newDocument();
    // Opens the local files among dropped addresses; false when there is none.
    bool openDropped(const QList<QUrl>& urls);
    // Appends text read from standard input to the active document.
    void appendStandardInput(const QByteArray& bytes);

    // Start-up, once the window shows: the recent-file menus, the offer to
    // restore autosaved copies, then the file named on the command line or,
    // without one, standard input.
    void start(const QString& fileName);
    // Re-applies the autosave settings.
    void applySettings();
    // Remembers where the window and the selection were for the document's file.
    void storeDocumentFileInfo(const DocumentInfo& record);
    // The program ends normally: its autosaved copies are not needed.
    void discardAutosaves();
    // Where the file dialogs open: the default directory or the last one used.
    QString dialogDirectory() const;

private:
    void registerCommands();
    void rebuildRecentMenus();
    void openRecent(int slot);
    void openChosenFile(const QString& fileName);
    bool reuseOrCreateTabForOpen();
    void addRecentFile(const QString& fileName);
    void restoreDocumentFileInfo(DocumentInfo& record);
    void autosaveTick();
    void offerRecovery();
    QString saveAsDialog(const QString& start);
    QString chooseFileToOpen(const QString& title);
    QString decodeStandardInput(const QByteArray& bytes) const;

    DocumentEdit* activeEdit();
    TextEdit& activeText();
    DocumentInfo& activeRecord();
    QStatusBar* statusBar();
    void setStatusText(const QString& text);

    ActiveDocument& window_;
    SettingsStore& store_;
    Settings& settings_;
    MessageSink* messages_;
    DocumentArea* documents_;
    CommandActions* commands_;
    QTimer autosaveTimer_;
    std::unique_ptr<AutosaveStore> autosave_;
    QString dialogDir_;
};

} // namespace varnik

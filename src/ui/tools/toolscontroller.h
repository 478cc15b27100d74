#pragma once

#include "core/tools/multiclipboard.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace varnik {

class ActiveDocument;
class ClipboardMonitor;
class CommandActions;
class DocumentArea;
class DocumentEdit;
class FormClipboard;
class MessageSink;
struct Settings;
class TextEdit;

// The clipboard and insertion tools of the main window: the clipboard
// monitor, the multi-clipboard and its window, the favourite texts and the
// character map, and their commands.
class ToolsController : public QObject {
    Q_OBJECT
public:
    explicit ToolsController(ActiveDocument& window);
    ~ToolsController() override;

    MultiClipboard& multiClipboard() { return multiClipboard_; }
    FormClipboard& clipboardWindow() const { return *clipboardWindow_; }
    ClipboardMonitor& monitor() const { return *monitor_; }
    // Whether the clipboard held text at its last change.
    bool clipboardHasText() const;

    // Cut and Copy hand over the selected text before they act.
    void collect(const QString& selectedText);

    QStringList& favourites() { return favourites_; }
    // "favtxt_" + user name + ".txt" in the per-user data directory unless set.
    const QString& favouriteFile() const { return favouriteFile_; }
    void setFavouriteFile(const QString& path) { favouriteFile_ = path; }
    // When the window is first shown: any failure leaves the list empty, silently.
    void loadFavourites();
    // When the window closes, after a load; a failure is reported (the old file stays whole).
    void saveFavourites();

    // Called with each tool window before it is shown modally (tests drive them from here).
    void setBeforeShow(std::function<void(QDialog&)> hook) { beforeShow_ = std::move(hook); }

private:
    void registerCommands();
    void followSelection(DocumentEdit* edit);
    void clipboardChanged();
    void pasteFromMultiClipboard();
    void getTextFromSelection();
    void favouriteTexts();
    void symbols();
    int showModal(QDialog& dialog);

    TextEdit& activeText() const;

    ActiveDocument& window_;
    MultiClipboard multiClipboard_;
    FormClipboard* clipboardWindow_;
    ClipboardMonitor* monitor_;
    QStringList favourites_;
    QString favouriteFile_;
    enum class FavouriteState { NotLoaded, Loaded, Unreadable };
    FavouriteState favouriteState_ = FavouriteState::NotLoaded;
    std::function<void(QDialog&)> beforeShow_;
};

} // namespace varnik

#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace varnik {

class ActiveDocument;
class BookmarkMenuActions;
class GrepPanel;
class GrepResult;
class MessageSink;
class MyFindDlg;
class MyReplDlg;
class TextEdit;
struct DocumentInfo;

// Find, replace, grep, web searches, bookmarks and go to line in the main
// window: owns the Find and replace windows and the grep result list, and
// runs their commands on the active document.
class SearchController : public QObject {
    Q_OBJECT
public:
    explicit SearchController(ActiveDocument& window);
    ~SearchController() override;

    MyFindDlg& findDialog() const { return *find_; }
    MyReplDlg& replaceDialog() const { return *replace_; }
    GrepPanel& grepPanel() const { return *grep_; }
    BookmarkMenuActions& bookmarkMenus() const { return *bookmarks_; }

    // Where questions and notices go (the window's message dialog unless set).
    void setMessageSink(MessageSink* sink) { sink_ = sink; }
    // Asks for the file the grep results are saved to; empty cancels.
    void setSaveFileChooser(std::function<QString()> chooser) { chooseSaveFile_ = std::move(chooser); }
    // Opens a web address.
    void setUrlOpener(std::function<void(const QString&)> opener) { openUrl_ = std::move(opener); }

    // Brings the bookmark submenus in line with the active document.
    void rebuildBookmarkMenus();

private:
    void registerCommands();
    void registerGrepCommands();
    void findCommand();
    void findNextCommand();
    void replaceCommand();
    void gotoLineCommand();
    void findDialogFindNext();
    // Find next of the window or F3: a search or a grep, as the window is set.
    void runFind(bool fromDialog);
    void replaceDialogButton(int which);
    void announceGrep();
    void showGrep(GrepResult result);
    void grepEntryActivated(qsizetype row);
    void saveGrepResults();
    void focusEdit();

    MessageSink& messages();
    TextEdit& text();
    DocumentInfo& record();

    ActiveDocument& window_;
    MyFindDlg* find_;
    MyReplDlg* replace_;
    GrepPanel* grep_;
    BookmarkMenuActions* bookmarks_;
    MessageSink* sink_ = nullptr;
    std::function<QString()> chooseSaveFile_;
    std::function<void(const QString&)> openUrl_;
};

} // namespace varnik

#pragma once

#include <QString>

class QStatusBar;
class QWidget;

namespace varnik {

class CommandActions;
class DocumentArea;
class DocumentEdit;
class MessageSink;
class TextEdit;
struct DocumentInfo;
struct Settings;

// What the main window's controllers (files, search, ...) see of the window:
// its documents and the active one, its commands and settings, and where
// messages and status texts go. Controllers depend on this, never on the
// window class, so that the window can assemble them without a cycle.
class ActiveDocument {
public:
    virtual ~ActiveDocument() = default;

    virtual DocumentArea& documents() = 0;
    virtual CommandActions& commands() = 0;
    virtual Settings& settings() = 0;
    virtual MessageSink& messages() = 0;
    // The window itself: the parent of dialogs, and what is raised to show the document.
    virtual QWidget& hostWindow() = 0;
    // Where a long step shows its progress bar.
    virtual QStatusBar* progressBarHost() = 0;
    // Status panel 6: hints and progress texts.
    virtual void setStatusText(const QString& text) = 0;
    // The same, painted at once, before a step that holds the event loop.
    virtual void showStatusTextNow(const QString& text) = 0;
    // Window caption (and the active tab's caption) for a document name.
    virtual void setTitle(const QString& fileName) = 0;
    // Puts a panel (the grep results) under the documents.
    virtual void setBottomPanel(QWidget* panel) = 0;
    // Brings the enabled state of the commands up to date at once.
    virtual void refreshCommands() = 0;

    DocumentEdit* activeEdit();
    TextEdit& activeText();
    DocumentInfo& activeRecord();
};

} // namespace varnik

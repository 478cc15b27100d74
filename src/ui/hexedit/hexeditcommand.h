#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace varnik {

class DocumentArea;
class MessageSink;
struct Settings;

// What Hex edit needs of the main window.
struct HexEditHost {
    QWidget& window; // parent of the hex editor window
    const Settings& settings;
    MessageSink& messages;
    DocumentArea& documents;
    // Status panel 6.
    std::function<void(const QString&)> showStatus;
};

// Hex edit: the active document's bytes in the modal hex editor window; when
// it closes, edited bytes replace the document's text (one undo step).
void hexEditCommand(const HexEditHost& host);

} // namespace varnik

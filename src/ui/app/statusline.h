#pragma once

#include <QString>
#include <array>

class QLabel;
class QStatusBar;

namespace varnik {

class TextEdit;

// The panels of the main window's status bar: caret position or selection
// size, the modified flag, insert or overwrite, Caps and Num Lock, the line
// count, hints and progress texts (panel 6), and the document's encoding.
class StatusLine {
public:
    explicit StatusLine(QStatusBar* bar);

    // Panels 0 to 6, then the encoding.
    const std::array<QLabel*, 8>& panels() const { return panels_; }
    // Panel 6.
    void setHint(const QString& text);
    // The same, painted at once, before a step that holds the event loop.
    void showHintNow(const QString& text);
    // Brings the other panels in line with the active document and the lock keys.
    void follow(const TextEdit& text, bool modified, bool overwrite, const QString& encoding);

private:
    std::array<QLabel*, 8> panels_{};
};

} // namespace varnik

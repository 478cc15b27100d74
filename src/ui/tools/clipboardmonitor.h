#pragma once

#include <QObject>
#include <functional>

class QClipboard;

namespace varnik {

class MessageSink;

// Tells its owner whenever the system clipboard's content changes (while
// enabled). What the clipboard holds is read only then, never polled, and
// remembered: whether it holds text.
class ClipboardMonitor : public QObject {
    Q_OBJECT
public:
    // `errors` shows what the change handler throws; the monitor carries on.
    ClipboardMonitor(QClipboard* clipboard, MessageSink& errors, QObject* parent = nullptr);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    // Whether the clipboard held text at the last change.
    bool hasText() const { return hasText_; }
    // Reads the clipboard and runs the handler, as a change does.
    void signalChange();

private:
    QClipboard* clipboard_;
    MessageSink& errors_;
    bool enabled_ = false;
    bool hasText_ = false;
    std::function<void()> onChange_;
};

} // namespace varnik

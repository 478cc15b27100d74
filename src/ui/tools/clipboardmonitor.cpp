#include "ui/tools/clipboardmonitor.h"

#include "core/app/error.h"
#include "core/app/messagesink.h"

#include <QClipboard>
#include <QMimeData>

namespace varnik {

ClipboardMonitor::ClipboardMonitor(QClipboard* clipboard, MessageSink& errors, QObject* parent)
    : QObject(parent), clipboard_(clipboard), errors_(errors)
{
    setObjectName(QStringLiteral("ClipboardMonitor"));
    setEnabled(true);
}

void ClipboardMonitor::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        connect(clipboard_, &QClipboard::dataChanged, this, &ClipboardMonitor::signalChange);
    else
        disconnect(clipboard_, &QClipboard::dataChanged, this, &ClipboardMonitor::signalChange);
}

void ClipboardMonitor::signalChange()
{
    // Only the offered formats are asked for: a clipboard holding 100 MB is not copied here.
    const QMimeData* mime = clipboard_->mimeData();
    hasText_ = mime && mime->hasText();
    if (!onChange_)
        return;
    try {
        onChange_();
    } catch (const Error& e) {
        errors_.errorBox(e.message());
    } catch (const std::exception& e) {
        errors_.errorBox(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace varnik

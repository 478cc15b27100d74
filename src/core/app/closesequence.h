#pragma once

#include <functional>

namespace varnik {

// The save questions of closing the window: the active document is asked
// about first; with tabs, each answered tab is closed quietly and the next
// one asked, until one is left. False as soon as a question is cancelled: the
// documents not yet asked stay open.
bool askSaveEveryDocument(const std::function<int()>& documentCount, const std::function<int()>& askActive,
                          const std::function<void()>& closeActiveQuietly);

// Whether closing hides the window in the tray (with a fresh document)
// instead of ending the program: only the first close with TrayIcon set,
// where the desktop has a tray, and never after the tray menu's Exit.
bool closeHidesInTray(bool trayIcon, bool trayAvailable, bool trayActive, bool reallyExit);

} // namespace varnik

#include "core/app/closesequence.h"

#include "core/app/messagesink.h"

namespace varnik {

bool askSaveEveryDocument(const std::function<int()>& documentCount, const std::function<int()>& askActive,
                          const std::function<void()>& closeActiveQuietly)
{
    for (;;) {
        if (askActive() == Result::Cancel)
            return false;
        if (documentCount() <= 1)
            return true;
        closeActiveQuietly();
    }
}

bool closeHidesInTray(bool trayIcon, bool trayAvailable, bool trayActive, bool reallyExit)
{
    return trayIcon && trayAvailable && !trayActive && !reallyExit;
}

} // namespace varnik

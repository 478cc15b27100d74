#include "ui/platform/keyboardstate.h"

#include <QGuiApplication>

#if defined(VARNIK_HAVE_X11)
#include <X11/XKBlib.h>
#endif

namespace varnik {

LockKeys readLockKeys()
{
    LockKeys keys;
#if defined(VARNIK_HAVE_X11)
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display()) {
        unsigned int state = 0;
        if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) == Success) {
            keys.capsLock = state & 0x1;
            keys.numLock = state & 0x2;
        }
    }
#endif
    return keys;
}

} // namespace varnik

#pragma once

namespace varnik {

struct LockKeys {
    bool capsLock = false;
    bool numLock = false;
};

// The lock-key states where the window system tells them (X11); both off elsewhere.
LockKeys readLockKeys();

} // namespace varnik

#pragma once

#include "core/app/memorysettingsstore.h"
#include "core/app/settingvalues.h"

namespace varnik::test {

// Settings for tests of the main window: no start-up tips window coming up over the window under test.
class WindowTestStore : public MemorySettingsStore {
public:
    WindowTestStore() { writeSetting(*this, QStringLiteral("ShowTipsAtStartup"), QStringLiteral("0")); }
};

} // namespace varnik::test

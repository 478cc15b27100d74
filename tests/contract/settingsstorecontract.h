#pragma once

#include "contract/qtprinters.h"
#include "core/app/settingsstore.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace varnik::test {

// A store under test together with whatever keeps it alive (a temporary directory).
// reopen() flushes and opens the same place again, so that what a test reads back has
// been through the store's own format.
class StoreHandle {
public:
    virtual ~StoreHandle() = default;
    virtual SettingsStore& store() = 0;
    virtual void reopen() = 0;
};

struct SettingsStoreFactory {
    std::string name;
    std::function<std::unique_ptr<StoreHandle>()> make;
};

inline std::string PrintToString(const SettingsStoreFactory& f)
{
    return f.name;
}

class SettingsStoreContract : public ::testing::TestWithParam<SettingsStoreFactory> {
protected:
    void SetUp() override { handle_ = GetParam().make(); }
    SettingsStore& store() { return handle_->store(); }
    SettingsStore& reopened()
    {
        handle_->reopen();
        return handle_->store();
    }

private:
    std::unique_ptr<StoreHandle> handle_;
};

} // namespace varnik::test

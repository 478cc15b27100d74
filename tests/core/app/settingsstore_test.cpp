#include "contract/settingsstorecontract.h"
#include "core/app/memorysettingsstore.h"

namespace varnik::test {

namespace {

class MemoryHandle : public StoreHandle {
public:
    SettingsStore& store() override { return store_; }
    void reopen() override {}

private:
    MemorySettingsStore store_;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Memory, SettingsStoreContract,
                         ::testing::Values(SettingsStoreFactory{
                             "Memory", [] { return std::unique_ptr<StoreHandle>(new MemoryHandle); }}),
                         [](const auto& info) { return info.param.name; });

TEST(SettingsKey, parseAndCompareLevels)
{
    EXPECT_EQ(SettingsKey::parse(u"\\software\\\\Varnik\\"), varnikKey());
    EXPECT_EQ(SettingsKey::parse(u"a b/c\\d").levels(), (QStringList{u"a b/c"_qs, u"d"_qs}));
    EXPECT_TRUE(filesKey().startsWith(varnikKey()));
    EXPECT_FALSE(varnikKey().startsWith(filesKey()));
    EXPECT_FALSE(filesKey().startsWith(SettingsKey::parse(u"software\\Varn")));
    EXPECT_FALSE(filesKey().startsWith(SettingsKey::parse(u"SOFTWARE\\varnik")));
    EXPECT_TRUE(filesKey().startsWith(SettingsKey::parse(u"SOFTWARE\\varnik"), Qt::CaseInsensitive));
}

} // namespace varnik::test

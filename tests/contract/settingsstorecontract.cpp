#include "contract/settingsstorecontract.h"

#include <QSet>

namespace varnik::test {

namespace {

const SettingsKey kRoot = varnikKey();

QSet<QString> asSet(const QStringList& list)
{
    return QSet<QString>(list.begin(), list.end());
}

} // namespace

TEST_P(SettingsStoreContract, valueNames_matchWithoutRegardToCase_andKeepTheFirstSpelling)
{
    store().writeValue(kRoot, u"ToolbarButtons"_qs, u"0B"_qs);
    store().writeValue(kRoot, u"ToolBarButtons"_qs, u"0A0B"_qs);
    SettingsStore& s = reopened();
    EXPECT_EQ(s.valueNames(kRoot), QStringList{u"ToolbarButtons"_qs});
    EXPECT_EQ(s.readValue(kRoot, u"TOOLBARBUTTONS"_qs), u"0A0B"_qs);
    s.deleteValue(kRoot, u"toolBARbuttons"_qs);
    EXPECT_EQ(reopened().readValue(kRoot, u"ToolbarButtons"_qs), std::nullopt);
}

TEST_P(SettingsStoreContract, anyNameLevelAndText_roundTrip)
{
    const QStringList texts = {u""_qs,
                               u"  padded , list "_qs,
                               u"\"q\" [s] k=v ;#"_qs,
                               u"@Variant(x)"_qs,
                               u"C:\\dir/f"_qs,
                               u"a\r\nb\n"_qs,
                               u"zażółć \U0001F600"_qs,
                               u"%2F %"_qs,
                               u"General"_qs,
                               u"."_qs};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        store().writeValue(filesKey() / texts[i], texts[i], texts[i]);
        store().writeValue(kRoot, u"v"_qs + texts[i], texts[i]);
    }
    SettingsStore& s = reopened();
    EXPECT_EQ(asSet(s.subkeys(filesKey())), asSet(texts));
    for (const QString& text : texts) {
        EXPECT_EQ(s.valueNames(filesKey() / text), QStringList{text});
        EXPECT_EQ(s.readValue(filesKey() / text, text), text);
        EXPECT_EQ(s.readValue(kRoot, u"v"_qs + text), text);
    }
}

TEST_P(SettingsStoreContract, deleteKey_removesEverythingBelow_andNothingBeside)
{
    const SettingsKey home = filesKey() / u"home"_qs;
    store().writeValue(home / u"u"_qs / u"a.txt"_qs, u"Left"_qs, u"1"_qs);
    store().writeValue(home / u"u"_qs / u"sub"_qs / u"b.txt"_qs, u"Left"_qs, u"2"_qs);
    store().writeValue(home / u"v"_qs, u"Left"_qs, u"3"_qs);
    store().writeValue(home, u"u"_qs, u"a value named like the key"_qs);
    store().writeValue(kRoot, u"AutoSave"_qs, u"1"_qs);
    store().deleteKey(home / u"u"_qs);
    store().deleteKey(home / u"missing"_qs);
    SettingsStore& s = reopened();
    EXPECT_EQ(s.subkeys(home), QStringList{u"v"_qs});
    EXPECT_EQ(s.readValue(home / u"u"_qs / u"sub"_qs / u"b.txt"_qs, u"Left"_qs), std::nullopt);
    EXPECT_EQ(s.readValue(home, u"u"_qs), u"a value named like the key"_qs);
    EXPECT_EQ(s.readValue(home / u"v"_qs, u"Left"_qs), u"3"_qs);

    s.deleteKey(filesKey());
    SettingsStore& t = reopened();
    EXPECT_TRUE(t.subkeys(kRoot).isEmpty());
    EXPECT_EQ(t.readValue(kRoot, u"AutoSave"_qs), u"1"_qs);
    EXPECT_EQ(t.readValue(home / u"v"_qs, u"Left"_qs), std::nullopt);
}

} // namespace varnik::test

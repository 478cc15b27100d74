#include "contract/qtprinters.h"
#include "core/app/settings.h"
#include "core/app/settingvalues.h"
#include "spysettingsstore.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace varnik::test {

namespace {

// A setting's value as text, found by its value name.
QString field(const Settings& s, const char* name)
{
    for (const SettingDescriptor& d : settingDescriptors()) {
        if (qstricmp(d.name, name) != 0)
            continue;
        return std::visit(
            [&](auto m) -> QString {
                using T = std::decay_t<decltype(s.*m)>;
                if constexpr (std::is_same_v<T, QString>)
                    return s.*m;
                else if constexpr (std::is_same_v<T, RecentFiles>)
                    return (s.*m).entries().join(u'|');
                else
                    return QString::number(s.*m);
            },
            d.member);
    }
    ADD_FAILURE() << "no setting " << name;
    return {};
}

} // namespace

// Every setting is read once and written once, by the name of its descriptor, and the writes end with
// a flush; every default comes back from the store unchanged.
TEST(Settings, everyValueReadAndWrittenOnce_andTheDefaultsRoundTrip)
{
    // The recent files are slots of their own, written whenever the list changes.
    QStringList names;
    for (const SettingDescriptor& d : settingDescriptors())
        if (qstrcmp(d.name, kRecentFileValuePrefix) != 0)
            names << QString::fromLatin1(d.name);
    SpySettingsStore reads;
    loadSettings(reads);
    for (const QString& name : names)
        EXPECT_EQ(reads.log
                      .filter(QRegularExpression(u"^read "_qs + name + u"$"_qs,
                                                 QRegularExpression::CaseInsensitiveOption))
                      .size(),
                  1)
            << name.toStdString();

    SpySettingsStore writes;
    Settings defaults = defaultSettings();
    saveSettings(writes, defaults);
    ASSERT_FALSE(writes.log.isEmpty());
    EXPECT_EQ(writes.log.last(), u"flush"_qs);
    for (const QString& name : names) {
        EXPECT_EQ(writes.log
                      .filter(QRegularExpression(u"^write "_qs + name + u"="_qs,
                                                 QRegularExpression::CaseInsensitiveOption))
                      .size(),
                  1)
            << name.toStdString();
    }

    MemorySettingsStore store;
    saveSettings(store, defaults);
    EXPECT_EQ(loadSettings(store), defaultSettings());
}

TEST(SaveSettings, emptyBakExt_isWrittenBackAsDotBak_andSpellingsMerge)
{
    MemorySettingsStore store;
    writeSetting(store, u"BakExt"_qs, QString());
    writeSetting(store, u"ToolbarButtons"_qs, u"0B"_qs);
    Settings settings = loadSettings(store);
    EXPECT_EQ(settings.bakExt, QString()) << "an empty text is kept as read";
    EXPECT_EQ(settings.toolbarButtons, u"0B"_qs);
    saveSettings(store, settings);
    EXPECT_EQ(settings.bakExt, u".BAK"_qs);
    EXPECT_EQ(readSetting(store, u"BakExt"_qs), u".BAK"_qs);
    EXPECT_EQ(store.valueNames(varnikKey()).filter(u"toolbarbuttons"_qs, Qt::CaseInsensitive).size(), 1);
}

TEST(LoadSettings, storedForms_giveTheValueOrTheDefault)
{
    struct Row {
        const char* behaviour;
        const char* name;
        const char* stored;
        const char* expected;
    };
    const Row rows[] = {
        {"flag_yes_isOn", "AutoSave", "yes", "1"},
        {"flag_blankZero_isOn", "AutoSave", " 0", "1"},
        {"flag_zero_isOff", "CreateBackup", "0", "0"},
        {"flag_empty_isTheDefaultOn", "CreateBackup", "", "1"},
        {"flag_empty_isTheDefaultOff", "AutoSave", "", "0"},
        {"flag_nameInOtherCase_isFound", "autosave", "1", "1"},
        {"oneIsOn_true_isOff", "StayOnTop", "true", "0"},
        {"oneIsOn_one_isOn", "FontB", "1", "1"},
        {"oneIsOn_paddedOne_isOff", "FontB", "1 ", "0"},
        {"zeroIsOff_empty_isOn", "ShowTipsAtStartup", "", "1"},
        {"zeroIsOff_zero_isOff", "ShowTipsAtStartup", "0", "0"},
        {"zeroIsOff_doubleZero_isOn", "ShowTipsAtStartup", "00", "1"},
        {"byte_largest", "LastUsedCnt", "255", "255"},
        {"byte_plusSign", "LastUsedCnt", "+7", "7"},
        {"byte_tooLarge_isDefault", "LastUsedCnt", "256", "10"},
        {"byte_negative_isDefault", "TabSpaces", "-1", "5"},
        {"number_letters_isDefault", "LastUsedCnt", "ten", "10"},
        {"number_empty_isDefault", "Icon", "", "1"},
        {"number_blanks_isDefault", "LastUsedCnt", " 5", "10"},
        {"number_hex_isDefault", "LastUsedCnt", "0x10", "10"},
        {"number_fullWidthDigit_isDefault", "LastUsedCnt", "\xef\xbc\x95", "10"},
        {"word_largest", "AutoSaveMinutes", "65535", "65535"},
        {"word_tooLarge_isDefault", "AutoSaveMinutes", "65536", "15"},
        {"int_negative", "UndoLimit", "-5", "-5"},
        {"int_tooLarge_isDefault", "UndoLimit", "2147483648", "10"},
        {"int_signsOnly_isDefault", "UndoLimit", "+-1", "10"},
        {"int_hugeDigits_isDefault", "CRLF", "99999999999999999999999", "0"},
        {"int_lowest", "FontColor", "-2147483648", "-2147483648"},
        {"text_empty_staysEmpty", "DateFormat", "", ""},
        {"text_asStored", "DateFormat", " yyyy ", " yyyy "},
    };
    for (const Row& r : rows) {
        MemorySettingsStore store;
        writeSetting(store, QString::fromLatin1(r.name), QString::fromUtf8(r.stored));
        EXPECT_EQ(field(loadSettings(store), r.name), QString::fromLatin1(r.expected)) << r.behaviour;
    }
}

TEST(Settings, roundTrip_keepsEveryNonDefaultValue)
{
    Settings out;
    for (const SettingDescriptor& d : settingDescriptors()) {
        std::visit(
            [&](auto m) {
                using T = std::decay_t<decltype(out.*m)>;
                if constexpr (std::is_same_v<T, bool>)
                    out.*m = !(out.*m);
                else if constexpr (std::is_same_v<T, QString>)
                    out.*m += u"/x y"_qs;
                else if constexpr (std::is_same_v<T, RecentFiles>)
                    (out.*m)[19] = u"/last.txt"_qs;
                else
                    out.*m = static_cast<T>(out.*m + 1);
            },
            d.member);
    }
    MemorySettingsStore store;
    saveSettings(store, out);
    writeRecentFiles(store, out.lastFiles);
    EXPECT_NE(out, Settings());
    EXPECT_EQ(loadSettings(store), out);
}

TEST(TrayActive, onlyANonZeroNumberIsActive)
{
    const struct {
        const char* stored; // nullptr: missing
        bool active;
    } rows[] = {{nullptr, false}, {"0", false}, {"1", true}, {"2", true}, {"on", false}};
    for (const auto& r : rows) {
        MemorySettingsStore store;
        if (r.stored)
            writeSetting(store, u"TrayActive"_qs, QString::fromLatin1(r.stored));
        EXPECT_EQ(trayActive(store), r.active) << (r.stored ? r.stored : "missing");
        setTrayActive(store, !r.active);
        EXPECT_EQ(trayActive(store), !r.active);
    }
}

TEST(ColorRef, plainColoursMapToRgb_systemColoursToNothing)
{
    EXPECT_EQ(colorRefToRgb(255), 0xFF0000u) << "stored 255 is pure red";
    EXPECT_EQ(colorRefToRgb(0x00123456), 0x563412u);
    EXPECT_EQ(colorRefToRgb(kWindowTextColorRef), std::nullopt);
    EXPECT_EQ(rgbToColorRef(0x563412), 0x00123456);
}

} // namespace varnik::test

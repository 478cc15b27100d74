#include "core/app/settings.h"

#include "core/app/settingvalues.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace varnik {

namespace {

using S = Settings;
using F = SettingForm;

// Rows in the order they are read; the number is the place in the save order.
constexpr SettingDescriptor kDescriptors[] = {
    {"AutoSave", F::Flag, &S::autoSave, 11},
    {"CreateBackup", F::Flag, &S::createBackup, 12},
    {"ExtraInfo", F::Flag, &S::extraInfo, 13},
    {"OverWriteConfirm", F::Flag, &S::overWriteConfirm, 14},
    {"LastUsedCnt", F::Number, &S::lastUsedCnt, 1},
    {"DateFormat", F::Text, &S::dateFormat, 2},
    {"AutoSaveMinutes", F::Number, &S::autoSaveMinutes, 3},
    {"UndoLimit", F::Number, &S::undoLimit, 4},
    {"Warnings", F::Flag, &S::warnings, 18},
    {"MultiClip", F::Flag, &S::multiClip, 19},
    {"CRLF", F::Number, &S::crlf, 7},
    {"ToolbarButtons", F::Text, &S::toolbarButtons, 6, "ToolBarButtons"},
    {"URLAutoDetect", F::Flag, &S::urlAutoDetect, 16},
    {"TrayIcon", F::Flag, &S::trayIcon, 17},
    {"BakExt", F::Text, &S::bakExt, 27},
    {"Icon", F::Number, &S::icon, 8},
    {"GrepLineNo", F::Flag, &S::grepLineNo, 20},
    {"TabSpaces", F::Number, &S::tabSpaces, 9},
    {"SelectStay", F::Flag, &S::selectStay, 21},
    {"KeyMapFile", F::Text, &S::keyMapFile, 10},
    {"LoadSaveDir", F::Text, &S::loadSaveDir, 5},
    {"LoadKeyMap", F::Flag, &S::loadKeyMap, 22},
    {"UseDlftDir", F::Flag, &S::useDlftDir, 23},
    {"DfltONT", F::Flag, &S::dfltONT, 25},
    {"ShortNames", F::Flag, &S::shortNames, 24},
    {"TabBottom", F::Flag, &S::tabBottom, 26},
    {"WordWrap", F::Flag, &S::wordWrap, 28},
    {"MultiDoc", F::Flag, &S::multiDoc, 29},
    {"Toolbar", F::Flag, &S::toolbar, 31},
    {"StatusBar", F::Flag, &S::statusBar, 32},
    {"FontCharset", F::Number, &S::fontCharset, 33},
    {"FontSize", F::Number, &S::fontSize, 34},
    {"FontName", F::Text, &S::fontName, 35},
    {"FontColor", F::Number, &S::fontColor, 36},
    {"FontB", F::OneIsOn, &S::fontB, 37},
    {"FontI", F::OneIsOn, &S::fontI, 38},
    {"FontU", F::OneIsOn, &S::fontU, 39},
    {"FontS", F::OneIsOn, &S::fontS, 40},
    {kRecentFileValuePrefix, F::Slots, &S::lastFiles, 0},
    {"StayOnTop", F::OneIsOn, &S::stayOnTop, 30},
    {"ShowTipsAtStartup", F::ZeroIsOff, &S::showTipsAtStartup, 15},
    // The code page of files that are not UTF-8; read last, written after the font.
    {"CodePage", F::Text, &S::codePage, 41},
};

template <typename... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// A number that does not fit the setting's width counts as malformed.
template <typename Int> Int numberFromText(const std::optional<QString>& text, Int fallback)
{
    return text ? parseNumber<Int>(*text).value_or(fallback) : fallback;
}

QString slotName(const char* prefix, int index)
{
    return QLatin1String(prefix) + QString::number(index + 1);
}

void loadOne(const SettingsStore& store, const SettingDescriptor& d, Settings& settings,
             const Settings& defaults)
{
    const QString name = QLatin1String(d.name);
    std::visit(
        Overloaded{
            [&](bool Settings::*m) {
                const std::optional<QString> text = readSetting(store, name);
                switch (d.form) {
                case F::OneIsOn:
                    settings.*m = onlyOneIsOn(text);
                    break;
                case F::ZeroIsOff:
                    settings.*m = onlyZeroIsOff(text);
                    break;
                default:
                    settings.*m = flagFromText(text, defaults.*m);
                    break;
                }
            },
            [&](QString Settings::*m) { settings.*m = readSetting(store, name).value_or(defaults.*m); },
            [&](RecentFiles Settings::*m) {
                for (int i = 0; i < kRecentFileSlots; ++i)
                    (settings.*m)[i] = readSetting(store, slotName(d.name, i)).value_or((defaults.*m)[i]);
            },
            [&](auto m) { settings.*m = numberFromText(readSetting(store, name), defaults.*m); },
        },
        d.member);
}

void saveOne(SettingsStore& store, const SettingDescriptor& d, const Settings& settings)
{
    const QString name = QLatin1String(d.saveName ? d.saveName : d.name);
    std::visit(Overloaded{
                   [&](bool Settings::*m) { writeSetting(store, name, flagText(settings.*m)); },
                   [&](QString Settings::*m) { writeSetting(store, name, settings.*m); },
                   [&](RecentFiles Settings::*m) {
                       for (int i = 0; i < kRecentFileSlots; ++i)
                           writeSetting(store, slotName(d.name, i), (settings.*m)[i]);
                   },
                   [&](auto m) { writeSetting(store, name, QString::number(settings.*m)); },
               },
               d.member);
}

} // namespace

std::optional<QString> settingValueProblem(const QString& name, const QString& text)
{
    const auto fits = [&]<typename Int>(Int Settings::*) -> std::optional<QString> {
        if (parseNumber<Int>(text))
            return std::nullopt;
        return QStringLiteral("%1 needs a whole number from %2 to %3, not '%4'")
            .arg(name)
            .arg(std::numeric_limits<Int>::min())
            .arg(std::numeric_limits<Int>::max())
            .arg(text);
    };
    for (const SettingDescriptor& d : kDescriptors) {
        if (d.form == F::Slots) {
            for (int i = 0; i < kRecentFileSlots; ++i)
                if (name.compare(slotName(d.name, i), Qt::CaseInsensitive) == 0)
                    return std::nullopt;
            continue;
        }
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) != 0)
            continue;
        return std::visit(Overloaded{
                              [&](quint8 Settings::*m) { return fits(m); },
                              [&](quint16 Settings::*m) { return fits(m); },
                              [&](qint32 Settings::*m) { return fits(m); },
                              [](auto) -> std::optional<QString> { return std::nullopt; },
                          },
                          d.member);
    }
    return QStringLiteral("%1 is not a setting").arg(name);
}

std::span<const SettingDescriptor> settingDescriptors()
{
    return kDescriptors;
}

const Settings& defaultSettings()
{
    static const Settings defaults;
    return defaults;
}

Settings loadSettings(const SettingsStore& store)
{
    const Settings defaults;
    Settings settings;
    for (const SettingDescriptor& d : kDescriptors)
        loadOne(store, d, settings, defaults);
    return settings;
}

void saveSettings(SettingsStore& store, Settings& settings)
{
    if (settings.bakExt.isEmpty())
        settings.bakExt = Settings().bakExt;
    std::vector<const SettingDescriptor*> order;
    for (const SettingDescriptor& d : kDescriptors) {
        if (d.saveRank > 0)
            order.push_back(&d);
    }
    std::sort(order.begin(), order.end(), [](const SettingDescriptor* a, const SettingDescriptor* b) {
        return a->saveRank < b->saveRank;
    });
    for (const SettingDescriptor* d : order)
        saveOne(store, *d, settings);
    store.flush();
}

bool trayActive(const SettingsStore& store)
{
    return readNumber(store, QStringLiteral("TrayActive"), 0) != 0;
}

void setTrayActive(SettingsStore& store, bool active)
{
    writeSetting(store, QStringLiteral("TrayActive"), flagText(active));
    store.flush();
}

std::optional<quint32> colorRefToRgb(qint32 colorRef)
{
    const auto ref = static_cast<quint32>(colorRef);
    if ((ref >> 24) == 0x80)
        return std::nullopt;
    const quint32 red = ref & 0xFF;
    const quint32 green = (ref >> 8) & 0xFF;
    const quint32 blue = (ref >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

qint32 rgbToColorRef(quint32 rgb)
{
    const quint32 red = (rgb >> 16) & 0xFF;
    const quint32 green = (rgb >> 8) & 0xFF;
    const quint32 blue = rgb & 0xFF;
    return static_cast<qint32>((blue << 16) | (green << 8) | red);
}

} // namespace varnik

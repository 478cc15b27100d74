#pragma once

#include "core/app/recentfiles.h"
#include "core/app/settingsstore.h"

#include <QString>

#include <optional>
#include <span>
#include <variant>

namespace varnik {

// The system's window-text colour as a stored colour reference (0x80000008).
inline constexpr qint32 kWindowTextColorRef = -2147483640;

// Every setting the program keeps under software\Varnik, with its default. The field
// types are the widths the settings have in memory; how each is stored is in the
// descriptor table (settingDescriptors), the one place loading and saving come from.
struct Settings {
    bool autoSave = false;
    bool createBackup = true;
    bool extraInfo = true;
    bool overWriteConfirm = true;
    quint8 lastUsedCnt = 10;
    QString dateFormat = QStringLiteral("c");
    quint16 autoSaveMinutes = 15;
    qint32 undoLimit = 10;
    bool warnings = true;
    bool multiClip = true;
    qint32 crlf = 0; // line end written on save: 0 CR LF, 1 LF, 2 CR
    QString toolbarButtons = QStringLiteral("000102030405060708090A0B");
    bool urlAutoDetect = false;
    bool trayIcon = false;
    QString bakExt = QStringLiteral(".BAK");
    quint8 icon = 1;
    bool grepLineNo = true;
    quint8 tabSpaces = 5;
    bool selectStay = true;
    QString keyMapFile;
    QString loadSaveDir;
    bool loadKeyMap = false;
    bool useDlftDir = false;
    bool dfltONT = false;
    bool shortNames = true;
    bool tabBottom = false;
    bool wordWrap = true;
    bool multiDoc = false;
    bool toolbar = true;
    bool statusBar = true;

    qint32 fontCharset = 0;
    qint32 fontSize = 9;
    QString fontName = QStringLiteral("fixedsys");
    qint32 fontColor = kWindowTextColorRef;
    bool fontB = false;
    bool fontI = false;
    bool fontU = false;
    bool fontS = false;

    RecentFiles lastFiles;
    bool stayOnTop = false;
    bool showTipsAtStartup = true;
    QString codePage = QStringLiteral("windows-1250");

    friend bool operator==(const Settings&, const Settings&) = default;
};

// How a setting's text is read (what it is written as follows from the field type).
enum class SettingForm {
    Flag,      // "0" off, other non-empty text on; missing or empty: the default
    Number,    // decimal text that fits the field; anything else: the default
    Text,      // as stored; missing: the default
    OneIsOn,   // only exactly "1" is on
    ZeroIsOff, // only exactly "0" is off
    Slots,     // the name followed by 1 ... 20, one text each
};

using SettingMember = std::variant<bool Settings::*, quint8 Settings::*, quint16 Settings::*,
                                   qint32 Settings::*, QString Settings::*, RecentFiles Settings::*>;

struct SettingDescriptor {
    const char* name; // value name as read
    SettingForm form;
    SettingMember member;
    int saveRank;                   // place in the save order from 1; 0: saving leaves it alone
    const char* saveName = nullptr; // spelling used when writing, when it differs
};

// Every setting once, in the order they are read.
std::span<const SettingDescriptor> settingDescriptors();

// Why a text cannot stand for the named setting (names match in any case): the name
// is no setting, or a number does not fit it. Nothing when loading would take it.
std::optional<QString> settingValueProblem(const QString& name, const QString& text);

// Reads every setting; what is missing or malformed keeps its default.
Settings loadSettings(const SettingsStore& store);
// Every setting at its default: structs that need a few settings take their defaults from here.
const Settings& defaultSettings();
// Writes the settings in the save order (the recent files are written by
// writeRecentFiles when the list changes). An empty BakExt becomes ".BAK" first.
void saveSettings(SettingsStore& store, Settings& settings);

// "TrayActive": set while the window hides in the tray after a close.
bool trayActive(const SettingsStore& store);
void setTrayActive(SettingsStore& store, bool active);

// Stored colours are Windows colour references: 0x00BBGGRR, or 0x80 in the top byte
// for a system colour. Nothing for a system colour (the caller uses its own).
std::optional<quint32> colorRefToRgb(qint32 colorRef); // 0xRRGGBB
qint32 rgbToColorRef(quint32 rgb);

} // namespace varnik

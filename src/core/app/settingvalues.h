#pragma once

#include "core/app/settingsstore.h"

#include <QString>

#include <optional>
#include <utility>

namespace varnik {

// Every stored value is text; these are the ways the program reads meaning into it.

// Decimal text: an optional sign and ASCII digits, nothing around them. Nothing when
// the text is not of that form or does not fit in 64 bits.
std::optional<qint64> parseDecimal(QStringView text);

// Decimal text whose value fits the type; nothing otherwise.
template <typename Int> std::optional<Int> parseNumber(QStringView text)
{
    const std::optional<qint64> value = parseDecimal(text);
    if (!value || !std::in_range<Int>(*value))
        return std::nullopt;
    return static_cast<Int>(*value);
}

// A flag: "0" is off, any other non-empty text is on, missing or empty gives the default.
bool flagFromText(const std::optional<QString>& text, bool fallback);
// Only exactly "1" is on (font styles, StayOnTop).
bool onlyOneIsOn(const std::optional<QString>& text);
// Only exactly "0" is off (ShowTipsAtStartup).
bool onlyZeroIsOff(const std::optional<QString>& text);
// How every on/off value is written.
QString flagText(bool on);

// Single values under software\Varnik. Writes are made durable by the store's flush().
std::optional<QString> readSetting(const SettingsStore& store, const QString& name);
void writeSetting(SettingsStore& store, const QString& name, const QString& text);
void deleteSetting(SettingsStore& store, const QString& name);
bool readFlag(const SettingsStore& store, const QString& name, bool fallback);
// A 32-bit number; text that is not decimal or does not fit gives the default.
qint32 readNumber(const SettingsStore& store, const QString& name, qint32 fallback);
QString readText(const SettingsStore& store, const QString& name, const QString& fallback);

} // namespace varnik

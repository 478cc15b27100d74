#include "core/app/settingvalues.h"

#include <limits>

namespace varnik {

std::optional<qint64> parseDecimal(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the 64-bit minimum fits too.
    qint64 value = 0;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (value < (lowest + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    if (value == lowest)
        return std::nullopt;
    return -value;
}

bool flagFromText(const std::optional<QString>& text, bool fallback)
{
    if (!text || text->isEmpty())
        return fallback;
    return *text != u"0";
}

bool onlyOneIsOn(const std::optional<QString>& text)
{
    return text && *text == u"1";
}

bool onlyZeroIsOff(const std::optional<QString>& text)
{
    return !(text && *text == u"0");
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

std::optional<QString> readSetting(const SettingsStore& store, const QString& name)
{
    return store.readValue(varnikKey(), name);
}

void writeSetting(SettingsStore& store, const QString& name, const QString& text)
{
    store.writeValue(varnikKey(), name, text);
}

void deleteSetting(SettingsStore& store, const QString& name)
{
    store.deleteValue(varnikKey(), name);
}

bool readFlag(const SettingsStore& store, const QString& name, bool fallback)
{
    return flagFromText(readSetting(store, name), fallback);
}

qint32 readNumber(const SettingsStore& store, const QString& name, qint32 fallback)
{
    const std::optional<QString> text = readSetting(store, name);
    return text ? parseNumber<qint32>(*text).value_or(fallback) : fallback;
}

QString readText(const SettingsStore& store, const QString& name, const QString& fallback)
{
    return readSetting(store, name).value_or(fallback);
}

} // namespace varnik

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace varnik {

// One unit of a category: its name, abbreviation and size in the category's
// first unit.
struct ConvertUnit {
    const char16_t* name;
    const char16_t* abbreviation;
    long double size;
};

struct MetricPrefix {
    const char16_t* text;
    long double factor;
    const char16_t* name;
    int zeros;
};

// Converts a value between units of temperature, length, mass and volume.
// The factors between units are held to 12 significant digits, as the tables
// users compare against print them, with a few pairs set exactly.
class UniConvert {
public:
    enum Mode { Temperature = 0, Length = 1, Mass = 2, Volume = 3 };
    static constexpr int kModeCount = 4;

    long double inputValue() const { return input_; }
    void setInputValue(long double value) { input_ = value; }
    long double outputValue() const { return output_; }

    int convertFrom() const { return from_; }
    int convertTo() const { return to_; }
    int convertMode() const { return mode_; }
    // The unit setters also take the unit's abbreviation as its name; an
    // index outside the mode's table leaves the name empty.
    void setConvertFrom(int index);
    void setConvertTo(int index);
    void setConvertMode(int mode);
    const QString& fromName() const { return fromName_; }
    const QString& toName() const { return toName_; }

    // Called when a conversion fails; the output value then stays as it was.
    std::function<void(const QString& message)> onError;

    // "Temperature", "Length", "Mass", "Volume".
    static QStringList modeNames();
    // The current mode's units as "name [abbreviation]".
    QStringList unitNames() const;

    // Sets the output value from the input value. Returns false (after
    // calling onError with "Conversion error!") when the conversion fails.
    bool convert();

    static std::span<const ConvertUnit> units(int mode);
    // The stored factor from unit `from` to unit `to` of a proportional mode
    // (Length, Mass, Volume); 0 for an index outside the table.
    static long double factor(int mode, int from, int to);
    static long double convertTemperature(long double value, int from, int to);

private:
    void updateNames();

    long double input_ = 0;
    long double output_ = 0;
    int from_ = 0;
    int to_ = 0;
    int mode_ = Temperature;
    QString fromName_;
    QString toName_;
};

// The metric prefixes of the input, "E" (1e18) down to "a" (1e-18); index 8 is "1".
std::span<const MetricPrefix> metricPrefixes();
constexpr int kNoPrefix = 8;

// The bit and byte units "b" ... "Eb", "B" ... "EB".
std::span<const char16_t* const> bitUnits();
// size(from) / size(to); 0 for an index outside 0 to 13.
long double bitFactor(int from, int to);

// "E" ... "a" by prefix text, a unit by abbreviation or name, a bit unit by
// text: the index, or -1.
int findPrefix(const QString& text);
int findUnit(int mode, const QString& text);
int findBitUnit(const QString& text);
int findMode(const QString& name);

} // namespace varnik

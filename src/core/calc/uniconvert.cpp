#include "core/calc/uniconvert.h"

#include "core/app/error.h"
#include "core/calc/floatfault.h"

#include <array>
#include <charconv>

namespace varnik {

namespace {

constexpr std::array<ConvertUnit, 3> kTemperature{{
    {u"Celsius", u"°C", 0},
    {u"Fahrenheit", u"°F", 0},
    {u"Kelvin", u"K", 0},
}};

constexpr std::array<ConvertUnit, 17> kLength{{
    {u"Kilometer", u"km", 1},
    {u"Meter", u"m", 0.001L},
    {u"Centimeter", u"cm", 1e-5L},
    {u"Millimeter", u"mm", 1e-6L},
    {u"Micrometer", u"µm", 1e-9L},
    {u"Nanometer", u"nm", 1e-12L},
    {u"Angstrom", u"Â", 1e-13L},
    {u"Picometer", u"pm", 1e-15L},
    {u"Nautical Mile", u"naut mi", 1.852L},
    {u"Mile", u"mi", 1.609344L},
    {u"Furlong", u"fur.", 0.201168L},
    {u"Yard", u"yd", 0.0009144L},
    {u"Feet", u"ft", 0.0003048L},
    {u"Inch", u"in", 2.54e-5L},
    {u"Astronomical Unit", u"au", 149578700},
    {u"Light Year", u"ly", 9.4605284012e12L},
    {u"Parsec", u"par", 3.08568378545e13L},
}};

constexpr std::array<ConvertUnit, 10> kMass{{
    {u"Metric ton", u"t", 1},
    {u"Kilogram", u"kg", 0.001L},
    {u"Gram", u"g", 1e-6L},
    {u"Carat", u"c", 2e-7L},
    {u"Milligram", u"mg", 1e-9L},
    {u"Microgram", u"µg", 1e-12L},
    {u"Long ton", u"long ton", 1.016047L},
    {u"Short ton", u"short ton", 0.907185L},
    {u"Pound", u"lb", 0.0004535925L},
    {u"Ounce", u"oz", 2.834953125e-5L},
}};

constexpr std::array<ConvertUnit, 11> kVolume{{
    {u"Ounce", u"oz", 1},
    {u"Pint", u"pt", 16},
    {u"Quart", u"qt", 32},
    {u"Gallon", u"gal", 128},
    {u"Cubic inches", u"in^3", 0.554112554113L},
    {u"Cubic feet", u"ft^3", 957.506493506L},
    {u"Cubic yard", u"yd^3", 25852.6753247L},
    {u"Milliliter", u"ml", 0.0338140225589L},
    {u"Deciliter", u"dl", 3.38140225589L},
    {u"Liter", u"l", 33.8140225589L},
    {u"Cubic Meter", u"m^3", 33814.0225589L},
}};

constexpr std::array<MetricPrefix, 17> kPrefixes{{
    {u"E", 1e18L, u"Quntillion", 18},
    {u"P", 1e15L, u"Quadrillion", 15},
    {u"T", 1e12L, u"Trillion", 12},
    {u"G", 1e9L, u"Billion", 9},
    {u"M", 1e6L, u"Million", 6},
    {u"k", 1000, u"Thousand", 3},
    {u"h", 100, u"Hundred", 2},
    {u"da", 10, u"Ten", 1},
    {u"1", 1, u"1", 0},
    {u"d", 0.1L, u"One-tenth", 1},
    {u"c", 0.01L, u"one-hundredth", 2},
    {u"m", 0.001L, u"one-thousandth", 3},
    {u"µ", 1e-6L, u"one-millionth", 6},
    {u"n", 1e-9L, u"one-billionth", 9},
    {u"p", 1e-12L, u"one-trillionth", 12},
    {u"f", 1e-15L, u"one-quadrillionth", 15},
    {u"a", 1e-18L, u"one-quintillionth", 18},
}};

constexpr std::array<const char16_t*, 14> kBitUnits{u"b", u"kb", u"Mb", u"Gb", u"Tb", u"Pb", u"Eb",
                                                    u"B", u"kB", u"MB", u"GB", u"TB", u"PB", u"EB"};

// Pairs whose factor is not the rounded ratio of the table's sizes.
struct FixedFactor {
    int mode, from, to;
    long double factor;
    bool reciprocal = false; // the reverse pair is 1 / factor
};
constexpr std::array<FixedFactor, 10> kFixedFactors{{
    {UniConvert::Length, 14, 15, 1.58108187679e-5L},
    {UniConvert::Length, 15, 14, 63247.8314172L},
    {UniConvert::Length, 14, 16, 4.84750578479e-6L},
    {UniConvert::Length, 16, 14, 206291.656864L},
    {UniConvert::Length, 15, 16, 0.30659422867L},
    {UniConvert::Length, 16, 15, 3.26164L},
    {UniConvert::Mass, 6, 8, 2240, true},
    {UniConvert::Mass, 6, 9, 35840, true},
    {UniConvert::Mass, 7, 8, 2000, true},
    {UniConvert::Mass, 8, 9, 16, true},
}};

// The cubic units in cubic inches and the metric ones in millilitres, tied by
// 1 cubic inch = 16.3870640003 ml.
constexpr long double kMlPerCubicInch = 16.3870640003L;
constexpr std::array<long double, 3> kCubicInches{1, 1728, 46656};     // in^3, ft^3, yd^3 (indices 4-6)
constexpr std::array<long double, 4> kMillilitres{1, 100, 1000, 1e6L}; // ml, dl, l, m^3 (indices 7-10)

long double round12(long double v)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 11).ptr;
    long double r = v;
    std::from_chars(buf, end, r);
    return r;
}

long double cubicToMetric(int cubic, int metric)
{
    return kCubicInches[static_cast<size_t>(cubic - 4)] * kMlPerCubicInch /
           kMillilitres[static_cast<size_t>(metric - 7)];
}

} // namespace

std::span<const ConvertUnit> UniConvert::units(int mode)
{
    switch (mode) {
    case Temperature:
        return kTemperature;
    case Length:
        return kLength;
    case Mass:
        return kMass;
    case Volume:
        return kVolume;
    }
    return {};
}

long double UniConvert::factor(int mode, int from, int to)
{
    const auto table = units(mode);
    const auto count = static_cast<int>(table.size());
    if (mode == Temperature || from < 0 || to < 0 || from >= count || to >= count)
        return 0;
    if (from == to)
        return 1;
    for (const FixedFactor& f : kFixedFactors) {
        if (f.mode != mode)
            continue;
        if (f.from == from && f.to == to)
            return f.factor;
        if (f.reciprocal && f.from == to && f.to == from)
            return round12(1 / f.factor);
    }
    if (mode == Volume) {
        const bool fromCubic = from >= 4 && from <= 6, toCubic = to >= 4 && to <= 6;
        if (fromCubic && to >= 7)
            return round12(cubicToMetric(from, to));
        if (toCubic && from >= 7)
            return round12(1 / cubicToMetric(to, from));
    }
    return round12(table[static_cast<size_t>(from)].size / table[static_cast<size_t>(to)].size);
}

long double UniConvert::convertTemperature(long double value, int from, int to)
{
    constexpr long double kZero = 273.15L, kOffset = 32, kRatio = 1.8L, kInverse = 5.0L / 9;
    if (from == 2 && value < 0)
        return 0; // nothing is colder than absolute zero
    long double celsius = value;
    if (from == 1)
        celsius = fp::mul(fp::sub(value, kOffset), kInverse);
    else if (from == 2)
        celsius = fp::sub(value, kZero);
    if (to == 1)
        return from == 1 ? value : fp::add(fp::mul(celsius, kRatio), kOffset);
    if (to == 2)
        return from == 2 ? value : fp::add(celsius, kZero);
    return celsius;
}

void UniConvert::setConvertFrom(int index)
{
    from_ = index;
    updateNames();
}

void UniConvert::setConvertTo(int index)
{
    to_ = index;
    updateNames();
}

void UniConvert::setConvertMode(int mode)
{
    mode_ = mode;
    updateNames();
}

void UniConvert::updateNames()
{
    const auto table = units(mode_);
    auto nameOf = [&table](int i) {
        return i >= 0 && i < static_cast<int>(table.size())
                   ? QString::fromUtf16(table[static_cast<size_t>(i)].abbreviation)
                   : QString();
    };
    fromName_ = nameOf(from_);
    toName_ = nameOf(to_);
}

QStringList UniConvert::modeNames()
{
    return {QStringLiteral("Temperature"), QStringLiteral("Length"), QStringLiteral("Mass"),
            QStringLiteral("Volume")};
}

QStringList UniConvert::unitNames() const
{
    QStringList names;
    for (const ConvertUnit& u : units(mode_))
        names << QString::fromUtf16(u.name) + QStringLiteral(" [") + QString::fromUtf16(u.abbreviation) +
                     u']';
    return names;
}

bool UniConvert::convert()
{
    const auto count = static_cast<int>(units(mode_).size());
    try {
        if (from_ < 0 || to_ < 0 || from_ >= count || to_ >= count)
            throw Error(QStringLiteral("Conversion error!"));
        output_ = mode_ == Temperature ? convertTemperature(input_, from_, to_)
                                       : fp::mul(input_, factor(mode_, from_, to_));
        return true;
    } catch (const Error&) {
        if (onError)
            onError(QStringLiteral("Conversion error!"));
        return false;
    }
}

std::span<const MetricPrefix> metricPrefixes()
{
    return kPrefixes;
}

std::span<const char16_t* const> bitUnits()
{
    return kBitUnits;
}

long double bitFactor(int from, int to)
{
    if (from < 0 || to < 0 || from > 13 || to > 13)
        return 0;
    auto bits = [](int i) {
        long double size = i >= 7 ? 8 : 1;
        for (int k = 0; k < i % 7; ++k)
            size *= 1024;
        return size;
    };
    return bits(from) / bits(to);
}

int findPrefix(const QString& text)
{
    for (size_t i = 0; i < kPrefixes.size(); ++i) {
        if (text == QStringView(kPrefixes[i].text))
            return static_cast<int>(i);
    }
    // "u" stands in for the micro sign on keyboards without it.
    return text == u"u" ? 12 : -1;
}

int findUnit(int mode, const QString& text)
{
    const auto table = UniConvert::units(mode);
    for (size_t i = 0; i < table.size(); ++i) {
        if (text == QStringView(table[i].abbreviation))
            return static_cast<int>(i);
    }
    for (size_t i = 0; i < table.size(); ++i) {
        if (text.compare(QStringView(table[i].name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int findBitUnit(const QString& text)
{
    for (size_t i = 0; i < kBitUnits.size(); ++i) {
        if (text == QStringView(kBitUnits[i]))
            return static_cast<int>(i);
    }
    return -1;
}

int findMode(const QString& name)
{
    return static_cast<int>(UniConvert::modeNames().indexOf(name, 0));
}

} // namespace varnik

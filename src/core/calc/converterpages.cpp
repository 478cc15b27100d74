#include "core/calc/converterpages.h"

#include "core/calc/floatfault.h"
#include "core/calc/floattext.h"
#include "core/text/baseconversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace varnik {

namespace {

QString withSeparator(const char* begin, const char* end, QChar decimalSeparator)
{
    QString s = QString::fromLatin1(begin, static_cast<qsizetype>(end - begin));
    if (decimalSeparator != u'.')
        s.replace(u'.', decimalSeparator);
    return s;
}

QString unitAbbreviation(int mode, int index)
{
    const auto table = UniConvert::units(mode);
    return index >= 0 && index < static_cast<int>(table.size())
               ? QString::fromUtf16(table[static_cast<size_t>(index)].abbreviation)
               : QString();
}

QString bitUnitText(int index)
{
    const auto units = bitUnits();
    return index >= 0 && index < static_cast<int>(units.size())
               ? QString::fromUtf16(units[static_cast<size_t>(index)])
               : QString();
}

} // namespace

QString exponentForm(long double value, int significant, int exponentDigits, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return formatFloat(value, decimalSeparator);
    if (value == 0)
        value = 0; // no "-0"
    char buf[64];
    const int decimals = std::clamp(significant, 1, 19) - 1;
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals).ptr;
    const std::string text(buf, end);
    const auto e = text.find('e');
    QString out = withSeparator(text.data(), text.data() + e, decimalSeparator);
    out += u'E';
    out += text[e + 1] == '-' ? u'-' : u'+';
    const QString digits = QString::number(std::stoi(text.substr(e + 2)));
    out += QString(std::max<qsizetype>(0, exponentDigits - digits.size()), u'0') + digits;
    return out;
}

QString formatConverted(long double value, int precision, bool scientific, QChar decimalSeparator)
{
    if (precision <= 0 || !std::isfinite(value))
        return formatFloat(value, decimalSeparator);
    if (scientific)
        return exponentForm(value, precision, 4, decimalSeparator);
    // Past 18 integer digits the extended type holds no digits worth fixing.
    if (std::fabs(value) >= 1e18L)
        return exponentForm(value, std::min(precision + 1, 18), 4, decimalSeparator);
    if (value == 0)
        value = 0;
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision).ptr;
    // What rounds to zero is written without a sign.
    const bool zero = std::all_of(buf, end, [](char c) { return c == '-' || c == '.' || c == '0'; });
    return withSeparator(zero && buf[0] == '-' ? buf + 1 : buf, end, decimalSeparator);
}

QString prefixLabel(int prefix, QChar decimalSeparator)
{
    const auto prefixes = metricPrefixes();
    if (prefix < 0 || prefix >= static_cast<int>(prefixes.size()))
        return QStringLiteral("?");
    const MetricPrefix& p = prefixes[static_cast<size_t>(prefix)];
    QString written;
    if (prefix < kNoPrefix)
        written = u'1' + QString(p.zeros, u'0');
    else if (prefix == kNoPrefix)
        written = QStringLiteral("1");
    else
        written = u'0' + QString(decimalSeparator) + QString(p.zeros - 1, u'0') + u'1';
    return QString::fromUtf16(p.text) + QStringLiteral(" = ") + QString::fromUtf16(p.name) +
           QStringLiteral(" = x ") + exponentForm(p.factor, 1, 1, decimalSeparator) + QStringLiteral(" = ") +
           written;
}

PageResult computeStandard(const StandardPage& page, QChar decimalSeparator)
{
    const auto prefixes = metricPrefixes();
    long double value = 0;
    if (page.prefix < 0 || page.prefix >= static_cast<int>(prefixes.size()) ||
        !tryParseFloat(page.input, value, decimalSeparator))
        return {{}, kInvalidInputMessage};
    const long double factor = prefixes[static_cast<size_t>(page.prefix)].factor;
    const long double scaled = value * factor;
    if (!std::isfinite(scaled))
        return {{}, kInvalidInputMessage};

    UniConvert converter;
    QString error;
    converter.onError = [&error](const QString& message) { error = message; };
    converter.setConvertMode(page.mode);
    converter.setConvertFrom(page.from);
    converter.setConvertTo(page.to);
    converter.setInputValue(scaled);
    if (!converter.convert())
        return {{}, error};
    return {formatConverted(converter.outputValue(), page.precision, page.scientific, decimalSeparator), {}};
}

PageResult computeBits(int from, int to, const QString& input, QChar decimalSeparator)
{
    long double value = 0;
    if (!tryParseFloat(input, value, decimalSeparator))
        return {{}, kInvalidInputMessage};
    const long double result = value * bitFactor(from, to);
    if (!std::isfinite(result))
        return {{}, kConversionErrorMessage};
    return {formatFloat(result, decimalSeparator), {}};
}

PageResult computeBases(int fromBase, int toBase, const QString& input, bool reportErrors)
{
    const BaseConversion c = convertBase(input.toUpper(), fromBase, toBase);
    if (c.error == 0)
        return {c.result, {}};
    if (!reportErrors)
        return {};
    if (c.error == -2)
        return {{}, kInvalidForSystemMessage};
    if (c.error == -3)
        return {{}, kConversionErrorMessage};
    return {};
}

QString baseEntry(int base)
{
    return QString::number(base) + QStringLiteral("^N");
}

QString standardDescription(const StandardPage& page, const QString& result, QChar decimalSeparator)
{
    if (result.isEmpty())
        return {};
    QString line = page.input + u' ' + unitAbbreviation(page.mode, page.from);
    const auto prefixes = metricPrefixes();
    if (page.prefix != kNoPrefix && page.prefix >= 0 && page.prefix < static_cast<int>(prefixes.size()))
        line += QStringLiteral(" * ") +
                formatFloat(prefixes[static_cast<size_t>(page.prefix)].factor, decimalSeparator);
    return line + QStringLiteral(" = ") + result + u' ' + unitAbbreviation(page.mode, page.to);
}

QString bitsDescription(int from, int to, const QString& input, const QString& result)
{
    const QString toUnit = bitUnitText(to);
    // A line without a result would put a wrong statement into the document.
    if (toUnit.isEmpty() || result.isEmpty())
        return {};
    return input + u' ' + bitUnitText(from) + QStringLiteral(" = ") + result + u' ' + toUnit;
}

QString basesDescription(int fromBase, int toBase, const QString& input, const QString& result)
{
    if (toBase < 2 || toBase > 36 || result.isEmpty())
        return {};
    return input + QStringLiteral(" as X*") + baseEntry(fromBase) + QStringLiteral(" = ") + result +
           QStringLiteral(" as X*") + baseEntry(toBase);
}

} // namespace varnik

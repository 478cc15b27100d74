#include "core/text/baseconversion.h"

namespace varnik {

BaseConversion convertBase(QStringView number, int fromBase, int toBase)
{
    if (fromBase < 2 || fromBase > 36 || toBase < 2 || toBase > 36)
        return {-1, {}};
    // The highest digit character of the source base; characters between
    // "9" and "A" pass this test and are refused as digits below.
    const char16_t highest = fromBase <= 10 ? char16_t(u'0' + fromBase - 1) : char16_t(fromBase + 54);
    if (number.isEmpty())
        return {-2, {}};
    for (QChar ch : number) {
        char16_t c = ch.unicode();
        if (c >= u'a' && c <= u'z')
            c -= 32;
        if (c < u'0' || c > highest)
            return {-2, {}};
    }

    constexpr quint64 limit = 1000000000000000000ULL; // larger values no longer print without an exponent
    quint64 value = 0;
    quint64 weight = 1;
    bool weightOverflow = false;
    for (qsizetype i = number.size() - 1; i >= 0; --i) {
        char16_t c = number[i].unicode();
        if (c >= u'a' && c <= u'z')
            c -= 32;
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'Z')
            digit = c - u'A' + 10;
        else
            return {-3, {}};
        if (digit != 0) {
            if (weightOverflow || static_cast<quint64>(digit) > (limit - 1 - value) / weight)
                return {-3, {}};
            value += static_cast<quint64>(digit) * weight;
        }
        if (!weightOverflow) {
            if (weight > (limit - 1) / static_cast<quint64>(fromBase))
                weightOverflow = true;
            else
                weight *= static_cast<quint64>(fromBase);
        }
    }

    QString out;
    do {
        const int digit = static_cast<int>(value % static_cast<quint64>(toBase));
        value /= static_cast<quint64>(toBase);
        out.prepend(QChar(digit < 10 ? u'0' + digit : u'A' + digit - 10));
    } while (value != 0);
    return {0, out};
}

} // namespace varnik

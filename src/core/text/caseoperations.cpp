#include "core/text/caseoperations.h"

#include "core/text/textencoding.h"

namespace varnik {

namespace {

enum class CaseMode { Upper, Lower, Invert };

char32_t mapCase(char32_t c, CaseMode mode)
{
    switch (mode) {
    case CaseMode::Upper:
        return QChar::toUpper(c);
    case CaseMode::Lower:
        return QChar::toLower(c);
    case CaseMode::Invert:
        break;
    }
    const char32_t lower = QChar::toLower(c);
    return lower == c ? QChar::toUpper(c) : lower;
}

// `dst` may be `src`: each position is read before it is written. With a
// code page (`within`), a character whose partner it cannot hold stays.
template <CaseMode mode>
void mapUnits(const char16_t* src, char16_t* dst, qsizetype n, const TextEncoding* within)
{
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i];
        if (c < 0x80) {
            const bool upper = c >= u'A' && c <= u'Z';
            const bool lower = c >= u'a' && c <= u'z';
            char16_t m = c;
            if (mode == CaseMode::Upper && lower)
                m = c - 32;
            else if (mode == CaseMode::Lower && upper)
                m = c + 32;
            else if (mode == CaseMode::Invert && (upper || lower))
                m = c ^ 32;
            dst[i] = m;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            const char32_t m = mapCase(QChar::surrogateToUcs4(c, src[i + 1]), mode);
            if (QChar::requiresSurrogates(m)) {
                dst[i] = QChar::highSurrogate(m);
                dst[i + 1] = QChar::lowSurrogate(m);
            } else {
                dst[i] = c;
                dst[i + 1] = src[i + 1];
            }
            ++i;
            continue;
        }
        const char32_t m = mapCase(c, mode);
        const bool fits = !QChar::requiresSurrogates(m) &&
                          (!within || m == c || within->byteForChar(QChar(static_cast<char16_t>(m))) >= 0);
        dst[i] = fits ? static_cast<char16_t>(m) : c;
    }
}

template <CaseMode mode> QString mapText(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    mapUnits<mode>(text.utf16(), reinterpret_cast<char16_t*>(out.data()), text.size(), nullptr);
    return out;
}

template <CaseMode mode> void mapInPlace(QString& text, const TextEncoding& encoding)
{
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    mapUnits<mode>(d, d, text.size(), encoding.isUtf8() ? nullptr : &encoding);
}

} // namespace

QString toUpperCase(QStringView text)
{
    return mapText<CaseMode::Upper>(text);
}
QString toLowerCase(QStringView text)
{
    return mapText<CaseMode::Lower>(text);
}
QString invertCase(QStringView text)
{
    return mapText<CaseMode::Invert>(text);
}
void toUpperCaseInPlace(QString& text, const TextEncoding& encoding)
{
    mapInPlace<CaseMode::Upper>(text, encoding);
}
void toLowerCaseInPlace(QString& text, const TextEncoding& encoding)
{
    mapInPlace<CaseMode::Lower>(text, encoding);
}
void invertCaseInPlace(QString& text, const TextEncoding& encoding)
{
    mapInPlace<CaseMode::Invert>(text, encoding);
}

} // namespace varnik

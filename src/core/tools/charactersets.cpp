#include "core/tools/charactersets.h"

#include <QStringDecoder>

namespace varnik {

namespace {

constexpr CharacterSetName kNames[] = {
    {0, u"ANSI characters."},
    {2, u"Standard symbol set."},
    {77, u"Macintosh characters."},
    {128, u"Japanese shift-jis characters."},
    {129, u"Korean characters (Wansung)."},
    {130, u"Korean characters (Johab)."},
    {134, u"Simplified Chinese characters (mainland china)."},
    {136, u"Traditional Chinese characters (taiwanese)."},
    {161, u"Greek characters."},
    {162, u"Turkish characters."},
    {163, u"Vietnamese characters."},
    {177, u"Hebrew characters."},
    {178, u"Arabic characters."},
    {186, u"Baltic charact"},
    {204, u"Cyrillic characters."},
    {222, u"Thai characters."},
    {238, u"Includes diacritical marks for eastern european countries."},
    {255, u"Depends on the codepage of the operating system."},
};

struct CodePageOf {
    int characterSet;
    const char* codePage;
    bool multiByte = false;
};

// Multi-byte sets show the codes that stand alone (ASCII, half-width katakana).
constexpr CodePageOf kCodePages[] = {
    {0, "windows-1252"},   {77, "macintosh"},     {128, "Shift_JIS", true}, {129, "windows-949", true},
    {130, "Johab", true},  {134, "GBK", true},    {136, "Big5", true},      {161, "windows-1253"},
    {162, "windows-1254"}, {163, "windows-1258"}, {177, "windows-1255"},    {178, "windows-1256"},
    {186, "windows-1257"}, {204, "windows-1251"}, {222, "windows-874"},     {238, "windows-1250"},
};

const CodePageOf* codePageEntry(int characterSet)
{
    for (const CodePageOf& c : kCodePages)
        if (c.characterSet == characterSet)
            return &c;
    return nullptr;
}

constexpr int kSymbolSet = 2;
constexpr int kSystemSet = 255;

// Each code decoded on its own; false when this system has no such code page.
bool decodeCodes(const QString& codePage, std::array<QString, kCharMapCodes>& cells)
{
    const QByteArray name = codePage.toLatin1();
    if (!QStringDecoder(name.constData()).isValid())
        return false;
    for (int i = 0; i < kCharMapCodes; ++i) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        const char byte = char(kCharMapFirstCode + i);
        QString c = decoder.decode(QByteArrayView(&byte, 1));
        const bool standsAlone = !decoder.hasError() && c.size() == 1 &&
                                 c[0] != QChar::ReplacementCharacter &&
                                 c[0].category() != QChar::Other_Control;
        cells[size_t(i)] = standsAlone ? c : QString();
    }
    return true;
}

// Where the converter lacks a multi-byte set, its codes that stand alone are at least ASCII.
void asciiCodes(std::array<QString, kCharMapCodes>& cells)
{
    for (int i = 0; i < kCharMapCodes; ++i) {
        const int code = kCharMapFirstCode + i;
        cells[size_t(i)] = code < 0x7F ? QString(QChar(code)) : QString();
    }
}

void latin1Codes(std::array<QString, kCharMapCodes>& cells)
{
    for (int i = 0; i < kCharMapCodes; ++i) {
        const QChar c(kCharMapFirstCode + i);
        cells[size_t(i)] = c.category() == QChar::Other_Control ? QString() : QString(c);
    }
}

} // namespace

std::span<const CharacterSetName> characterSetNames()
{
    return kNames;
}

QString characterSetHint()
{
    QString hint = QStringLiteral("Select code of the subset:");
    for (const CharacterSetName& n : kNames)
        hint += QStringLiteral("\n%1 - %2").arg(n.code).arg(n.text);
    return hint;
}

QString codePageOfCharacterSet(int characterSet, const QString& codePageSetting)
{
    if (characterSet == kSystemSet)
        return codePageSetting;
    const CodePageOf* entry = codePageEntry(characterSet);
    return entry ? QString::fromLatin1(entry->codePage) : QString();
}

CharMapCharacters charMapCharacters(int characterSet, const QString& codePageSetting)
{
    CharMapCharacters result;
    if (characterSet == kSymbolSet) {
        latin1Codes(result.cells);
        return result;
    }
    const QString page = codePageOfCharacterSet(characterSet, codePageSetting);
    if (!page.isEmpty() && decodeCodes(page, result.cells)) {
        result.codePage = page;
        return result;
    }
    const CodePageOf* entry = codePageEntry(characterSet);
    if (entry && entry->multiByte) {
        asciiCodes(result.cells);
        result.codePage = page;
        return result;
    }
    result.note =
        page.isEmpty()
            ? QStringLiteral("Character set %1 has no code page: ANSI characters shown.").arg(characterSet)
            : QStringLiteral("The code page %1 is not available: ANSI characters shown.").arg(page);
    const QString ansi = codePageOfCharacterSet(0, codePageSetting);
    if (decodeCodes(ansi, result.cells))
        result.codePage = ansi;
    else
        latin1Codes(result.cells);
    return result;
}

QString charMapStatusText(int code)
{
    const QString hex = QStringLiteral("%1").arg(code, 2, 16, QChar(u'0')).toUpper();
    return QStringLiteral("Character code: ASCII=%1 (%2 HEX)").arg(code).arg(hex);
}

} // namespace varnik

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace varnik {

// Character-set numbers as fonts carried them, and the code pages that give
// their codes 32 to 255 a meaning here (fonts have no character sets).

struct CharacterSetName {
    int code;
    QStringView text;
};

// The character sets the number field explains, in its order.
std::span<const CharacterSetName> characterSetNames();
// "Select code of the subset:" and one line "code - text" per set.
QString characterSetHint();

constexpr int kCharMapFirstCode = 32;
constexpr int kCharMapCodes = 224;

// What the character map shows of a character set: for each code from 32 to
// 255 the Unicode character it stands for (empty where the code stands for
// none, such as a lead byte of a multi-byte set), and a note for the status
// line when the set could not be shown as asked.
struct CharMapCharacters {
    std::array<QString, kCharMapCodes> cells;
    QString codePage; // the code page used; empty for the symbol set
    QString note;
};

// The code page of a character set: 255 is the CodePage setting, 2 (symbol)
// has none (its codes are the font's glyphs as they are); empty for numbers
// no code page belongs to.
QString codePageOfCharacterSet(int characterSet, const QString& codePageSetting);
// Numbers without a code page, and code pages this system cannot decode,
// show the ANSI characters (windows-1252) and say so in the note.
CharMapCharacters charMapCharacters(int characterSet, const QString& codePageSetting);

// "Character code: ASCII=61 (3D HEX)".
QString charMapStatusText(int code);

} // namespace varnik

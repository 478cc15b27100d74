#pragma once

#include <QChar>

namespace varnik {

// A colour as 0xRRGGBB.
using HexRgb = quint32;

// Each of red, green and blue replaced by 255 minus its value.
constexpr HexRgb complementOf(HexRgb c)
{
    return ~c & 0xFFFFFFu;
}

// The colours of the hex editor; the complements of the column colours follow them.
struct HexColors {
    HexRgb background = 0xFFFFFF; // the window colour; the widget takes it from the palette
    HexRgb offset = 0x000000;
    HexRgb oddColumn = 0x0000FF;
    HexRgb evenColumn = 0x000080;
    HexRgb changedText = 0x800000;
    HexRgb changedBackground = 0xFFFFA8;
    HexRgb positionText = 0xFFFFFF;
    HexRgb positionBackground = 0x800000;
    HexRgb cursorFrame = 0x000080;

    HexRgb oddColumnComplement() const { return complementOf(oddColumn); }
    HexRgb evenColumnComplement() const { return complementOf(evenColumn); }
    bool operator==(const HexColors&) const = default;
};

enum class OffsetDisplay { Hex, Dec, Octal, None };
enum class CaretStyle { Full, LeftLine, BottomLine };

// How the hex editor draws itself (the font aside, which only the widget knows).
struct HexDisplayOptions {
    bool showMarkerColumn = true;
    OffsetDisplay offsetDisplay = OffsetDisplay::Hex;
    QChar offsetSeparator = u':';
    CaretStyle caretStyle = CaretStyle::Full;
    bool focusFrame = true;
    bool maskWhiteSpaces = true;
    QChar maskChar = u'.';
    bool autoCaretMode = true;
    int gridLineWidth = 0;
    HexRgb fontColor = 0x000000;
    HexColors colors;
};

} // namespace varnik

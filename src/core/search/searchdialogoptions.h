#pragma once

#include <QtGlobal>

namespace varnik {

// The options byte of the Find and the Find-and-replace windows. It starts at 0
// when a window is created; its radio buttons and check boxes set and clear
// single bits.
class SearchDialogOptions {
public:
    enum Bit : quint8 {
        Down = 1,           // "&Down" (set) / "&Up" (cleared); searches always run forwards
        MatchCase = 2,      // "&Match case"
        WholeWords = 4,     // "Match whole &words only"
        SelectionScope = 8, // "&Selection" (set) / "&Global" (cleared)
        FromCursor = 16,    // "&From cursor" (set) / "&Begin of text" (cleared)
        ReplaceAll = 128,   // last replace button was "Replace &all" (set) / "&Replace" (cleared)
    };

    constexpr SearchDialogOptions() = default;
    constexpr explicit SearchDialogOptions(quint8 bits) : bits_(bits) {}

    constexpr quint8 bits() const { return bits_; }
    constexpr bool test(Bit bit) const { return (bits_ & bit) != 0; }
    constexpr void set(Bit bit, bool on) { bits_ = on ? quint8(bits_ | bit) : quint8(bits_ & ~bit); }

    constexpr bool matchCase() const { return test(MatchCase); }
    constexpr bool wholeWords() const { return test(WholeWords); }
    constexpr bool selectionScope() const { return test(SelectionScope); }
    constexpr bool fromCursor() const { return test(FromCursor); }

    friend constexpr bool operator==(SearchDialogOptions, SearchDialogOptions) = default;

private:
    quint8 bits_ = 0;
};

} // namespace varnik

#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstddef>
#include <cstdint>

namespace varnik {

// A keyboard shortcut as menus, key-mapping files and bookmark captions write it: a key with optional
// Shift, Ctrl and Alt. The text form is "Shift+Ctrl+Alt+" (each modifier only when held, always in that
// order) followed by the key name: a letter or digit as itself ("O", "7"), "F1" to "F12", a punctuation
// key's character ("[", "\", "="), or one of the names BkSp, Tab, Enter, Esc, Space, PgUp, PgDn, End,
// Home, Left, Up, Right, Down, Ins, Del. The empty shortcut (no key) is the empty text.
class Shortcut {
public:
    enum Modifier : std::uint8_t { NoModifier = 0, Shift = 1, Ctrl = 2, Alt = 4 };

    // Character keys are their (upper-case) character code; the other keys sit above the Unicode range
    // so the two kinds never collide.
    enum Key : char32_t {
        NoKey = 0,
        BkSp = 0x110000,
        Tab,
        Enter,
        Esc,
        Space,
        PgUp,
        PgDn,
        End,
        Home,
        Left,
        Up,
        Right,
        Down,
        Ins,
        Del,
        F1,
        F2,
        F3,
        F4,
        F5,
        F6,
        F7,
        F8,
        F9,
        F10,
        F11,
        F12,
    };

    Shortcut() = default;
    // key: a Key or a character: a letter (either case), a digit or printable ASCII punctuation; a blank
    // means Space. Anything else makes the empty shortcut. modifiers: Modifier bits, others ignored.
    Shortcut(char32_t key, unsigned modifiers = NoModifier);

    // Reads the text form: letters in any case, modifiers in any order (a repeated one counts once), blanks
    // around the text and around "+" ignored. Text naming no key ("", "Ctrl+", "Ctrl+Foo") gives the empty
    // shortcut.
    static Shortcut fromText(QStringView text);

    bool isEmpty() const { return key_ == NoKey; }
    char32_t key() const { return key_; }
    unsigned modifiers() const { return modifiers_; }
    bool hasShift() const { return (modifiers_ & Shift) != 0; }
    bool hasCtrl() const { return (modifiers_ & Ctrl) != 0; }
    bool hasAlt() const { return (modifiers_ & Alt) != 0; }

    // True for keys written as their character (letters, digits, punctuation).
    bool isCharacterKey() const { return key_ != NoKey && key_ < BkSp; }

    QString toText() const;
    // The key part of the text alone ("O", "F12", "Del"); empty for the empty shortcut.
    QString keyName() const;

    friend bool operator==(const Shortcut&, const Shortcut&) = default;
    friend auto operator<=>(const Shortcut&, const Shortcut&) = default;

private:
    char32_t key_ = NoKey;
    std::uint8_t modifiers_ = NoModifier;
};

// For hashing containers keyed by shortcut.
std::size_t qHash(const Shortcut& shortcut, std::size_t seed = 0) noexcept;

} // namespace varnik

#include "ui/app/shortcutkeys.h"

#include <array>

namespace varnik {

namespace {

struct KeyPair {
    char32_t key;
    Qt::Key qt;
};

constexpr std::array<KeyPair, 27> kNamedKeys{{
    {Shortcut::BkSp, Qt::Key_Backspace}, {Shortcut::Tab, Qt::Key_Tab},     {Shortcut::Enter, Qt::Key_Return},
    {Shortcut::Esc, Qt::Key_Escape},     {Shortcut::Space, Qt::Key_Space}, {Shortcut::PgUp, Qt::Key_PageUp},
    {Shortcut::PgDn, Qt::Key_PageDown},  {Shortcut::End, Qt::Key_End},     {Shortcut::Home, Qt::Key_Home},
    {Shortcut::Left, Qt::Key_Left},      {Shortcut::Up, Qt::Key_Up},       {Shortcut::Right, Qt::Key_Right},
    {Shortcut::Down, Qt::Key_Down},      {Shortcut::Ins, Qt::Key_Insert},  {Shortcut::Del, Qt::Key_Delete},
    {Shortcut::F1, Qt::Key_F1},          {Shortcut::F2, Qt::Key_F2},       {Shortcut::F3, Qt::Key_F3},
    {Shortcut::F4, Qt::Key_F4},          {Shortcut::F5, Qt::Key_F5},       {Shortcut::F6, Qt::Key_F6},
    {Shortcut::F7, Qt::Key_F7},          {Shortcut::F8, Qt::Key_F8},       {Shortcut::F9, Qt::Key_F9},
    {Shortcut::F10, Qt::Key_F10},        {Shortcut::F11, Qt::Key_F11},     {Shortcut::F12, Qt::Key_F12},
}};

} // namespace

QKeyCombination toKeyCombination(const Shortcut& shortcut)
{
    if (shortcut.isEmpty())
        return QKeyCombination(Qt::Key_unknown);
    Qt::KeyboardModifiers modifiers;
    if (shortcut.hasShift())
        modifiers |= Qt::ShiftModifier;
    if (shortcut.hasCtrl())
        modifiers |= Qt::ControlModifier;
    if (shortcut.hasAlt())
        modifiers |= Qt::AltModifier;
    // Qt's codes for printable ASCII are the upper-case characters themselves, as are ours.
    Qt::Key key = static_cast<Qt::Key>(shortcut.key());
    if (!shortcut.isCharacterKey()) {
        for (const KeyPair& k : kNamedKeys) {
            if (k.key == shortcut.key())
                key = k.qt;
        }
    }
    return QKeyCombination(modifiers, key);
}

QKeySequence toKeySequence(const Shortcut& shortcut)
{
    if (shortcut.isEmpty())
        return {};
    return QKeySequence(toKeyCombination(shortcut));
}

Shortcut shortcutFromKeyCombination(QKeyCombination combination)
{
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::MetaModifier)
        return {};
    unsigned bits = Shortcut::NoModifier;
    if (modifiers & Qt::ShiftModifier)
        bits |= Shortcut::Shift;
    if (modifiers & Qt::ControlModifier)
        bits |= Shortcut::Ctrl;
    if (modifiers & Qt::AltModifier)
        bits |= Shortcut::Alt;

    Qt::Key key = combination.key();
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    else if (key == Qt::Key_Backtab)
        key = Qt::Key_Tab;
    for (const KeyPair& k : kNamedKeys) {
        if (k.qt == key)
            return Shortcut(k.key, bits);
    }
    if (key > Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return Shortcut(static_cast<char32_t>(key), bits);
    return {};
}

} // namespace varnik

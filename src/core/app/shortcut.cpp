#include "core/app/shortcut.h"

#include <QHashFunctions>

#include <array>

namespace varnik {

namespace {

struct NamedKey {
    Shortcut::Key key;
    QStringView name;
};

constexpr std::array<NamedKey, 27> kNamedKeys{{
    {Shortcut::BkSp, u"BkSp"}, {Shortcut::Tab, u"Tab"},     {Shortcut::Enter, u"Enter"},
    {Shortcut::Esc, u"Esc"},   {Shortcut::Space, u"Space"}, {Shortcut::PgUp, u"PgUp"},
    {Shortcut::PgDn, u"PgDn"}, {Shortcut::End, u"End"},     {Shortcut::Home, u"Home"},
    {Shortcut::Left, u"Left"}, {Shortcut::Up, u"Up"},       {Shortcut::Right, u"Right"},
    {Shortcut::Down, u"Down"}, {Shortcut::Ins, u"Ins"},     {Shortcut::Del, u"Del"},
    {Shortcut::F1, u"F1"},     {Shortcut::F2, u"F2"},       {Shortcut::F3, u"F3"},
    {Shortcut::F4, u"F4"},     {Shortcut::F5, u"F5"},       {Shortcut::F6, u"F6"},
    {Shortcut::F7, u"F7"},     {Shortcut::F8, u"F8"},       {Shortcut::F9, u"F9"},
    {Shortcut::F10, u"F10"},   {Shortcut::F11, u"F11"},     {Shortcut::F12, u"F12"},
}};

struct ModifierName {
    Shortcut::Modifier bit;
    QStringView prefix;
};

// Also the order in which the text form writes them.
constexpr std::array<ModifierName, 3> kModifiers{{
    {Shortcut::Shift, u"Shift"},
    {Shortcut::Ctrl, u"Ctrl"},
    {Shortcut::Alt, u"Alt"},
}};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView skipBlanks(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.mid(i);
}

// Letters fold to upper case; only printable ASCII names a key by its character.
char32_t normalizedCharacterKey(char32_t c)
{
    if (c == U' ')
        return Shortcut::Space;
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c > U' ' && c < 0x7F)
        return c;
    return Shortcut::NoKey;
}

char32_t keyFromName(QStringView name)
{
    if (name.isEmpty())
        return Shortcut::NoKey;
    for (const NamedKey& k : kNamedKeys) {
        if (name.compare(k.name, Qt::CaseInsensitive) == 0)
            return k.key;
    }
    if (name.size() == 1 && name[0] != u' ')
        return normalizedCharacterKey(name[0].unicode());
    return Shortcut::NoKey;
}

} // namespace

Shortcut::Shortcut(char32_t key, unsigned modifiers)
{
    if (key >= BkSp && key <= F12)
        key_ = key;
    else if (key < BkSp)
        key_ = normalizedCharacterKey(key);
    // A shortcut without a key is no shortcut at all, whatever modifiers were asked for.
    if (key_ != NoKey)
        modifiers_ = static_cast<std::uint8_t>(modifiers & (Shift | Ctrl | Alt));
}

Shortcut Shortcut::fromText(QStringView text)
{
    QStringView rest = text.trimmed();
    unsigned modifiers = NoModifier;
    bool more = true;
    while (more) {
        more = false;
        for (const ModifierName& m : kModifiers) {
            if (!rest.startsWith(m.prefix, Qt::CaseInsensitive))
                continue;
            const QStringView after = skipBlanks(rest.mid(m.prefix.size()));
            if (!after.startsWith(u'+'))
                continue;
            modifiers |= m.bit;
            rest = skipBlanks(after.mid(1));
            more = true;
            break;
        }
    }
    return Shortcut(keyFromName(rest), modifiers);
}

QString Shortcut::keyName() const
{
    if (key_ == NoKey)
        return {};
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == key_)
            return k.name.toString();
    }
    return QString(QChar(static_cast<char16_t>(key_)));
}

QString Shortcut::toText() const
{
    if (key_ == NoKey)
        return {};
    QString text;
    for (const ModifierName& m : kModifiers) {
        if (modifiers_ & m.bit) {
            text += m.prefix;
            text += u'+';
        }
    }
    return text + keyName();
}

std::size_t qHash(const Shortcut& shortcut, std::size_t seed) noexcept
{
    return ::qHash((quint64(shortcut.key()) << 8) | shortcut.modifiers(), seed);
}

} // namespace varnik

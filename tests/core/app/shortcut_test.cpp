#include "core/app/shortcut.h"

#include <gtest/gtest.h>

#include <QSet>

#include <ostream>

namespace varnik {

void PrintTo(const Shortcut& s, std::ostream* os)
{
    *os << '"' << s.toText().toStdString() << '"';
}

namespace {

constexpr unsigned SC = Shortcut::Shift | Shortcut::Ctrl;

TEST(Shortcut, textPutsModifiersInFixedOrderBeforeTheKeyName)
{
    struct Row {
        const char* name;
        char32_t key;
        unsigned modifiers;
        const char* text;
    };
    const Row rows[] = {
        {"letter", U'N', Shortcut::Ctrl, "Ctrl+N"},
        {"lowerCaseLetterFolds", U'o', SC, "Shift+Ctrl+O"},
        {"digit", U'7', Shortcut::Alt, "Alt+7"},
        {"backslash", U'\\', Shortcut::Ctrl, "Ctrl+\\"},
        {"period", U'.', SC, "Shift+Ctrl+."},
        {"bracket", U'[', SC, "Shift+Ctrl+["},
        {"equals", U'=', Shortcut::Ctrl, "Ctrl+="},
        {"plusKey", U'+', Shortcut::Ctrl, "Ctrl++"},
        {"deleteAlone", Shortcut::Del, 0, "Del"},
        {"insertAlone", Shortcut::Ins, 0, "Ins"},
        {"functionKey", Shortcut::F12, 0, "F12"},
        {"altFunctionKey", Shortcut::F1, Shortcut::Alt, "Alt+F1"},
        {"shiftAlt", Shortcut::F4, Shortcut::Shift | Shortcut::Alt, "Shift+Alt+F4"},
        {"allModifiers", Shortcut::PgDn, SC | Shortcut::Alt, "Shift+Ctrl+Alt+PgDn"},
        {"blankIsSpace", U' ', Shortcut::Ctrl, "Ctrl+Space"},
        {"unknownModifierBitsDropped", U'A', 0x80u | Shortcut::Ctrl, "Ctrl+A"},
        {"noKeyIsEmpty", Shortcut::NoKey, Shortcut::Ctrl, ""},
        {"controlCharacterIsNoKey", U'\n', Shortcut::Ctrl, ""},
        {"nonAsciiIsNoKey", U'\u0105', Shortcut::Ctrl, ""},
        {"beyondNamedKeysIsNoKey", Shortcut::F12 + 1, Shortcut::Ctrl, ""},
    };
    for (const Row& r : rows) {
        const Shortcut s(r.key, r.modifiers);
        EXPECT_EQ(s.toText().toStdString(), r.text) << r.name;
        EXPECT_EQ(s.isEmpty(), *r.text == 0) << r.name;
    }
}

TEST(Shortcut, emptyShortcutCarriesNoModifiers)
{
    const Shortcut s(Shortcut::NoKey, SC);
    EXPECT_EQ(s.modifiers(), 0u);
    EXPECT_EQ(s, Shortcut());
    EXPECT_TRUE(s.keyName().isEmpty());
}

TEST(Shortcut, readsTextLeniently)
{
    struct Row {
        const char* name;
        const char* text;
        const char* canonical; // "" when no shortcut
    };
    const Row rows[] = {
        {"canonical", "Shift+Ctrl+O", "Shift+Ctrl+O"},
        {"lowerCase", "ctrl+o", "Ctrl+O"},
        {"upperCase", "CTRL+SHIFT+O", "Shift+Ctrl+O"},
        {"modifiersAnyOrder", "Alt+Ctrl+Shift+\\", "Shift+Ctrl+Alt+\\"},
        {"modifierTwice", "Shift+Shift+A", "Shift+A"},
        {"namedKeyAnyCase", "del", "Del"},
        {"namedKeyUpper", "PGDN", "PgDn"},
        {"functionKey", "shift+alt+f4", "Shift+Alt+F4"},
        {"outerBlanks", "  Ctrl+O\t", "Ctrl+O"},
        {"blanksAroundPlus", "Ctrl + Shift +  [", "Shift+Ctrl+["},
        {"plusAsKey", "Ctrl++", "Ctrl++"},
        {"plusAlone", "+", "+"},
        {"punctuation", "Shift+Ctrl+.", "Shift+Ctrl+."},
        {"spaceByName", "Ctrl+Space", "Ctrl+Space"},
        {"empty", "", ""},
        {"blanksOnly", "   ", ""},
        {"modifierWithoutKey", "Ctrl+", ""},
        {"modifierWithBlankKey", "Ctrl+ ", ""},
        {"modifierNameAlone", "Ctrl", ""},
        {"twoModifiersNoKey", "Ctrl+Shift", ""},
        {"unknownName", "Ctrl+Foo", ""},
        {"twoLetters", "Ctrl+OO", ""},
        {"trailingPlus", "Ctrl+O+", ""},
        {"dashSeparator", "Ctrl-O", ""},
        {"modifierPrefixOfWord", "Shiftless+A", ""},
        {"noF13", "F13", ""},
        {"noF0", "F0", ""},
        {"nonAsciiKey", "Ctrl+\xc4\x85", ""},
        {"innerBlankInName", "Pg Up", ""},
    };
    for (const Row& r : rows) {
        const Shortcut s = Shortcut::fromText(QString::fromUtf8(r.text));
        EXPECT_EQ(s.toText().toStdString(), r.canonical) << r.name;
    }
}

TEST(Shortcut, everyKeyAndModifierSetSurvivesTheTextRoundTrip)
{
    std::vector<char32_t> keys;
    for (char32_t k = Shortcut::BkSp; k <= Shortcut::F12; ++k)
        keys.push_back(k);
    for (char32_t c = U'!'; c <= U'~'; ++c)
        keys.push_back(c);
    QSet<QString> texts;
    for (char32_t key : keys) {
        for (unsigned m = 0; m < 8; ++m) {
            const Shortcut s(key, m);
            ASSERT_FALSE(s.isEmpty()) << static_cast<unsigned>(key);
            const QString text = s.toText();
            EXPECT_EQ(Shortcut::fromText(text), s) << text.toStdString();
            EXPECT_EQ(Shortcut::fromText(text.toLower()), s) << text.toStdString();
            texts.insert(text);
        }
    }
    // Lower-case letters fold onto upper case, so they add no texts of their own.
    EXPECT_EQ(texts.size(), static_cast<qsizetype>((keys.size() - 26) * 8));
}

TEST(Shortcut, keyNameIsTheTextAfterTheModifiers)
{
    EXPECT_EQ(Shortcut::fromText(u"Shift+Ctrl+Alt+PgUp").keyName(), QStringLiteral("PgUp"));
    EXPECT_EQ(Shortcut::fromText(u"Ctrl++").keyName(), QStringLiteral("+"));
    EXPECT_EQ(Shortcut::fromText(u"q").keyName(), QStringLiteral("Q"));
}

TEST(Shortcut, shiftAloneMakesADifferentShortcut)
{
    const Shortcut undo = Shortcut::fromText(u"Ctrl+Z");
    const Shortcut redo = Shortcut::fromText(u"Shift+Ctrl+Z");
    EXPECT_NE(undo, redo);
    EXPECT_TRUE(redo.hasShift() && redo.hasCtrl() && !redo.hasAlt());
    EXPECT_FALSE(undo.hasShift());
    const QSet<Shortcut> set{undo, redo, Shortcut::fromText(u"ctrl+z")};
    EXPECT_EQ(set.size(), 2);
}

} // namespace
} // namespace varnik

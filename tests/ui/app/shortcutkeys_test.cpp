#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "ui/app/shortcutkeys.h"

#include <gtest/gtest.h>

#include <QSet>

namespace varnik {
namespace {

TEST(ShortcutKeys, textFormBecomesTheQtKeyOfTheCharacter)
{
    struct Row {
        const char16_t* text;
        QKeyCombination expected;
    };
    const Row rows[] = {
        {u"Shift+Ctrl+O", Qt::SHIFT | Qt::CTRL | Qt::Key_O},
        {u"Ctrl+N", Qt::CTRL | Qt::Key_N},
        {u"Ctrl+\\", Qt::CTRL | Qt::Key_Backslash},
        {u"Shift+Ctrl+.", Qt::SHIFT | Qt::CTRL | Qt::Key_Period},
        {u"Shift+Ctrl+[", Qt::SHIFT | Qt::CTRL | Qt::Key_BracketLeft},
        {u"Shift+Ctrl+]", Qt::SHIFT | Qt::CTRL | Qt::Key_BracketRight},
        {u"Ctrl+=", Qt::CTRL | Qt::Key_Equal},
        {u"Ctrl++", Qt::CTRL | Qt::Key_Plus},
        {u"Alt+7", Qt::ALT | Qt::Key_7},
        {u"Del", QKeyCombination(Qt::Key_Delete)},
        {u"Ins", QKeyCombination(Qt::Key_Insert)},
        {u"F12", QKeyCombination(Qt::Key_F12)},
        {u"Alt+F1", Qt::ALT | Qt::Key_F1},
        {u"Shift+Alt+F4", Qt::SHIFT | Qt::ALT | Qt::Key_F4},
        {u"Enter", QKeyCombination(Qt::Key_Return)},
        {u"Shift+Ctrl+Alt+PgDn", Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_PageDown},
        {u"BkSp", QKeyCombination(Qt::Key_Backspace)},
        {u"Esc", QKeyCombination(Qt::Key_Escape)},
    };
    for (const Row& r : rows) {
        const Shortcut s = Shortcut::fromText(r.text);
        EXPECT_EQ(toKeyCombination(s), r.expected) << QString::fromUtf16(r.text).toStdString();
        EXPECT_EQ(toKeySequence(s), QKeySequence(r.expected)) << QString::fromUtf16(r.text).toStdString();
    }
    EXPECT_TRUE(toKeySequence(Shortcut()).isEmpty());
}

TEST(ShortcutKeys, everyDefaultShortcutGivesItsOwnSequence)
{
    QSet<Shortcut> shortcuts;
    QSet<QKeySequence> sequences;
    for (const CommandItem& item : CommandTable::standard().allItems()) {
        if (item.shortcut.isEmpty())
            continue;
        const QKeySequence seq = toKeySequence(item.shortcut);
        EXPECT_EQ(seq.count(), 1) << item.id.toStdString();
        EXPECT_FALSE(seq.isEmpty()) << item.id.toStdString();
        EXPECT_NE(seq[0].key(), Qt::Key_unknown) << item.id.toStdString();
        shortcuts.insert(item.shortcut);
        sequences.insert(seq);
    }
    EXPECT_GT(shortcuts.size(), 50);
    EXPECT_EQ(sequences.size(), shortcuts.size());
    EXPECT_NE(toKeySequence(CommandTable::standard().item(ids::Undo2).shortcut),
              toKeySequence(CommandTable::standard().item(ids::Redo1).shortcut));
}

TEST(ShortcutKeys, everyNameableKeyComesBackFromItsCombination)
{
    std::vector<char32_t> keys;
    for (char32_t k = Shortcut::BkSp; k <= Shortcut::F12; ++k)
        keys.push_back(k);
    for (char32_t c = U'!'; c <= U'~'; ++c)
        keys.push_back(c);
    for (char32_t key : keys) {
        for (unsigned m = 0; m < 8; ++m) {
            const Shortcut s(key, m);
            EXPECT_EQ(shortcutFromKeyCombination(toKeyCombination(s)), s) << s.toText().toStdString();
        }
    }
}

TEST(ShortcutKeys, pressedKeysOutsideTheTextFormGiveNoShortcut)
{
    struct Row {
        const char* name;
        QKeyCombination pressed;
        const char* text;
    };
    const Row rows[] = {
        {"keypadEnterIsEnter", Qt::KeypadModifier | Qt::Key_Enter, "Enter"},
        {"backtabIsShiftTab", Qt::SHIFT | Qt::Key_Backtab, "Shift+Tab"},
        {"shiftedSymbolKeepsItsCharacter", Qt::SHIFT | Qt::CTRL | Qt::Key_BraceLeft, "Shift+Ctrl+{"},
        {"metaCannotBeWritten", Qt::META | Qt::Key_A, ""},
        {"modifierAlone", Qt::CTRL | Qt::Key_Control, ""},
        {"nonAsciiLetter", QKeyCombination(Qt::Key_Eacute), ""},
        {"functionKeyBeyondTwelve", QKeyCombination(Qt::Key_F13), ""},
        {"unknownKey", QKeyCombination(Qt::Key_unknown), ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(shortcutFromKeyCombination(r.pressed).toText().toStdString(), r.text) << r.name;
}

} // namespace
} // namespace varnik

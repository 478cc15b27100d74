#include "core/keymap/shortcutedit.h"

#include "core/app/messagesink.h"
#include "core/commands/commandtable.h"
#include "core/keymap/keymapfile.h"
#include "core/keymap/liveshortcuts.h"

namespace varnik {

ShortCutEdit::ShortCutEdit(const CommandTable& table, LiveShortcuts& live, MessageSink& messages)
    : table_(table), live_(live), messages_(messages)
{
}

void ShortCutEdit::prepare()
{
    refill(0);
}

void ShortCutEdit::refill(int select)
{
    reserved_ = reservedShortcuts(table_);
    rows_.clear();
    for (const CommandItem* item : mappableCommands(table_))
        rows_.push_back({item->id, item->plainCaption(), live_.shortcut(item->id)});
    selectRow(-1);
    selectRow(select);
}

void ShortCutEdit::selectRow(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        selected_ = -1;
        itemHint_ = QStringLiteral("?");
        keyText_.clear();
        keyField.clear();
        return;
    }
    selected_ = row;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const CommandItem* item = table_.find(r.id);
    itemHint_ = item && !item->hint.isEmpty() ? item->hint : QStringLiteral("?");
    shiftState_ = shiftChecked = r.shortcut.hasShift();
    ctrlState_ = ctrlChecked = r.shortcut.hasCtrl();
    altState_ = altChecked = r.shortcut.hasAlt();
    // The key's own name, so that the "+" key is not mistaken for the separator.
    keyText_ = keyField = r.shortcut.keyName().toUpper();
}

bool ShortCutEdit::keyPressed(char32_t key, unsigned modifiers)
{
    shiftChecked = shiftChecked || (modifiers & Shortcut::Shift);
    ctrlChecked = ctrlChecked || (modifiers & Shortcut::Ctrl);
    altChecked = altChecked || (modifiers & Shortcut::Alt);
    keyField.clear();
    const bool named = key == Shortcut::Ins || key == Shortcut::Del || key == Shortcut::PgUp ||
                       key == Shortcut::PgDn || key == Shortcut::End || key == Shortcut::Home ||
                       (key >= Shortcut::F1 && key <= Shortcut::F12);
    if (named)
        keyField = Shortcut(key).keyName().toUpper();
    return named;
}

void ShortCutEdit::set()
{
    QString text;
    if (shiftChecked)
        text += u"Shift+";
    if (ctrlChecked)
        text += u"Ctrl+";
    if (altChecked)
        text += u"Alt+";
    text += keyField;
    const Shortcut s = Shortcut::fromText(text);
    if (selected_ < 0)
        return;
    if (s.isEmpty()) {
        messages_.message(MsgIllegal.toString(), MessageKind::Error, Buttons::OK);
        return;
    }
    if (reserved_.contains(s)) {
        messages_.message(MsgCant.toString(), MessageKind::Error, Buttons::OK);
        return;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        // The selected command keeping its own shortcut is no conflict.
        if (rows_[i].shortcut != s || static_cast<int>(i) == selected_)
            continue;
        if (messages_.message(MsgReassing.toString(), MessageKind::Confirmation, Buttons::YesNo) !=
            Result::Yes)
            return;
        live_.setShortcut(rows_[i].id, Shortcut());
    }
    live_.setShortcut(rows_[static_cast<std::size_t>(selected_)].id, s);
    refill(selected_);
}

void ShortCutEdit::clear()
{
    if (selected_ < 0)
        return;
    live_.setShortcut(rows_[static_cast<std::size_t>(selected_)].id, Shortcut());
    refill(selected_);
}

bool ShortCutEdit::loadFromFile(const QString& path)
{
    const auto entries = readKeyMapFile(path);
    if (!entries) {
        messages_.message(QStringLiteral("Key mapping couldn't be opened!"), MessageKind::Error, Buttons::OK);
        return false;
    }
    applyKeyMap(*entries, table_, live_);
    refill(selected_);
    return true;
}

bool ShortCutEdit::saveToFile(const QString& path)
{
    if (!writeKeyMapFile(path, table_, live_)) {
        messages_.message(QStringLiteral("Key mapping couldn't be saved!"), MessageKind::Error, Buttons::OK);
        return false;
    }
    return true;
}

} // namespace varnik

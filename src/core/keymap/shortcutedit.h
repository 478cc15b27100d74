#pragma once

#include "core/app/shortcut.h"

#include <QSet>
#include <QString>

#include <vector>

namespace varnik {

class CommandTable;
class LiveShortcuts;
class MessageSink;

// The logic of the key-mapping editor: the list of mappable commands with their shortcuts, the
// selected row, the three modifier boxes and the key field, Set, Clear, and loading and saving a key
// mapping file. Every change goes to the live shortcuts at once. The page that shows it mirrors
// this state after each call.
class ShortCutEdit {
public:
    struct Row {
        QString id;
        QString caption; // without accelerator marks
        Shortcut shortcut;
    };

    static constexpr QStringView MsgIllegal = u"Illegal key assigment!";
    static constexpr QStringView MsgCant =
        u"This shortcut cannot be reassigned! Shorcuts assigned to dynamically "
        u"building menus cannot be used by you.";
    static constexpr QStringView MsgReassing = u"This key combination is already in use. Reassign anyway?";
    static constexpr QStringView Col1Caption = u"Menu command";
    static constexpr QStringView Col2Caption = u"Shortcut";

    ShortCutEdit(const CommandTable& table, LiveShortcuts& live, MessageSink& messages);

    // Fills the list from the live shortcuts and selects the first row.
    void prepare();

    const std::vector<Row>& rows() const { return rows_; }
    // -1 when no row is selected.
    int selectedRow() const { return selected_; }
    // Out-of-range rows select none.
    void selectRow(int row);

    // The selected command's hint ("?" when none) and its shortcut's parts.
    QString itemHint() const { return itemHint_; }
    QString keyText() const { return keyText_; }
    bool shiftState() const { return shiftState_; }
    bool ctrlState() const { return ctrlState_; }
    bool altState() const { return altState_; }

    // The editing controls: three modifier boxes and the key field.
    bool shiftChecked = false;
    bool ctrlChecked = false;
    bool altChecked = false;
    QString keyField;

    // A key pressed in the key field (key: a Shortcut::Key or a character, NoKey for a modifier alone):
    // ticks the boxes of the modifiers held, empties the field and names Ins, Del, PgUp, PgDn, End, Home
    // and F1 to F12 in it. True when it named the key (the press goes no further); otherwise the key
    // types its character into the emptied field.
    bool keyPressed(char32_t key, unsigned modifiers);

    // Gives the selected command the shortcut of the boxes and the key field, after the checks.
    void set();
    // Takes the selected command's shortcut away.
    void clear();

    // Apply or write a key mapping file; a failure is reported and changes nothing.
    bool loadFromFile(const QString& path);
    bool saveToFile(const QString& path);

private:
    void refill(int select);

    const CommandTable& table_;
    LiveShortcuts& live_;
    MessageSink& messages_;
    std::vector<Row> rows_;
    QSet<Shortcut> reserved_;
    int selected_ = -1;
    QString itemHint_ = QStringLiteral("?");
    QString keyText_;
    bool shiftState_ = false;
    bool ctrlState_ = false;
    bool altState_ = false;
};

} // namespace varnik

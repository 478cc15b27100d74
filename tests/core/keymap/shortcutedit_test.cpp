#include "core/app/settings.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "core/keymap/keymapfile.h"
#include "core/keymap/shortcutedit.h"
#include "support/mapshortcuts.h"
#include "support/scriptedsink.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::MapShortcuts;
using test::ScriptedSink;

QString name(CommandId id)
{
    return id.name().toString();
}

class ShortCutEditTest : public ::testing::Test {
protected:
    int rowOf(CommandId id)
    {
        for (std::size_t i = 0; i < edit.rows().size(); ++i)
            if (edit.rows()[i].id == id.name())
                return static_cast<int>(i);
        return -1;
    }
    QString path(const char* file) { return dir.filePath(QString::fromLatin1(file)); }
    void write(const QString& file, const QByteArray& data)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    const CommandTable& table = CommandTable::standard();
    MapShortcuts live;
    ScriptedSink sink;
    ShortCutEdit edit{table, live, sink};
    QTemporaryDir dir;
};

TEST_F(ShortCutEditTest, prepare_listsMappableCommandsDepthFirstAndSelectsTheFirst)
{
    edit.prepare();
    ASSERT_FALSE(edit.rows().empty());
    EXPECT_EQ(edit.selectedRow(), 0);
    EXPECT_EQ(rowOf(ids::FileMenu), -1) << "top-level menus are fixed";
    EXPECT_EQ(rowOf(ids::Reopen1), -1) << "fixed items are not listed";
    // A submenu opener that is not fixed comes once, right before its entries.
    const int net = rowOf(ids::NET1);
    ASSERT_GE(net, 0);
    const CommandItem& opener = table.item(ids::NET1);
    ASSERT_FALSE(opener.children.empty());
    EXPECT_EQ(edit.rows()[static_cast<std::size_t>(net + 1)].id, opener.children.front()->id);
    for (const auto& row : edit.rows()) {
        EXPECT_FALSE(row.caption.contains(u'&')) << row.caption.toStdString();
        EXPECT_NE(row.caption, u"-"_qs);
    }
    const int hex = rowOf(ids::Hexedit1);
    edit.selectRow(hex);
    EXPECT_EQ(edit.itemHint(), table.item(ids::Hexedit1).hint);
    EXPECT_TRUE(edit.ctrlChecked && edit.ctrlState() && !edit.shiftChecked && !edit.altChecked);
    EXPECT_EQ(edit.keyField, u"Q"_qs);
    edit.selectRow(-1);
    EXPECT_EQ(edit.itemHint(), u"?"_qs);
    EXPECT_TRUE(edit.keyField.isEmpty() && edit.keyText().isEmpty());
}

TEST_F(ShortCutEditTest, keyField_namesSpecialKeysAndTicksOnlyHeldModifiers)
{
    edit.prepare();
    edit.selectRow(rowOf(ids::Showtips1)); // no shortcut: every box unticked
    EXPECT_TRUE(edit.keyPressed(Shortcut::F10, Shortcut::NoModifier));
    EXPECT_EQ(edit.keyField, u"F10"_qs);
    EXPECT_FALSE(edit.shiftChecked || edit.ctrlChecked || edit.altChecked);
    EXPECT_TRUE(edit.keyPressed(Shortcut::PgUp, Shortcut::Alt));
    EXPECT_EQ(edit.keyField, u"PGUP"_qs);
    EXPECT_TRUE(edit.altChecked);
    EXPECT_FALSE(edit.keyPressed(U'a', Shortcut::NoModifier)) << "a character types itself";
    EXPECT_TRUE(edit.keyField.isEmpty());
    EXPECT_TRUE(edit.altChecked) << "a key never unticks a box";

    edit.altChecked = false;
    edit.keyPressed(Shortcut::F10, Shortcut::NoModifier);
    edit.ctrlChecked = true;
    edit.set();
    EXPECT_EQ(live.shortcut(name(ids::Showtips1)).toText(), u"Ctrl+F10"_qs);
    EXPECT_EQ(edit.rows()[static_cast<std::size_t>(edit.selectedRow())].shortcut.toText(), u"Ctrl+F10"_qs);
}

TEST_F(ShortCutEditTest, set_rejectsIllegalAndReservedKeys)
{
    struct Case {
        const char* name;
        bool ctrl;
        const char16_t* key;
        QStringView message;
    };
    const Case cases[] = {
        {"noKey", true, u"", ShortCutEdit::MsgIllegal},
        {"unknownName", true, u"FOO", ShortCutEdit::MsgIllegal},
        {"bookmarkKey", true, u"1", ShortCutEdit::MsgCant},
    };
    edit.prepare();
    const int row = rowOf(ids::Showtips1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sink.texts.clear();
        edit.selectRow(row);
        edit.ctrlChecked = c.ctrl;
        edit.keyField = QString::fromUtf16(c.key);
        edit.set();
        EXPECT_EQ(sink.texts, QStringList{c.message.toString()});
        EXPECT_TRUE(live.shortcut(name(ids::Showtips1)).isEmpty());
    }
}

TEST_F(ShortCutEditTest, set_takenKeyMovesOnlyAfterYes)
{
    edit.prepare();
    const int row = rowOf(ids::Showtips1);
    edit.selectRow(row);
    edit.ctrlChecked = true;
    edit.keyField = u"Q"_qs;
    sink.answers = {Result::No};
    edit.set();
    EXPECT_EQ(sink.texts, QStringList{ShortCutEdit::MsgReassing.toString()});
    EXPECT_EQ(live.shortcut(name(ids::Hexedit1)).toText(), u"Ctrl+Q"_qs);
    EXPECT_TRUE(live.shortcut(name(ids::Showtips1)).isEmpty());

    sink.answers = {Result::Yes};
    edit.set();
    EXPECT_TRUE(live.shortcut(name(ids::Hexedit1)).isEmpty());
    EXPECT_EQ(live.shortcut(name(ids::Showtips1)).toText(), u"Ctrl+Q"_qs);
    EXPECT_EQ(edit.selectedRow(), row);
    EXPECT_TRUE(edit.rows()[static_cast<std::size_t>(rowOf(ids::Hexedit1))].shortcut.isEmpty());

    // Setting a command's own shortcut again asks nothing.
    sink.texts.clear();
    edit.set();
    EXPECT_TRUE(sink.texts.isEmpty());

    edit.clear();
    EXPECT_TRUE(live.shortcut(name(ids::Showtips1)).isEmpty());
    EXPECT_EQ(edit.selectedRow(), row);
}

TEST_F(ShortCutEditTest, saveThenLoad_changesNothing)
{
    live.setShortcut(name(ids::Showtips1), Shortcut::fromText(u"Shift+Ctrl+Alt+="));
    live.setShortcut(name(ids::Hexedit1), Shortcut());
    const auto before = live.map;
    edit.prepare();
    ASSERT_TRUE(edit.saveToFile(path("a.kbd")));
    // A second save of the loaded mapping writes the same bytes.
    ASSERT_TRUE(edit.loadFromFile(path("a.kbd")));
    EXPECT_EQ(live.map, before);
    ASSERT_TRUE(edit.saveToFile(path("b.kbd")));
    QFile a(path("a.kbd")), b(path("b.kbd"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_TRUE(sink.texts.isEmpty());
}

TEST_F(ShortCutEditTest, missingEntry_removesTheShortcutOnLoadAndAtStartup)
{
    write(path("m.kbd"), "[keymapping]\nUndo2=\nSymbol1=F2\n");
    edit.prepare();
    ASSERT_TRUE(edit.loadFromFile(path("m.kbd")));
    EXPECT_TRUE(live.shortcut(name(ids::Hexedit1)).isEmpty());
    EXPECT_EQ(live.shortcut(name(ids::Symbol1)).toText(), u"F2"_qs);
    EXPECT_TRUE(edit.rows()[static_cast<std::size_t>(rowOf(ids::Hexedit1))].shortcut.isEmpty());

    MapShortcuts atStart;
    Settings settings;
    settings.keyMapFile = path("m.kbd");
    applyStartupKeyMap(settings, table, atStart);
    EXPECT_EQ(atStart.shortcut(name(ids::Hexedit1)).toText(), u"Ctrl+Q"_qs) << "LoadKeyMap is off";
    settings.loadKeyMap = true;
    applyStartupKeyMap(settings, table, atStart);
    EXPECT_TRUE(atStart.shortcut(name(ids::Hexedit1)).isEmpty());
    EXPECT_EQ(atStart.shortcut(name(ids::Symbol1)).toText(), u"F2"_qs);

    MapShortcuts missing;
    settings.keyMapFile = path("none.kbd");
    applyStartupKeyMap(settings, table, missing);
    EXPECT_EQ(missing.map, MapShortcuts().map);
}

TEST_F(ShortCutEditTest, badFiles_neverMakeAShortcutAmbiguous)
{
    struct Case {
        const char* name;
        QByteArray data;
        bool loads;
        const char16_t* hexedit; // Hexedit1's shortcut afterwards
        const char16_t* symbol;  // Symbol1's
    };
    const QByteArray binary = QByteArray::fromHex("00ff5b0a3d3d5d0d0a80c3286b65796d617070696e67");
    const Case cases[] = {
        {"unknownNamesIgnored", "[keymapping]\nNoSuch=Ctrl+Q\nHexedit1=Ctrl+Q\n", true, u"Ctrl+Q", u""},
        {"unknownKeyIsNone", "[keymapping]\nHexedit1=Ctrl+Foo\nSymbol1=F2\n", true, u"", u"F2"},
        {"anyCase", "[KEYMAPPING]\nhexedit1=ctrl+w\n", true, u"Ctrl+W", u""},
        {"duplicateKeepsFirstInMenu", "[keymapping]\nHexedit1=F2\nSymbol1=F2\n", true, u"", u"F2"},
        {"reservedKeyIsNone", "[keymapping]\nHexedit1=Ctrl+1\nSymbol1=F2\n", true, u"", u"F2"},
        {"fixedItemIgnored", "[keymapping]\nReopen1=F2\nSymbol1=F2\n", true, u"", u"F2"},
        {"longLine", "[keymapping]\nSymbol1=F2\nHexedit1=" + QByteArray(1 << 20, 'x') + "\n", true, u"",
         u"F2"},
        {"binaryGarbage", binary, false, u"Ctrl+Q", u"F2"},
        {"otherSection", "[General]\nHexedit1=F9\n", false, u"Ctrl+Q", u"F2"},
        {"empty", "", false, u"Ctrl+Q", u"F2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MapShortcuts target;
        target.setShortcut(name(ids::Symbol1), Shortcut::fromText(u"F2"));
        ScriptedSink messages;
        ShortCutEdit e(table, target, messages);
        e.prepare();
        write(path("bad.kbd"), c.data);
        EXPECT_EQ(e.loadFromFile(path("bad.kbd")), c.loads);
        EXPECT_EQ(messages.texts.isEmpty(), c.loads);
        if (!c.loads) {
            EXPECT_EQ(messages.texts, QStringList{u"Key mapping couldn't be opened!"_qs});
        }
        EXPECT_EQ(target.shortcut(name(ids::Hexedit1)).toText(), QString::fromUtf16(c.hexedit));
        EXPECT_EQ(target.shortcut(name(ids::Symbol1)).toText(), QString::fromUtf16(c.symbol));
    }
}

TEST_F(ShortCutEditTest, unwritableOrUnreadableFile_isReportedAndChangesNothing)
{
    edit.prepare();
    const auto before = live.map;
    EXPECT_FALSE(edit.loadFromFile(path("missing.kbd")));
    EXPECT_FALSE(edit.saveToFile(path("no/such/dir/x.kbd")));
    EXPECT_EQ(sink.texts,
              (QStringList{u"Key mapping couldn't be opened!"_qs, u"Key mapping couldn't be saved!"_qs}));
    EXPECT_EQ(live.map, before);
}

} // namespace
} // namespace varnik

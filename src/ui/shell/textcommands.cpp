// The commands with an operation of their own (text, number, line, word and evaluation commands): each
// runs its table row's operation on the active document; a command with a dialog asks first and hands
// the answers over as fields. The converter and the list generator are windows of their own.
#include "ui/shell/sdiappform.h"

#include "core/app/codepage.h"
#include "core/calc/listgenerator.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "core/text/importcommand.h"
#include "core/text/selectioncommands.h"
#include "platform/systemenvironment.h"
#include "ui/app/busycursor.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/filecontroller.h"
#include "ui/app/filedialogs.h"
#include "ui/calc/calcwindows.h"
#include "ui/text/columnsplitunit.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>

namespace varnik {

namespace {

// The running system as the text commands see it from the window.
class WindowEnvironment : public SystemEnvironment {
public:
    WindowEnvironment(SDIAppForm& window)
        : SystemEnvironment(window.settings(), window.activeRecord().encoding), window_(window)
    {
    }
    QString clipboardText() const override { return QApplication::clipboard()->text(); }
    void showStatus(const QString& text) override
    {
        window_.setStatusText(text);
        // A long step holds the event loop: show the text now.
        window_.statusPanels()[6]->repaint();
    }
    void setBusy(bool busy) override
    {
        if (busy)
            BusyCursor::show();
        else
            BusyCursor::hide();
    }

private:
    SDIAppForm& window_;
};

} // namespace

void SDIAppForm::runDocumentCommand(const CommandItem& command, const CommandFields& fields)
{
    WindowEnvironment environment(*this);
    CommandContext context{activeText(), *messages_, environment, activeRecord().encoding,
                           command.id,   fields,     std::nullopt};
    command.run(context);
    // A command may change what the text does not show (a character table changes the encoding).
    if (activeText().isModified())
        activeRecord().modified = true;
    if (!context.newDocument || !makeRoomForResult(true))
        return;
    activeText().setText(*context.newDocument);
    activeRecord().modified = true;
}

void SDIAppForm::registerTextCommands()
{
    for (const CommandItem& item : CommandTable::standard().allItems())
        if (item.run && !item.asksFirst)
            commands_->setHandler(item, [this, &item] { runDocumentCommand(item, {}); });

    const CommandTable& table = CommandTable::standard();
    // An import asks for its file with the shared open dialog, the selection collapsed first.
    for (const ImportCommand& import : importCommands())
        if (const CommandItem* item = table.find(import.id))
            commands_->setHandler(*item, [this, item, &import] {
                activeText().setSelection(activeText().selectionStart(), 0);
                const QString path = askImportFileName(this, import.dialogTitle(), files().dialogDirectory());
                if (!path.isEmpty())
                    runDocumentCommand(*item, {{QStringLiteral("file"), path}});
            });
    commands_->setHandler(ids::Splitcolumn1, [this, &table] {
        ColumnSplitForm form(this);
        if (form.exec() == QDialog::Accepted)
            runDocumentCommand(table.item(ids::Splitcolumn1),
                               {{QStringLiteral("column"), QString::number(form.column())},
                                {QStringLiteral("separator"), form.separator()}});
    });
    commands_->setHandler(ids::Date1, [this, &table] {
        const QDate date = pickDate(this);
        if (date.isValid())
            runDocumentCommand(table.item(ids::Date1),
                               {{QStringLiteral("date"), date.toString(Qt::ISODate)}});
    });
    commands_->setHandler(ids::Unionverter1, [this] {
        runUniConverter(activeText(), WindowEnvironment(*this).decimalSeparator(), this);
    });
    commands_->setHandler(ids::Advancedlistgenerator1, [this] {
        // "ASCII" writes characters of the document's code page, or of the legacy one for UTF-8.
        const auto& page = activeRecord().encoding.codePage();
        runListGenerator(activeText(), codePageCharset(page ? *page : *legacyCodePage(settings().codePage)),
                         this);
    });
    commands_->setHandler(ids::HEXvaluecolor1, [this, &table] {
        const auto preset = colourFromSelection(activeText().selectedText());
        const QColor start = preset ? QColor(preset->red, preset->green, preset->blue) : QColor(Qt::white);
        const QColor chosen = QColorDialog::getColor(start, this);
        if (chosen.isValid())
            runDocumentCommand(
                table.item(ids::HEXvaluecolor1),
                {{QStringLiteral("color"), colourHexText({chosen.red(), chosen.green(), chosen.blue()})}});
    });
}

} // namespace varnik

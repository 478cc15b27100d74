// The text, number, line, word and evaluation commands in the window: each
// runs the shared command of the document registry on the active document.
#include "ui/shell/sdiappform.h"

#include "core/app/documentcommands.h"
#include "core/text/cnvtable.h"
#include "core/text/cnvtablecommand.h"
#include "core/text/importcommand.h"
#include "core/text/lineediting.h"
#include "core/text/selectioncommands.h"
#include "core/text/splitcolumn.h"
#include "platform/programdata.h"
#include "platform/systemenvironment.h"
#include "ui/app/busycursor.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/app/filecontroller.h"
#include "ui/app/filedialogs.h"
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

void SDIAppForm::registerTextCommands()
{
    for (const CnvTableCommand& table : cnvTableCommands())
        commands_->setHandler(table.id.toString(), [this, &table] {
            DocumentInfo& record = activeRecord();
            const DocumentEncoding before = record.encoding;
            applyCnvTableCommand(activeText(), *messages_,
                                 CnvTable::load(findProgramDataFile(table.fileName.toString())), table,
                                 record.encoding);
            if (!(record.encoding == before))
                record.modified = true; // Save now writes other bytes
        });
    for (const ImportCommand& import : importCommands())
        commands_->setHandler(import.id.toString(), [this, &import] {
            TextEdit& edit = activeText();
            edit.setSelection(edit.selectionStart(), 0);
            const QString path = askImportFileName(this, import.dialogTitle(), files().dialogDirectory());
            if (path.isEmpty())
                return;
            WindowEnvironment environment(*this);
            importFileAtCaret(edit, environment, *messages_, import.kind, path);
        });
    for (const QString& id : documentCommandIds()) {
        const DocumentCommand* command = findDocumentCommand(id);
        commands_->setHandler(id, [this, command] {
            WindowEnvironment environment(*this);
            DocumentCommandContext context{activeText(), *messages_, environment,
                                           environment.decimalSeparator()};
            (*command)(context);
        });
    }
    commands_->setHandler(QStringLiteral("Splitcolumn1"), [this] {
        ColumnSplitForm form(this);
        if (form.exec() != QDialog::Accepted)
            return;
        const QString source = splitColumnSource(activeText());
        const QString result = splitColumn(source, form.column(), form.separator());
        if (!makeRoomForResult(true))
            return;
        activeText().setText(result);
        activeRecord().modified = true;
    });
    commands_->setHandler(QStringLiteral("Date1"), [this] {
        const QDate date = pickDate(this);
        if (!date.isValid())
            return;
        WindowEnvironment environment(*this);
        insertDateValue(activeText(), date, environment);
    });
    commands_->setHandler(QStringLiteral("HEXvaluecolor1"), [this] {
        const auto preset = colourFromSelection(activeText().selectedText());
        const QColor start = preset ? QColor(preset->red, preset->green, preset->blue) : QColor(Qt::white);
        const QColor chosen = QColorDialog::getColor(start, this);
        if (chosen.isValid())
            insertColourValue(activeText(), Rgb{chosen.red(), chosen.green(), chosen.blue()});
    });
}

} // namespace varnik

// The text, number, line, word and evaluation commands in the window: each
// runs the shared command of the document registry on the active document.
#include "ui/shell/sdiappform.h"

#include "core/app/codepage.h"
#include "core/app/documentcommands.h"
#include "core/calc/listgenerator.h"
#include "core/text/lineediting.h"
#include "core/text/selectioncommands.h"
#include "core/text/splitcolumn.h"
#include "platform/systemenvironment.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/calc/calcwindows.h"
#include "ui/text/columnsplitunit.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>

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
    void showStatus(const QString& text) override { window_.setStatusText(text); }
    void setBusy(bool busy) override
    {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }

private:
    SDIAppForm& window_;
};

} // namespace

void SDIAppForm::registerTextCommands()
{
    for (const QString& id : documentCommandIds()) {
        const DocumentCommand* command = findDocumentCommand(id);
        commands_->setHandler(id, [this, command] {
            WindowEnvironment environment(*this);
            DocumentCommandContext context{activeText(), *messages_, environment, environment.decimalSeparator()};
            (*command)(context);
        });
    }
    commands_->setHandler(QStringLiteral("Splitcolumn1"), [this] {
        ColumnSplitForm form(this);
        if (form.exec() != QDialog::Accepted)
            return;
        const QString source = splitColumnSource(activeText());
        const QString result = splitColumn(source, form.column(), form.separator());
        if (documents_->isMultiDoc())
            documents_->createDocumentTab();
        else if (askSave(QStringLiteral("Do you want to save changes before that action?")) == Result::Cancel)
            return;
        else
            newDocument();
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
    commands_->setHandler(QStringLiteral("Unionverter1"), [this] {
        runUniConverter(activeText(), WindowEnvironment(*this).decimalSeparator(), this);
    });
    commands_->setHandler(QStringLiteral("Advancedlistgenerator1"), [this] {
        // "ASCII" writes characters of the document's code page, or of the legacy one for UTF-8.
        const auto& page = activeRecord().encoding.codePage();
        runListGenerator(activeText(), codePageCharset(page ? *page : *legacyCodePage(settings().codePage)),
                         this);
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

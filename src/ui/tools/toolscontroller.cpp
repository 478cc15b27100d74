#include "ui/tools/toolscontroller.h"

#include "core/app/codepage.h"
#include "core/app/error.h"
#include "core/app/messagesink.h"
#include "core/app/settings.h"
#include "core/app/textedit.h"
#include "core/commands/commandids.h"
#include "core/tools/favouritetexts.h"
#include "platform/hostlookup.h"
#include "ui/app/activedocument.h"
#include "ui/app/commandactions.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/tools/charmap.h"
#include "ui/tools/clipboardmonitor.h"
#include "ui/tools/formcharmap.h"
#include "ui/tools/formclipboard.h"
#include "ui/tools/formfavtxt.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

namespace varnik {

ToolsController::ToolsController(ActiveDocument& window)
    : QObject(&window.hostWindow()), window_(window),
      clipboardWindow_(new FormClipboard(multiClipboard_, &window.hostWindow())),
      monitor_(new ClipboardMonitor(QApplication::clipboard(), window.messages(), this)),
      favouriteFile_(defaultFavouriteDirectory() + u'/' + favouriteFileName(loginName()))
{
    setObjectName(QStringLiteral("ToolsController"));
    // The first read; the window's first status tick applies it.
    monitor_->signalChange();
    monitor_->setOnChange([this] { clipboardChanged(); });
    registerCommands();
    // Cut and Copy must be enabled the moment a selection appears: a shortcut
    // pressed before the next status tick would reach the edit's own copy and
    // miss the multi-clipboard.
    followSelection(window_.documents().singleEdit());
    connect(&window_.documents(), &DocumentArea::editCreated, this, &ToolsController::followSelection);
}

ToolsController::~ToolsController() = default;

bool ToolsController::clipboardHasText() const
{
    return monitor_->hasText();
}

TextEdit& ToolsController::activeText() const
{
    return window_.documents().activeEdit()->textEdit();
}

void ToolsController::registerCommands()
{
    CommandActions& c = window_.commands();
    c.setHandler(ids::Pastemclip1, [this] { pasteFromMultiClipboard(); });
    c.setHandler(ids::Gettextfromselection1, [this] { getTextFromSelection(); });
    c.setHandler(ids::Yourfavtxt1, [this] { favouriteTexts(); });
    c.setHandler(ids::Symbol1, [this] { symbols(); });
}

void ToolsController::followSelection(DocumentEdit* edit)
{
    if (edit)
        connect(edit, &QsciScintilla::selectionChanged, this, [this] { window_.refreshCommands(); });
}

void ToolsController::clipboardChanged()
{
    // Paste and the clipboard-at commands follow what the monitor read.
    window_.refreshCommands();
}

void ToolsController::collect(const QString& selectedText)
{
    if (window_.settings().multiClip)
        multiClipboard_.add(selectedText);
}

int ToolsController::showModal(QDialog& dialog)
{
    if (beforeShow_)
        beforeShow_(dialog);
    return dialog.exec();
}

void ToolsController::pasteFromMultiClipboard()
{
    if (!window_.settings().multiClip || multiClipboard_.isEmpty())
        return;
    if (showModal(*clipboardWindow_) != QDialog::Accepted)
        return;
    DocumentEdit* edit = window_.documents().activeEdit();
    edit->setFocus();
    edit->paste();
}

void ToolsController::getTextFromSelection()
{
    const QString text = favouriteCandidate(activeText().selectedText());
    if (text.isEmpty())
        return;
    if (window_.messages().message(addFavouriteQuestion(text), MessageKind::Confirmation, Buttons::YesNo) ==
        Result::Yes)
        favourites_.append(text);
}

void ToolsController::favouriteTexts()
{
    FormFavTxt form(favourites_, legacyCodePage(window_.settings().codePage), window_.messages(), &window_.hostWindow());
    if (showModal(form) != QDialog::Accepted)
        return;
    insertFavourite(activeText(), form.chosenText(), window_.settings().selectStay);
    window_.documents().activeEdit()->setFocus();
}

void ToolsController::symbols()
{
    FormCharMap form(window_.settings().codePage, &window_.hostWindow());
    form.setFontAndCharacterSet(window_.documents().editorSettings().font.family(), window_.settings().fontCharset);
    form.map().setToolTip(
        QStringLiteral("To insert selected characters into edited text press CTRL+V in the edit window."));
    showModal(form);
    window_.documents().activeEdit()->setFocus();
}

void ToolsController::loadFavourites()
{
    try {
        favourites_ = readFavouriteFile(favouriteFile_, legacyCodePage(window_.settings().codePage));
        favouriteState_ = FavouriteState::Loaded;
    } catch (const Error&) {
        favourites_.clear();
        // A file that is there but could not be read is never replaced by what this run collects.
        favouriteState_ =
            QFileInfo::exists(favouriteFile_) ? FavouriteState::Unreadable : FavouriteState::Loaded;
    }
}

void ToolsController::saveFavourites()
{
    if (favouriteState_ != FavouriteState::Loaded) {
        if (favouriteState_ == FavouriteState::Unreadable && !favourites_.isEmpty())
            window_.messages().message(
                QStringLiteral(
                    "The favorite texts were not saved: %1 could not be read when the program started.")
                    .arg(QDir::toNativeSeparators(favouriteFile_)),
                MessageKind::Error, Buttons::OK);
        return;
    }
    try {
        writeFavouriteFile(favouriteFile_, favourites_);
    } catch (const Error& e) {
        window_.messages().message(e.message(), MessageKind::Error, Buttons::OK);
    }
}

} // namespace varnik

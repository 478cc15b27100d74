#include "ui/app/documentarea.h"

#include "core/app/shortenname.h"
#include "ui/app/documentedit.h"
#include "ui/app/documenttabs.h"

#include <QFileInfo>
#include <QMenu>
#include <QTabBar>

namespace varnik {

DocumentArea::DocumentArea(QWidget* parent)
    : QStackedWidget(parent), single_(new DocumentEdit(this)), tabs_(new DocumentTabs(this)),
      activeEdit_(single_), activeRecord_(&singleRecord_)
{
    single_->setObjectName(QStringLiteral("RxRichEditSingle"));
    addWidget(single_);
    addWidget(tabs_);
    setCurrentWidget(single_);
    wireEdit(single_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        if (multiDoc_)
            tabChangeStep();
    });
}

DocumentArea::~DocumentArea() = default;

int DocumentArea::tabCount() const { return multiDoc_ ? tabs_->tabCount() : 1; }

DocumentInfo* DocumentArea::recordOf(const DocumentEdit* edit)
{
    if (edit == single_)
        return &singleRecord_;
    for (int i = 0; i < tabs_->tabCount(); ++i)
        if (tabs_->editAt(i) == edit)
            return tabs_->dataAt(i);
    return nullptr;
}

void DocumentArea::wireEdit(DocumentEdit* edit)
{
    connect(edit, &DocumentEdit::urlClicked, this, &DocumentArea::urlClicked);
    connect(edit, &DocumentEdit::doubleClickedEmpty, this, &DocumentArea::emptyDocumentDoubleClicked);
    connect(edit, &DocumentEdit::wrapHeldBackChanged, this, [this, edit](bool heldBack) {
        if (edit == activeEdit_)
            Q_EMIT wrapHeldBackChanged(heldBack);
    });
    // The edit's own flag turns the document record modified.
    connect(edit, &QsciScintilla::textChanged, this, [this, edit] {
        if (edit->textEdit().isModified())
            if (DocumentInfo* r = recordOf(edit))
                r->modified = true;
    });
    wirePopup(edit);
    Q_EMIT editCreated(edit);
}

void DocumentArea::wirePopup(DocumentEdit* edit)
{
    if (!editMenu_)
        return;
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, editMenu_,
            [this, edit](const QPoint& p) { editMenu_->popup(edit->mapToGlobal(p)); });
}

void DocumentArea::setPopupMenus(QMenu* editMenu, QMenu* tabMenu)
{
    editMenu_ = editMenu;
    wirePopup(single_);
    for (int i = 0; i < tabs_->tabCount(); ++i)
        wirePopup(tabs_->editAt(i));
    QTabBar* bar = tabs_->tabBar();
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, tabMenu, [this, bar, tabMenu](const QPoint& p) {
        if (const int clicked = bar->tabAt(p); clicked >= 0)
            tabs_->setCurrentIndex(clicked);
        tabMenu->popup(bar->mapToGlobal(p));
    });
}

void DocumentArea::setActive(DocumentEdit* edit, DocumentInfo* record)
{
    activeEdit_ = edit ? edit : single_;
    activeRecord_ = record ? record : &singleRecord_;
}

void DocumentArea::applyEditorSettings()
{
    DocumentEdit* e = activeEdit_;
    applyViewSettings();
    e->setUndoLimit(editor_.undoLimit);
    e->setUrlDetection(editor_.urlAutoDetect);
    e->textEdit().setModified(false);
    refreshTabCaptions();
    e->update();
}

void DocumentArea::applyViewSettings()
{
    DocumentEdit* e = activeEdit_;
    e->setEditorFont(editor_.font, editor_.fontColour);
    e->setWordWrap(editor_.wordWrap);
}

void DocumentArea::refreshTabCaptions()
{
    if (!multiDoc_)
        return;
    tabs_->setTabPosition(editor_.tabBottom ? QTabWidget::South : QTabWidget::North);
    for (int i = 0; i < tabs_->tabCount(); ++i) {
        const QString name = tabs_->dataAt(i)->fileName;
        QString caption;
        if (name.isEmpty())
            caption = QStringLiteral("Untitled");
        else if (editor_.shortNames)
            caption = QFileInfo(name).fileName();
        else
            caption = shortenName(name, QString()).trimmed();
        tabs_->setTabText(i, caption);
        tabs_->setTabToolTip(i, name);
    }
}

void DocumentArea::resetActiveRecord() { activeRecord_->reset(documentCounter_); }

DocumentEdit* DocumentArea::createDocumentTab()
{
    DocumentEdit* edit = tabs_->newTab();
    wireEdit(edit);
    setActive(edit, tabs_->activeData());
    activeRecord_->reset(documentCounter_);
    tabChangeStep();
    applyEditorSettings();
    ++documentCounter_;
    edit->setFocus();
    return edit;
}

void DocumentArea::tabChangeStep()
{
    if (multiDoc_ && tabs_->activeEdit()) {
        setActive(tabs_->activeEdit(), tabs_->activeData());
        applyViewSettings();
    }
    refreshTabCaptions();
    Q_EMIT activeDocumentChanged();
}

void DocumentArea::enterMultiDoc()
{
    if (multiDoc_)
        return;
    const QString text = single_->textEdit().text();
    const DocumentInfo record = singleRecord_;
    single_->textEdit().setText(QString());
    multiDoc_ = true;
    setCurrentWidget(tabs_);
    if (tabs_->tabCount() == 0)
        createDocumentTab();
    tabs_->setActiveData(record);
    setActive(tabs_->activeEdit(), tabs_->activeData());
    activeEdit_->textEdit().setText(text);
    applyEditorSettings();
    activeRecord_->modified = record.modified;
    tabChangeStep();
}

bool DocumentArea::enterSingleDoc(const std::function<bool()>& confirm)
{
    if (!multiDoc_)
        return true;
    if (tabs_->tabCount() >= 2 && confirm && !confirm())
        return false;
    QString text;
    if (tabs_->activeEdit()) {
        singleRecord_ = *tabs_->activeData();
        text = tabs_->activeEdit()->textEdit().text();
    }
    setActive(single_, &singleRecord_);
    while (tabs_->tabCount() > 0)
        tabs_->closeActiveTab();
    multiDoc_ = false;
    setCurrentWidget(single_);
    const bool modified = singleRecord_.modified;
    single_->textEdit().setText(text);
    applyEditorSettings();
    singleRecord_.modified = modified;
    tabChangeStep();
    return true;
}

void DocumentArea::closeTab(const std::function<bool()>& askSave)
{
    if (!multiDoc_ || tabs_->tabCount() < 2)
        return;
    if (askSave && !askSave())
        return;
    closeActiveTabQuietly();
}

void DocumentArea::closeActiveTabQuietly()
{
    if (!multiDoc_ || tabs_->tabCount() < 2)
        return;
    // The single edit stands in while the tab and its record go away.
    setActive(single_, &singleRecord_);
    tabs_->closeActiveTab();
    tabChangeStep();
    activeEdit_->setFocus();
}

void DocumentArea::previousTab()
{
    if (!multiDoc_ || tabs_->currentIndex() <= 0)
        return;
    tabs_->setCurrentIndex(tabs_->currentIndex() - 1);
}

void DocumentArea::nextTab()
{
    if (!multiDoc_ || tabs_->currentIndex() >= tabs_->tabCount() - 1)
        return;
    tabs_->setCurrentIndex(tabs_->currentIndex() + 1);
}

void DocumentArea::duplicateIntoNewTab()
{
    if (!multiDoc_)
        return;
    const QString text = activeEdit_->textEdit().text();
    createDocumentTab();
    activeEdit_->textEdit().setText(text);
    activeRecord_->modified = true;
}

} // namespace varnik

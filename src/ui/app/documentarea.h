#pragma once

#include "core/app/documentinfo.h"

#include <QColor>
#include <QFont>
#include <QStackedWidget>
#include <functional>

class QMenu;

namespace varnik {

class DocumentEdit;
class DocumentTabs;

// The settings every document edit takes when it is created or made active.
struct EditorSettings {
    QFont font;
    int undoLimit = 10;
    bool urlAutoDetect = false;
    bool wordWrap = true;
    bool shortNames = true;
    bool tabBottom = false;
    QColor fontColour; // invalid: the palette's text colour
};

// The documents of the window: one edit in single-document mode, or a tab
// container with an edit and a record per tab. Exactly one edit and one
// record are active at any time; every command works on those.
class DocumentArea : public QStackedWidget {
    Q_OBJECT
public:
    explicit DocumentArea(QWidget* parent = nullptr);
    ~DocumentArea() override;

    bool isMultiDoc() const { return multiDoc_; }
    DocumentEdit* activeEdit() const { return activeEdit_; }
    DocumentInfo& activeRecord() { return *activeRecord_; }
    const DocumentInfo& activeRecord() const { return *activeRecord_; }
    DocumentEdit* singleEdit() const { return single_; }
    DocumentTabs* tabs() const { return tabs_; }
    int tabCount() const;
    // The record that belongs to an edit (the single record for the single edit).
    DocumentInfo* recordOf(const DocumentEdit* edit);

    void setEditorSettings(const EditorSettings& settings) { editor_ = settings; }
    const EditorSettings& editorSettings() const { return editor_; }
    void applyEditorSettings();
    // Font, colour and word wrap on the active edit; the other tabs take them
    // when they become active.
    void applyViewSettings();
    void refreshTabCaptions();

    // A fresh record for the active document (New).
    void resetActiveRecord();
    // "New empty tab": a tab with an empty, reset document; it becomes active.
    DocumentEdit* createDocumentTab();
    // The active tab's edit and record become the active ones; the title follows.
    void tabChangeStep();

    void enterMultiDoc();
    // Asks `confirm` first when two or more tabs would be lost; false when refused.
    bool enterSingleDoc(const std::function<bool()>& confirm);

    // "Close tab": asks `askSave` first; nothing with fewer than two tabs.
    void closeTab(const std::function<bool()>& askSave);
    // Closes the active tab without asking (close sequence).
    void closeActiveTabQuietly();
    void previousTab();
    void nextTab();
    void duplicateIntoNewTab();

    // The pop-up menus of the edits (those made later too) and of the tab
    // bar; a right click on a tab makes it the active one first, since the
    // menu acts on the active tab.
    void setPopupMenus(QMenu* editMenu, QMenu* tabMenu);

Q_SIGNALS:
    // The active document changed (tab switch, new tab, mode switch): set the title.
    void activeDocumentChanged();
    void urlClicked(const QString& url);
    void emptyDocumentDoubleClicked();
    // The active edit holds word wrap back for its size, or wraps again.
    void wrapHeldBackChanged(bool heldBack);
    void editCreated(DocumentEdit* edit);

private:
    void wireEdit(DocumentEdit* edit);
    void wirePopup(DocumentEdit* edit);
    void setActive(DocumentEdit* edit, DocumentInfo* record);

    bool multiDoc_ = false;
    DocumentEdit* single_;
    DocumentTabs* tabs_;
    DocumentInfo singleRecord_;
    DocumentEdit* activeEdit_;
    DocumentInfo* activeRecord_;
    quint32 documentCounter_ = 0;
    EditorSettings editor_;
    QMenu* editMenu_ = nullptr;
};

} // namespace varnik

#pragma once

#include "ui/app/scintillatextedit.h"

#include <Qsci/qsciscintilla.h>
#include <QColor>
#include <QFont>
#include <QTimer>

namespace varnik {

// One document's edit control: a QScintilla editor set up as a plain-text
// edit (no styling, no line numbers, 8-pixel side margins) with clickable
// web addresses, and its TextEdit view for the logic.
class DocumentEdit : public QsciScintilla {
    Q_OBJECT
public:
    explicit DocumentEdit(QWidget* parent = nullptr);

    TextEdit& textEdit() { return edit_; }
    ScintillaTextEdit& scintillaEdit() { return edit_; }

    // Word wrap as the setting asks. Wrapping lays out every line before the
    // caret can reach the end, which freezes the window for a minute on a
    // 100 MB text: above kWrapLimit bytes wrap is held back (wrapHeldBack)
    // until the user asks for it on this document (wrapAnyway).
    static constexpr long kWrapLimit = 1L << 20;
    void setWordWrap(bool on);
    bool wordWrap() const;
    bool wrapHeldBack() const { return wrapWanted_ && !wordWrap(); }
    void wrapAnyway();
    void setUrlDetection(bool on);
    bool urlDetection() const { return urlDetection_; }
    // Font and text colour (invalid: the palette's text colour); nothing
    // happens when they are already in force, since a restyle lays out the
    // whole document again.
    void setEditorFont(const QFont& font, const QColor& colour = QColor());
    // Undo collection on or off (a limit of 0 keeps no history).
    void setUndoLimit(int limit);

Q_SIGNALS:
    // Wrap was held back (true) or is in force as asked again (false).
    void wrapHeldBackChanged(bool heldBack);
    void urlClicked(const QString& url);
    void doubleClickedEmpty();

private:
    void markVisibleUrls();
    void applyWrap();
    void onIndicatorReleased(int line, int index, Qt::KeyboardModifiers state);

    ScintillaTextEdit edit_;
    bool urlDetection_ = false;
    QTimer urlTimer_;
    int urlIndicator_ = -1;
    QFont appliedFont_;
    QColor appliedColour_;
    bool fontApplied_ = false;
    bool wrapWanted_ = false;
    bool wrapForced_ = false;
};

} // namespace varnik

#include "ui/app/documentedit.h"

#include "core/app/urldetector.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qscicommand.h>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QKeyEvent>

namespace varnik {

namespace {

// Keys the editor keeps for itself; everything else with Ctrl or Alt belongs
// to the menus and the user's key map.
bool isEditingKey(int key)
{
    switch (key & ~(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::META)) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Backspace: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Tab:
    case Qt::Key_Backtab: case Qt::Key_Escape: case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

void releaseMenuKeys(QsciScintilla* sci)
{
    for (QsciCommand* cmd : sci->standardCommands()->commands()) {
        if (!isEditingKey(cmd->key()))
            cmd->setKey(0);
        if (!isEditingKey(cmd->alternateKey()))
            cmd->setAlternateKey(0);
    }
}

// QScintilla's accessible text counts the characters from the start of the
// document on every caret move and every change (Qt creates it even with no
// assistive technology running), which costs a second at the end of 100 MB.
// The edit is described as a plain editable-text widget instead.
QAccessibleInterface* documentEditAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("varnik::DocumentEdit") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
    return nullptr;
}

} // namespace

DocumentEdit::DocumentEdit(QWidget* parent) : QsciScintilla(parent), edit_(this)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(documentEditAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setUtf8(true);
    setEolMode(EolUnix);
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    setMarginWidth(2, 0);
    SendScintilla(SCI_SETMARGINLEFT, 0, 8L);
    SendScintilla(SCI_SETMARGINRIGHT, 0, 8L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    setCaretLineVisible(false);
    setBraceMatching(NoBraceMatch);
    setAutoIndent(false);
    setTabWidth(8);
    setWrapMode(WrapNone);
    setEditorFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    releaseMenuKeys(this);

    urlIndicator_ = indicatorDefine(PlainIndicator);
    setIndicatorForegroundColor(palette().color(QPalette::Link), urlIndicator_);
    setIndicatorHoverStyle(PlainIndicator, urlIndicator_);
    urlTimer_.setSingleShot(true);
    urlTimer_.setInterval(100);
    connect(&urlTimer_, &QTimer::timeout, this, &DocumentEdit::markVisibleUrls);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) {
        if (urlDetection_)
            urlTimer_.start();
    });
    connect(this, &QsciScintilla::indicatorReleased, this, &DocumentEdit::onIndicatorReleased);
    // A document that grows past the limit (a file loaded, a big paste) stops wrapping.
    connect(this, &QsciScintilla::textChanged, this, [this] {
        if (wrapWanted_ && !wrapForced_)
            applyWrap();
        else if (SendScintilla(SCI_GETLENGTH) == 0)
            wrapForced_ = false; // a new document starts with the setting again
    });
    connect(this, &QsciScintillaBase::SCN_DOUBLECLICK, this, [this](int, int, int) {
        if (length() == 0)
            Q_EMIT doubleClickedEmpty();
    });
}

void DocumentEdit::setWordWrap(bool on)
{
    wrapWanted_ = on;
    applyWrap();
}

void DocumentEdit::wrapAnyway()
{
    wrapForced_ = true;
    applyWrap();
}

void DocumentEdit::applyWrap()
{
    const bool held = wrapHeldBack();
    const bool wrap = wrapWanted_ && (wrapForced_ || SendScintilla(SCI_GETLENGTH) <= kWrapLimit);
    if (wrap != wordWrap())
        setWrapMode(wrap ? WrapWord : WrapNone);
    if (held != wrapHeldBack())
        Q_EMIT wrapHeldBackChanged(wrapHeldBack());
}

bool DocumentEdit::wordWrap() const { return wrapMode() != WrapNone; }

void DocumentEdit::setUrlDetection(bool on)
{
    urlDetection_ = on;
    if (on) {
        markVisibleUrls();
    } else {
        SendScintilla(SCI_SETINDICATORCURRENT, urlIndicator_);
        SendScintilla(SCI_INDICATORCLEARRANGE, 0, SendScintilla(SCI_GETLENGTH));
    }
}

void DocumentEdit::setEditorFont(const QFont& font, const QColor& colour)
{
    if (fontApplied_ && font == appliedFont_ && colour == appliedColour_)
        return;
    fontApplied_ = true;
    appliedFont_ = font;
    appliedColour_ = colour;
    setFont(font);
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, font.family().toUtf8().constData());
    SendScintilla(SCI_STYLESETSIZE, STYLE_DEFAULT, static_cast<long>(font.pointSize() > 0 ? font.pointSize() : 10));
    SendScintilla(SCI_STYLESETBOLD, STYLE_DEFAULT, static_cast<long>(font.bold()));
    SendScintilla(SCI_STYLESETITALIC, STYLE_DEFAULT, static_cast<long>(font.italic()));
    SendScintilla(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, static_cast<long>(font.underline()));
    // Scintilla takes colours as 0x00BBGGRR.
    const QColor c = colour.isValid() ? colour : palette().color(QPalette::Text);
    SendScintilla(SCI_STYLESETFORE, STYLE_DEFAULT, static_cast<long>(c.red() | (c.green() << 8) | (c.blue() << 16)));
    SendScintilla(SCI_STYLECLEARALL);
}

void DocumentEdit::setUndoLimit(int limit) { SendScintilla(SCI_SETUNDOCOLLECTION, limit > 0 ? 1 : 0); }

void DocumentEdit::markVisibleUrls()
{
    if (!urlDetection_)
        return;
    // Only the lines on screen are scanned, so big documents cost nothing extra.
    const long first = SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
    const long last = first + SendScintilla(SCI_LINESONSCREEN) + 1;
    const long from = SendScintilla(SCI_POSITIONFROMLINE, first);
    long to = SendScintilla(SCI_GETLINEENDPOSITION, std::min(last, SendScintilla(SCI_GETLINECOUNT) - 1));
    SendScintilla(SCI_SETINDICATORCURRENT, urlIndicator_);
    SendScintilla(SCI_INDICATORCLEARRANGE, from, to - from);
    for (long line = first; line <= last && line < SendScintilla(SCI_GETLINECOUNT); ++line) {
        const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
        const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
        if (end <= start || end - start > 100000)
            continue;
        const char* p = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, start, end - start));
        const QByteArray bytes(p, end - start);
        const QString text = QString::fromUtf8(bytes);
        for (const UrlSpan& s : findUrls(text)) {
            const long b0 = start + text.left(s.start).toUtf8().size();
            const long b1 = b0 + text.mid(s.start, s.length).toUtf8().size();
            SendScintilla(SCI_INDICATORFILLRANGE, b0, b1 - b0);
        }
    }
}

void DocumentEdit::onIndicatorReleased(int line, int index, Qt::KeyboardModifiers)
{
    if (!urlDetection_)
        return;
    const long pos = positionFromLineIndex(line, index);
    const long start = SendScintilla(SCI_INDICATORSTART, urlIndicator_, pos);
    const long end = SendScintilla(SCI_INDICATOREND, urlIndicator_, pos);
    if (end <= start || SendScintilla(SCI_INDICATORVALUEAT, urlIndicator_, pos) == 0)
        return;
    const char* p = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, start, end - start));
    Q_EMIT urlClicked(QString::fromUtf8(p, end - start));
}

} // namespace varnik

#include "ui/hexedit/hexeditform.h"

#include "core/app/error.h"
#include "ui/hexedit/hexeditorview.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace varnik {

HexEditForm::HexEditForm(QWidget* parent) : QDialog(parent), editor_(new HexEditorView(this))
{
    setWindowTitle(QStringLiteral("Hex editor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);

    HexDisplayOptions options = editor_->displayOptions();
    options.offsetDisplay = OffsetDisplay::Hex;
    options.offsetSeparator = u':';
    options.maskChar = u'?';
    options.focusFrame = true;
    options.gridLineWidth = 1;
    options.colors.positionBackground = 0x800000;
    options.colors.positionText = 0xFFFFFF;
    options.colors.changedBackground = 0xFFFFA8;
    options.colors.changedText = 0x800000;
    options.colors.cursorFrame = 0x000080;
    options.colors.offset = 0x000000;
    options.colors.oddColumn = 0x0000FF;
    options.colors.evenColumn = 0x0000FF;
    editor_->setDisplayOptions(options);
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(16);
    editor_->setFont(font);
    editor_->setToolTip(QStringLiteral("Hex editor"));
    editor_->viewport()->setCursor(Qt::IBeamCursor);

    HexEditor& model = editor_->model();
    model.setBytesPerLine(16);
    model.setBytesPerColumn(1);
    model.setTranslation(TranslationType::Ansi);
    model.setAllowInsertMode(true);
    connect(editor_, &HexEditorView::stateChanged, this, [this] {
        if (editor_->model().modified())
            Q_EMIT edited();
    });

    // 492 x 424 with the frame and caption of the system it was laid out on:
    // an editor 484 pixels wide shows 9 bytes a line with room to spare.
    resize(484, 396);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void HexEditForm::setCodePage(std::shared_ptr<const CodePage> page)
{
    editor_->model().setCodePage(std::move(page));
}

void HexEditForm::load(const QByteArray& bytes)
{
    HexEditor& model = editor_->model();
    model.setAsText(bytes);
    // An empty document has no byte to select: it opens empty, ready for typing in insert mode.
    if (model.dataSize() > 0)
        model.setSelEnd(model.selStart());
    model.setModified(false);
    editor_->ensureCaretVisible();
}

QByteArray HexEditForm::bytes() const
{
    return editor_->model().getAsText();
}

void HexEditForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    try {
        editor_->model().setBytesPerLine((editor_->width() - 50) / 44);
    } catch (const Error&) {
        // Too narrow: the previous bytes per line stay (no message box in the middle of a drag).
    }
}

} // namespace varnik

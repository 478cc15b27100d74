#include "ui/hexedit/hexeditorview.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace varnik {

namespace {

QColor colorOf(HexRgb rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// The digit of Ctrl+digit and Ctrl+Shift+digit: Shift turns the main
// keyboard's digit keys into the symbols above them.
int digitOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    static constexpr char16_t kShifted[] = u")!@#$%^&*(";
    for (int d = 0; d < 10; ++d) {
        if (key == kShifted[d])
            return d;
    }
    return -1;
}

} // namespace

HexEditorView::HexEditorView(QWidget* parent) : QAbstractScrollArea(parent)
{
    QFont font(QStringLiteral("Courier"), 12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    options_.colors.background = palette().color(QPalette::Base).rgb() & 0xFFFFFFu;
    options_.fontColor = palette().color(QPalette::Text).rgb() & 0xFFFFFFu;
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::Box);
    viewport()->setCursor(Qt::IBeamCursor);
    model_.setOnViewChanged([this] {
        updateMetrics();
        viewport()->update();
    });
    model_.setOnStateChanged([this] { Q_EMIT stateChanged(); });
    model_.newBuffer(QStringLiteral("Untitled"));
    updateMetrics();
}

void HexEditorView::setDisplayOptions(const HexDisplayOptions& options)
{
    options_ = options;
    if (options_.autoCaretMode)
        options_.caretStyle = model_.isInsertMode() ? CaretStyle::LeftLine : CaretStyle::Full;
    updateMetrics();
    viewport()->update();
}

void HexEditorView::updateMetrics()
{
    const QFontMetrics metrics(font());
    charWidth_ = qMax(1, metrics.horizontalAdvance(u'w'));
    rowHeight_ = metrics.height() + 2;
    const std::vector<int> units = HexCells(model_, options_).columnWidths();
    columnX_.resize(units.size());
    columnW_.resize(units.size());
    int x = 0;
    for (size_t c = 0; c < units.size(); ++c) {
        columnX_[c] = x;
        columnW_[c] = units[c] * charWidth_;
        x += columnW_[c] + (units[c] > 0 ? options_.gridLineWidth : 0);
    }
    updateScrollBars();
}

int HexEditorView::fixedWidth() const
{
    return columnX_.size() > 2 ? columnX_[2] : 0;
}

qint64 HexEditorView::visibleRows() const
{
    return qMax(1, viewport()->height() / (rowHeight_ + options_.gridLineWidth));
}

void HexEditorView::updateScrollBars()
{
    syncingScrollBars_ = true;
    const qint64 maxTop = qMax<qint64>(model_.rowCount() - visibleRows(), 0);
    topRow_ = qBound<qint64>(0, topRow_, maxTop);
    verticalScrollBar()->setRange(0, int(qMin<qint64>(maxTop, INT_MAX)));
    verticalScrollBar()->setPageStep(int(visibleRows()));
    verticalScrollBar()->setValue(int(topRow_));
    const int total = columnX_.empty() ? 0 : columnX_.back() + columnW_.back();
    const int available = viewport()->width() - fixedWidth();
    const int maxLeft = qMax(0, total - fixedWidth() - available);
    leftOffset_ = qBound(0, leftOffset_, maxLeft);
    horizontalScrollBar()->setRange(0, maxLeft);
    horizontalScrollBar()->setPageStep(qMax(1, available));
    horizontalScrollBar()->setSingleStep(charWidth_);
    horizontalScrollBar()->setValue(leftOffset_);
    syncingScrollBars_ = false;
}

void HexEditorView::scrollContentsBy(int, int)
{
    if (syncingScrollBars_)
        return;
    topRow_ = verticalScrollBar()->value();
    leftOffset_ = horizontalScrollBar()->value();
    viewport()->update();
}

void HexEditorView::setTopRow(qint64 row)
{
    topRow_ = row;
    updateScrollBars();
    viewport()->update();
}

QRect HexEditorView::cellRect(int column, qint64 row) const
{
    const int x = column < 2 ? columnX_[size_t(column)] : columnX_[size_t(column)] - leftOffset_;
    const qint64 y = (row - topRow_) * (rowHeight_ + options_.gridLineWidth);
    return QRect(x, int(std::clamp<qint64>(y, -1000000, 1000000)), columnW_[size_t(column)], rowHeight_);
}

std::pair<int, qint64> HexEditorView::cellAt(QPoint point) const
{
    const int pitch = rowHeight_ + options_.gridLineWidth;
    const int y = point.y();
    const qint64 row = topRow_ + (y >= 0 ? y / pitch : -1 - (-y - 1) / pitch);
    const int x = point.x() < fixedWidth() ? point.x() : point.x() + leftOffset_;
    const auto it = std::upper_bound(columnX_.begin(), columnX_.end(), x);
    const int column = int(it - columnX_.begin()) - 1;
    return {qBound(0, column, model_.columnCount() - 1), qBound<qint64>(0, row, model_.rowCount() - 1)};
}

void HexEditorView::ensureCaretVisible()
{
    const qint64 row = model_.caretRow();
    if (row < topRow_)
        setTopRow(row);
    else if (row >= topRow_ + visibleRows())
        setTopRow(row - visibleRows() + 1);
    const int column = model_.caretColumn();
    if (column >= 2) {
        const int left = columnX_[size_t(column)] - fixedWidth();
        const int right = columnX_[size_t(column)] + charWidth_ - fixedWidth();
        const int available = viewport()->width() - fixedWidth();
        if (left < leftOffset_)
            leftOffset_ = left;
        else if (right > leftOffset_ + available)
            leftOffset_ = right - available;
        updateScrollBars();
    }
    viewport()->update();
}

void HexEditorView::paintCell(QPainter& painter, const HexCells& cells, int column, qint64 row,
                              const QRect& rect)
{
    if (rect.width() <= 0)
        return;
    const HexCell cell = cells.cell(column, row);
    painter.fillRect(rect, colorOf(cell.background));
    painter.setPen(colorOf(cell.textColor));
    if (cell.markerFont) {
        QFont marker(QStringLiteral("Arial"));
        marker.setPointSizeF(qMax(1.0, qRound(font().pointSizeF() * 0.75) * 1.0));
        if (font().pointSizeF() <= 0)
            marker.setPixelSize(qMax(1, qRound(font().pixelSize() * 0.75)));
        painter.setFont(marker);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, cell.text);
        painter.setFont(font());
    } else {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, cell.text);
    }
}

void HexEditorView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    painter.fillRect(viewport()->rect(), colorOf(options_.colors.background));
    const HexCells cells(model_, options_);
    const int width = viewport()->width();
    const int fixed = fixedWidth();
    const qint64 last = qMin(model_.rowCount(), topRow_ + visibleRows() + 1);
    const QColor grid = palette().color(QPalette::Mid);
    for (qint64 row = topRow_; row < last; ++row) {
        painter.setClipRect(QRect(fixed, 0, width - fixed, viewport()->height()));
        for (int column = 2; column < model_.columnCount(); ++column) {
            const QRect rect = cellRect(column, row);
            if (rect.right() < fixed)
                continue;
            if (rect.left() > width)
                break;
            paintCell(painter, cells, column, row, rect);
        }
        painter.setClipping(false);
        for (int column = 0; column < 2; ++column)
            paintCell(painter, cells, column, row, cellRect(column, row));
    }
    if (options_.gridLineWidth > 0) {
        painter.setPen(QPen(grid, options_.gridLineWidth));
        for (qint64 row = topRow_; row < last; ++row) {
            const int y = cellRect(0, row).bottom() + 1;
            painter.drawLine(0, y, width, y);
        }
        for (int column = 0; column < model_.columnCount(); ++column) {
            const QRect rect = cellRect(column, topRow_);
            if (rect.width() > 0 && (column < 2 || rect.right() >= fixed) && rect.left() <= width)
                painter.drawLine(rect.right() + 1, 0, rect.right() + 1,
                                 rect.top() + int(last - topRow_) * (rowHeight_ + options_.gridLineWidth));
        }
    }
    if (hasFocus())
        paintCaret(painter);
}

void HexEditorView::paintCaret(QPainter& painter)
{
    const qint64 row = model_.caretRow();
    if (row < topRow_ || row > topRow_ + visibleRows())
        return;
    const QRect cell = cellRect(model_.caretColumn(), row);
    const int w = charWidth_;
    const int h = rowHeight_ - 2;
    QRect shape(cell.left(), cell.top(), w, h);
    if (options_.caretStyle == CaretStyle::LeftLine)
        shape.setWidth(2);
    else if (options_.caretStyle == CaretStyle::BottomLine)
        shape = QRect(cell.left(), cell.top() + rowHeight_ - 4, w, 2);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(shape, colorOf(complementOf(options_.colors.cursorFrame)));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QRect twin = cellRect(model_.layout().twinColumn(model_.caretColumn()), row);
    const QRect frame(twin.left(), twin.top(), w - 1, twin.height() - 1);
    painter.setBrush(Qt::NoBrush);
    if (options_.focusFrame)
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    else
        painter.setPen(QPen(colorOf(options_.colors.cursorFrame), 1));
    painter.drawRect(frame);
}

void HexEditorView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

bool HexEditorView::event(QEvent* event)
{
    // Ctrl keys are the editor's own while it has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void HexEditorView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Z && modifiers == Qt::ControlModifier) {
        model_.undo();
        ensureCaretVisible();
        return;
    }
    HexViewport viewport{topRow_, visibleRows()};
    const int digit = modifiers & Qt::ControlModifier ? digitOf(*event) : -1;
    const bool handled = input_.keyPress(event->key(), modifiers, digit, viewport);
    if (viewport.topRow != topRow_)
        setTopRow(viewport.topRow);
    if (input_.insertModeChanged() && options_.autoCaretMode)
        options_.caretStyle = model_.isInsertMode() ? CaretStyle::LeftLine : CaretStyle::Full;
    const bool typing = !(modifiers & (Qt::ControlModifier | Qt::AltModifier)) && !event->text().isEmpty();
    if (typing) {
        for (QChar c : event->text())
            input_.typeCharacter(c);
    }
    if (!handled && !typing) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    ensureCaretVisible();
}

void HexEditorView::keyReleaseEvent(QKeyEvent* event)
{
    input_.keyRelease(event->key());
    QAbstractScrollArea::keyReleaseEvent(event);
}

void HexEditorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const auto [column, row] = cellAt(event->position().toPoint());
    input_.mousePress(column, row, false);
    ensureCaretVisible();
}

void HexEditorView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const auto [column, row] = cellAt(event->position().toPoint());
    input_.mousePress(column, row, true);
    ensureCaretVisible();
}

void HexEditorView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    // Dragging past the top or bottom scrolls a row at a time.
    if (point.y() < 0 && topRow_ > 0)
        setTopRow(topRow_ - 1);
    else if (point.y() > viewport()->height())
        setTopRow(topRow_ + 1);
    const auto [column, row] = cellAt(point);
    input_.mouseDrag(column, row);
    ensureCaretVisible();
}

void HexEditorView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 40; // three rows a notch
    if (steps != 0)
        setTopRow(topRow_ - steps);
    event->accept();
}

void HexEditorView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void HexEditorView::focusOutEvent(QFocusEvent* event)
{
    model_.setSelecting(false);
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void HexEditorView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateMetrics();
}

bool HexEditorView::focusNextPrevChild(bool)
{
    return false; // Tab moves between the areas
}

} // namespace varnik

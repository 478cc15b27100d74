#include "ui/tools/charmap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace varnik {

CharMap::CharMap(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    for (int i = 0; i < kCharMapCodes; ++i)
        characters_[size_t(i)] = QString(QChar(kCharMapFirstCode + i));
}

void CharMap::setCharacters(const std::array<QString, kCharMapCodes>& characters)
{
    characters_ = characters;
    update();
}

QString CharMap::characterOf(int code) const
{
    const int i = code - kCharMapFirstCode;
    return i >= 0 && i < kCharMapCodes ? characters_[size_t(i)] : QString();
}

void CharMap::setSelectedCode(int code)
{
    if (code < kCharMapFirstCode || code >= kCharMapFirstCode + kCharMapCodes || code == selected_)
        return;
    selected_ = code;
    update();
    Q_EMIT changed(this);
}

void CharMap::setGridLineWidth(int width)
{
    gridLineWidth_ = std::clamp(width, 0, 10);
    update();
}

QSize CharMap::cellSize() const
{
    return {std::max(0, (width() - 6 * gridLineWidth_) / kColumns),
            std::max(0, (height() - 6 * gridLineWidth_) / kRows)};
}

QRect CharMap::cellRect(int code) const
{
    const int i = code - kCharMapFirstCode;
    if (i < 0 || i >= kCharMapCodes)
        return {};
    const QSize cell = cellSize();
    const int column = i % kColumns;
    const int row = i / kColumns;
    return {column * (cell.width() + gridLineWidth_), row * (cell.height() + gridLineWidth_), cell.width(),
            cell.height()};
}

int CharMap::codeAt(const QPoint& point) const
{
    const QSize cell = cellSize();
    if (cell.isEmpty() || point.x() < 0 || point.y() < 0)
        return -1;
    const int column = point.x() / (cell.width() + gridLineWidth_);
    const int row = point.y() / (cell.height() + gridLineWidth_);
    if (column >= kColumns || row >= kRows)
        return -1;
    return kCharMapFirstCode + column + kColumns * row;
}

QSize CharMap::sizeHint() const
{
    const int side = fontMetrics().height() + 6;
    return {kColumns * (side + gridLineWidth_) + 6 * gridLineWidth_,
            kRows * (side + gridLineWidth_) + 6 * gridLineWidth_};
}

void CharMap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QSize cell = cellSize();
    const QPalette& pal = palette();
    if (gridLineWidth_ > 0) {
        p.setPen(QPen(pal.color(QPalette::Mid), gridLineWidth_));
        const int right = kColumns * (cell.width() + gridLineWidth_);
        const int bottom = kRows * (cell.height() + gridLineWidth_);
        const double half = gridLineWidth_ / 2.0;
        for (int c = 1; c <= kColumns; ++c) {
            const double x = c * (cell.width() + gridLineWidth_) - half;
            p.drawLine(QPointF(x, 0), QPointF(x, bottom));
        }
        for (int r = 1; r <= kRows; ++r) {
            const double y = r * (cell.height() + gridLineWidth_) - half;
            p.drawLine(QPointF(0, y), QPointF(right, y));
        }
    }
    p.setFont(font());
    for (int code = kCharMapFirstCode; code < kCharMapFirstCode + kCharMapCodes; ++code) {
        const QRect r = cellRect(code);
        const bool selected = code == selected_;
        if (selected)
            p.fillRect(r, pal.color(QPalette::Highlight));
        p.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        p.drawText(r, Qt::AlignCenter, characterOf(code));
    }
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::HighlightedText), 1, Qt::DotLine));
        p.drawRect(cellRect(selected_).adjusted(1, 1, -2, -2));
    }
}

void CharMap::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        const int code = codeAt(e->position().toPoint());
        if (code >= 0)
            setSelectedCode(code);
    }
    QWidget::mousePressEvent(e);
}

void CharMap::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && codeAt(e->position().toPoint()) >= 0)
        Q_EMIT cellDoubleClicked();
}

void CharMap::keyPressEvent(QKeyEvent* e)
{
    const int i = selected_ - kCharMapFirstCode;
    int column = i % kColumns;
    int row = i / kColumns;
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    switch (e->key()) {
    case Qt::Key_Left:
        column = std::max(0, column - 1);
        break;
    case Qt::Key_Right:
        column = std::min(kColumns - 1, column + 1);
        break;
    case Qt::Key_Up:
        row = std::max(0, row - 1);
        break;
    case Qt::Key_Down:
        row = std::min(kRows - 1, row + 1);
        break;
    case Qt::Key_PageUp:
        row = 0;
        break;
    case Qt::Key_PageDown:
        row = kRows - 1;
        break;
    case Qt::Key_Home:
        column = 0;
        if (ctrl)
            row = 0;
        break;
    case Qt::Key_End:
        column = kColumns - 1;
        if (ctrl)
            row = kRows - 1;
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    setSelectedCode(kCharMapFirstCode + column + kColumns * row);
}

} // namespace varnik

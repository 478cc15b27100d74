#pragma once

#include "core/hexedit/hexcells.h"
#include "core/hexedit/hexeditor.h"
#include "core/hexedit/hexinput.h"

#include <QAbstractScrollArea>

#include <vector>

namespace varnik {

// The byte-editing control: paints only the rows on screen from the model
// (no item per cell) and hands keys, typed characters and the mouse to the
// input logic. Columns 0 and 1 (offset and marker) stay in place when the
// grid scrolls sideways.
class HexEditorView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit HexEditorView(QWidget* parent = nullptr);

    HexEditor& model() { return model_; }
    HexInput& input() { return input_; }

    const HexDisplayOptions& displayOptions() const { return options_; }
    // Repaints, and recomputes the column widths, when a value changes.
    void setDisplayOptions(const HexDisplayOptions& options);

    int charWidth() const { return charWidth_; }
    int rowHeight() const { return rowHeight_; }
    qint64 topRow() const { return topRow_; }
    void setTopRow(qint64 row);
    // Rows that fit on screen in full (at least 1).
    qint64 visibleRows() const;
    // A cell's rectangle in viewport coordinates (whatever its visibility).
    QRect cellRect(int column, qint64 row) const;
    // The cell under a viewport point, clamped to the grid.
    std::pair<int, qint64> cellAt(QPoint point) const;
    void ensureCaretVisible();

Q_SIGNALS:
    // The model announced a change of selection, mode or journal.
    void stateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

private:
    void updateMetrics();
    void updateScrollBars();
    void paintCell(QPainter& painter, const HexCells& cells, int column, qint64 row, const QRect& rect);
    void paintCaret(QPainter& painter);
    int fixedWidth() const;

    HexEditor model_;
    HexInput input_{model_};
    HexDisplayOptions options_;
    std::vector<int> columnX_; // left edge of each column, scrollable ones before scrolling
    std::vector<int> columnW_;
    int charWidth_ = 8;
    int rowHeight_ = 16;
    qint64 topRow_ = 0;
    int leftOffset_ = 0; // pixels the scrollable columns are scrolled by
    bool syncingScrollBars_ = false;
};

} // namespace varnik

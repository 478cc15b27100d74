#pragma once

#include "core/tools/charactersets.h"

#include <QWidget>

namespace varnik {

// A grid of 28 x 8 cells showing the characters of the codes 32 to 255 (row 0
// holds 32 to 59), each centred in its cell in the control's font. One cell
// is selected at a time, by a click or the arrow keys; every change of the
// selected code is signalled. Cell sizes follow the control's size.
class CharMap : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 28;
    static constexpr int kRows = 8;

    explicit CharMap(QWidget* parent = nullptr);

    // The character of each code (empty: the code stands for none).
    void setCharacters(const std::array<QString, kCharMapCodes>& characters);
    QString characterOf(int code) const;

    int selectedCode() const { return selected_; }
    QString selectedCharacter() const { return characterOf(selected_); }
    void setSelectedCode(int code);

    int gridLineWidth() const { return gridLineWidth_; }
    void setGridLineWidth(int width);
    // (width - 6 x grid line width) / 28 by (height - 6 x grid line width) / 8.
    QSize cellSize() const;
    QRect cellRect(int code) const;
    // The code of the cell at a point, or -1.
    int codeAt(const QPoint& point) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void changed(CharMap* map);
    void cellDoubleClicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::array<QString, kCharMapCodes> characters_;
    int selected_ = kCharMapFirstCode;
    int gridLineWidth_ = 1;
};

} // namespace varnik

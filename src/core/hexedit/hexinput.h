#pragma once

#include "core/hexedit/hexeditor.h"

#include <Qt>

#include <utility>

namespace varnik {

// The rows of a hex editor on screen: the first one shown and how many fit.
struct HexViewport {
    qint64 topRow = 0;
    qint64 visibleRows = 1;
};

// What keys, typed characters and the mouse do to a hex editor model. Every
// caret move goes through one check (moveTo), as the grid's own moves do.
class HexInput {
public:
    explicit HexInput(HexEditor& editor) : editor_(editor) {}

    // The move check: true when the caret went to the cell asked for.
    bool moveTo(int column, qint64 row, bool shift, bool leftButton);

    // A key press; Ctrl+Shift+digit and Ctrl+digit pass the digit in `digit`
    // (-1 otherwise), since Shift changes the key a digit key reports.
    // Returns true when the key was handled; may scroll `viewport`.
    bool keyPress(int key, Qt::KeyboardModifiers modifiers, int digit, HexViewport& viewport);
    // Remembers whether the key released was Alt.
    void keyRelease(int key) { altFlag_ = key == Qt::Key_Alt; }
    bool altFlag() const { return altFlag_; }
    // A typed character, after the key press that produced it.
    void typeCharacter(QChar c);

    void mousePress(int column, qint64 row, bool doubleClick);
    void mouseDrag(int column, qint64 row);

    // The Insert key flips the caret's shape when AutoCaretMode is on; the
    // widget reads this after each key.
    bool insertModeChanged() { return std::exchange(insertModeChanged_, false); }

private:
    void moveRight(bool shift);
    void moveLeft(bool shift);
    void toTwin(bool shift);
    void typeInCharacters(QChar c, qint64 p);
    void typeInHex(int digit, qint64 p);

    HexEditor& editor_;
    bool altFlag_ = false;
    bool checking_ = false;
    bool insertModeChanged_ = false;
};

} // namespace varnik

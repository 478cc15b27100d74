#pragma once

#include "core/app/messagesink.h"

#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace varnik {

// What the message dialog shows, decided apart from any widget.
struct MessageButton {
    int bit;        // the button's bit in the caller's set
    QString caption;
    int result;     // what pressing it returns
    int x;          // left edge inside the dialog
};

constexpr int kMessageDialogWidth = 345;
constexpr int kMessageDialogHeight = 153;
constexpr int kMessageButtonWidth = 75;
constexpr int kMessageButtonHeight = 25;
constexpr int kMessageButtonPitch = 83;
constexpr int kMessageCloseResult = Result::Cancel; // closing by the frame

// "Varnik " and the kind's word; a kind outside 0..3 gives "Varnik " alone.
QString messageDialogCaption(int kind);

// The shown buttons in bit order (Yes, No, OK, Cancel, Abort, Repeat, Ignore, All),
// the first at (W - 83 n + 8) / 2 and each next one 83 further right.
std::vector<MessageButton> messageDialogButtons(int buttons, int dialogWidth = kMessageDialogWidth);

// Where the parts of the dialog stand. The text box is 265 by 81 at least and
// grows to the text's widest line and to its height at that width, as far as
// the screen allows; beyond that the box scrolls.
struct MessageDialogGeometry {
    QSize size;       // the dialog's client area
    QRect frame;      // the framed panel
    QRect textBox;    // the message, inside the panel
    int buttonsY = 0; // top of the button row
    bool scrolls = false;
};
// `textWidth`: the text's widest line; `heightAt(w)`: its height wrapped at w;
// `screen`: the room the screen offers.
MessageDialogGeometry messageDialogGeometry(int textWidth, const std::function<int(int)>& heightAt,
                                            QSize screen);

// The kind word used for messages in the headless mode ("Error: ...").
QString messageKindWord(int kind);

} // namespace varnik

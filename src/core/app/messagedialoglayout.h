#pragma once

#include "core/app/messagesink.h"

#include <QString>
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

// The kind word used for messages in the headless mode ("Error: ...").
QString messageKindWord(int kind);

} // namespace varnik

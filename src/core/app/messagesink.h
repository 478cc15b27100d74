#pragma once

#include <QString>

namespace varnik {

// Kinds of the message dialog; the number is the caller's kind argument.
enum class MessageKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

// Button bits and the results they return.
namespace Buttons {
constexpr int Yes = 1, No = 2, OK = 4, Cancel = 8, Abort = 16, Repeat = 32, Ignore = 64, All = 128;
constexpr int YesNo = Yes | No, YesNoCancel = Yes | No | Cancel;
} // namespace Buttons
namespace Result {
constexpr int OK = 1, Cancel = 2, Abort = 3, Repeat = 4, Ignore = 5, Yes = 6, No = 7, All = 8;
} // namespace Result

// Where commands send their questions and notices: the message dialog in the
// window, standard error in the headless mode, a recorder in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual int message(const QString& text, MessageKind kind, int buttons) = 0;
    // The application's general error box, for errors no command caught.
    virtual void errorBox(const QString& text) = 0;
};

} // namespace varnik

#pragma once

#include <QElapsedTimer>
#include <QPointer>

class QProgressBar;
class QStatusBar;

namespace varnik {

// A long step of the window, such as opening or saving a large file: the busy
// cursor for its length and, once it has run longer than `barAfterMs`, a
// progress bar in the status bar. Each progress report lets the window
// repaint (user input waits until the step is over).
class LongOperation {
public:
    explicit LongOperation(QStatusBar* statusBar, int barAfterMs = 1000);
    ~LongOperation();
    LongOperation(const LongOperation&) = delete;
    LongOperation& operator=(const LongOperation&) = delete;

    // `done` of `total` units of work are done.
    void progress(qint64 done, qint64 total);
    // Lets the window repaint now (after a status text changed).
    void repaint();

    // Whether a long step is running: timed work that would touch the
    // documents meanwhile waits for its next turn.
    static bool running();

private:
    QPointer<QStatusBar> statusBar_;
    QPointer<QProgressBar> bar_;
    QElapsedTimer clock_;
    qint64 lastRepaint_ = 0;
    int barAfterMs_;
};

} // namespace varnik

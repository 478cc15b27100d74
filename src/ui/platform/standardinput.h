#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

namespace varnik {

// Reads standard input to its end in the background, so that a writer that
// never finishes cannot block the window, then hands the bytes to `done` on
// the thread of `context` (not at all once `context` is gone). A terminal is
// not read: it would wait for typing. False when nothing will be read.
bool readStandardInput(QObject* context, std::function<void(const QByteArray&)> done);

} // namespace varnik

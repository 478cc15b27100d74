#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdio>

namespace varnik::cli {

// Writes to standard output (or another stream) and checks that the bytes went out:
// a full disk or a closed pipe throws Error("Error writing to file\r\nstandard
// output\r\n" + the system's reason), so that it is never reported as success.
void writeOutput(std::FILE* out, QByteArrayView bytes);
// Pushes out what the stream still buffers; throws as writeOutput.
void flushOutput(std::FILE* out);

// Writes a message to standard error, its CR LF line breaks (as in dialogs) as LF.
void writeMessage(const QString& text);

} // namespace varnik::cli

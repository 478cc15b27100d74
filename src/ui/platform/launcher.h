#pragma once

#include <QString>
#include <QStringList>

namespace varnik {

// Opens a web address in the user's default browser, with no shell in
// between. Only web and mail addresses are opened; anything else (files,
// scripts, unknown schemes) is refused. Returns whether a browser was started.
bool openUrl(const QString& address);

// Starts a program with its arguments as a list, never through a shell.
bool runCommand(const QString& program, const QStringList& arguments);

// The address openUrl would open, or an empty URL when it refuses.
QString normalisedWebAddress(const QString& address);

} // namespace varnik

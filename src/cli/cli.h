#pragma once

#include <QStringList>

namespace varnik::cli {

// True when the arguments ask for the headless mode (no window is created).
bool wantsHeadless(const QStringList& args);

// Runs the headless mode; returns the process exit status.
int run(const QStringList& args);

} // namespace varnik::cli

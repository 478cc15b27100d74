#pragma once

#include <QStringList>

namespace varnik::cli {

// `varnik --apply ...`: `args` are the arguments after "--apply". Returns the exit status.
int runApply(const QStringList& args);

// The text of `varnik --apply --help`, with the commands available.
QString applyHelpText();

} // namespace varnik::cli

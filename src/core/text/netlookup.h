#pragma once

#include "core/app/textedit.h"
#include "core/text/engineenvironment.h"

#include <QString>
#include <QStringView>

#include <chrono>

namespace varnik {

// How long one line's name lookup may take before it counts as failed.
constexpr std::chrono::milliseconds lookupTimeout{3000};

// Each trimmed non-empty line "h" becomes "host h has IP a" or "host h is
// unknown"; empty lines stay; every line ends with CR LF. Progress goes to
// the status panel.
QString hostsToIp(QStringView text, EngineEnvironment& environment);
// Each trimmed non-empty line "a" becomes "a is name" or "a not resolved".
QString ipsToHosts(QStringView text, EngineEnvironment& environment);

// The commands: the selected lines (an empty selection stays empty) replaced.
void hostToIpCommand(TextEdit& edit, EngineEnvironment& environment);
void resolveIpCommand(TextEdit& edit, EngineEnvironment& environment);

} // namespace varnik

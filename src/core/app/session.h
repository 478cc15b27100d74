#pragma once

#include "core/app/settingsstore.h"

#include <QString>
#include <QStringList>

namespace varnik {

// The open files of a session, one value per tab in tab order ("f0", "f1", ...), an
// untitled tab as an empty name. The program writes only the session "default".
inline QString defaultSessionName()
{
    return QStringLiteral("default");
}

SettingsKey sessionKey(const QString& name);

// Replaces what the session held.
void writeSession(SettingsStore& store, const QString& name, const QStringList& fileNames);
// The file names up to the first missing value.
QStringList readSession(const SettingsStore& store, const QString& name);
void deleteSession(SettingsStore& store, const QString& name);

} // namespace varnik

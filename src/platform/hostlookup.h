#pragma once

#include <QString>
#include <QStringList>
#include <chrono>

namespace varnik {

// Name services of the system, usable with or without a window.

// IPv4 addresses (dotted decimal) of a host name; empty when unknown or when
// the resolver does not answer within `timeout`.
QStringList lookupHostAddresses(const QString& name, std::chrono::milliseconds timeout);
// The host name of an IPv4 address (most significant byte first); empty when
// not resolved within `timeout`.
QString lookupHostName(quint32 address, std::chrono::milliseconds timeout);

// This computer's name.
QString computerName();
// This computer's IPv4 address: the last one the resolver gives for its name,
// else the first non-loopback address of its interfaces.
QString localIpAddress();
// The login name of the current user.
QString loginName();

} // namespace varnik

#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// "192.168.0.1" gives "192.168.0.1 = C0A80001". Throws Error unless the text
// is four integers from 0 to 255 separated by ".".
QString ipToHex(QStringView text);
// "C0A80001" gives "C0A80001 = 192.168.0.1". Throws Error unless the text
// is one hexadecimal number.
QString hexToIp(QStringView text, QChar decimalSeparator);

// A dotted-decimal IPv4 address ("a.b.c.d", each 0 to 255); false otherwise.
bool parseDottedIpv4(QStringView text, quint32& address);

} // namespace varnik

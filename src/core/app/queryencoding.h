#pragma once

#include <QByteArray>
#include <QString>

namespace varnik {

// Query-string form of a text for web addresses: each blank becomes "+",
// ASCII letters and digits stay, every other byte of the UTF-8 form becomes
// "%" and two upper-case hexadecimal digits ("a b&c" gives "a+b%26c").
QString queryEncode(const QString& text);
QString queryEncode(const QByteArray& bytes);

} // namespace varnik

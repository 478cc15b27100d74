#include "core/app/error.h"

namespace varnik {

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

} // namespace varnik

#include "core/app/settingsini.h"

#include <cstdlib>

// Whatever a settings file holds, reading it never fails hard, and what is written back
// reads cleanly and stays the same from then on.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QMap<QString, QString> first;
    varnik::parseSettingsIni(QByteArrayView(data, static_cast<qsizetype>(size)), first);
    QMap<QString, QString> second;
    if (!varnik::parseSettingsIni(varnik::formatSettingsIni(first), second))
        std::abort();
    QMap<QString, QString> third;
    if (!varnik::parseSettingsIni(varnik::formatSettingsIni(second), third) || third != second)
        std::abort();
    return 0;
}

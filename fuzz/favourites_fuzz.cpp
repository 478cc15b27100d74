#include "core/app/codepage.h"
#include "core/tools/favouritetexts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Favourite files may hold anything: they must read without harm, and what
// was read must be written and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto page = varnik::CodePage::windows1250();
    const QStringList texts = varnik::parseFavourites(bytes, page);
    for (const QString& t : texts)
        if (t.contains(u'\r') || t.contains(u'\n'))
            std::abort();
    if (varnik::parseFavourites(varnik::serializeFavourites(texts), page) != texts)
        std::abort();
    return 0;
}

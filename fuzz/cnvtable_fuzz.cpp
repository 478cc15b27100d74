#include "core/app/codepage.h"
#include "core/app/error.h"
#include "core/text/cnvtable.h"
#include "core/text/fileimport.h"

#include <cstdlib>

// Whatever a table file holds, reading it gives a usable table or none, and
// converting by it maps each code once. The same bytes as a UTF-16 file to
// import convert or are refused with a message.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const varnik::CnvTable table = varnik::CnvTable::parse(bytes);
    if (table.sources().size() != table.targets().size() || table.sources().size() > 255 ||
        table.title().size() > 255)
        std::abort();
    if (!table.isEmpty()) {
        const auto page = varnik::CodePage::windows1250();
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = static_cast<char>(b);
        const QString text = page->decode(all);
        const QString converted = table.convert(text, *page, *page);
        if (converted.size() != text.size())
            std::abort();
        for (int b = 0; b < 256; ++b) {
            const int first = static_cast<int>(table.sources().indexOf(static_cast<char>(b)));
            const int expected = first < 0 ? b : static_cast<unsigned char>(table.targets()[first]);
            if (page->fromUnicode(converted[b]) != expected)
                std::abort();
        }
    }
    try {
        varnik::convertBytes(bytes, varnik::ImportKind::Unicode, QStringLiteral("fuzz"));
    } catch (const varnik::Error&) {
    }
    return 0;
}

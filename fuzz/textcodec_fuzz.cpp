#include "core/app/textcodec.h"

#include <cstddef>
#include <cstdint>

// A file without lone CRs opened and saved with CR LF or LF line ends must come back byte for byte
// whenever it used that one kind of line end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const varnik::DecodedText d = varnik::decodeDocument(file, varnik::CodePage::windows1250());
    if (!varnik::encodesLosslessly(d.text, d.encoding))
        __builtin_trap();
    const auto uniform = d.lineEnds.uniform();
    const varnik::LineEnd end = uniform ? *uniform : varnik::LineEnd::CrLf;
    const QByteArray saved = varnik::encodeDocument(d.text, d.encoding, end);
    if (d.lineEnds.total() == 0 || uniform) {
        if (saved != file)
            __builtin_trap();
    }
    return 0;
}

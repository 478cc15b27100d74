#include "core/app/rtfreader.h"

#include <cstddef>
#include <cstdint>

// Any bytes after the signature: the reader must end, without crashing, on all of them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray rtf("{\\rtf1 ");
    rtf.append(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = varnik::RtfReader::toPlainText(rtf, varnik::CodePage::windows1250());
    // The text never holds a lone surrogate.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            __builtin_trap();
    }
    return 0;
}

#include "core/app/shortcut.h"
#include "core/commands/toolbarbuttons.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Shortcut texts come from key-mapping files and toolbar settings from the settings store: any text must
// read without harm, and what reads as a shortcut must write back to the same shortcut.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const varnik::Shortcut s = varnik::Shortcut::fromText(text);
    if (!s.isEmpty() && varnik::Shortcut::fromText(s.toText()) != s)
        std::abort();

    const varnik::ToolbarLayout layout = varnik::parseToolbarButtons(text);
    if (layout.visible.size() > static_cast<std::size_t>(text.size() / 2))
        std::abort();
    for (int code : layout.visible) {
        if (!varnik::toolbarButton(code))
            std::abort();
    }
    if (varnik::parseToolbarButtons(varnik::formatToolbarButtons(layout.visible)).visible != layout.visible)
        std::abort();
    return 0;
}

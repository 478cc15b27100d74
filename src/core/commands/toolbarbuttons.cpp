#include "core/commands/toolbarbuttons.h"

#include "core/app/hexdigit.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"

#include <array>

namespace varnik {

namespace {

constexpr std::array<ToolbarButton, kToolbarButtonCount> kButtons{{
    {0x00, u"New", ids::New1},
    {0x01, u"Open", ids::OpenItem},
    {0x02, u"Save", ids::SaveItem},
    {0x03, u"Print", ids::Print1},
    {0x04, u"Undo", ids::Undo2},
    {0x05, u"Redo", ids::Redo1},
    {0x06, u"Cut", ids::Cut1},
    {0x07, u"Copy", ids::Copy1},
    {0x08, u"Paste", ids::Paste1},
    {0x09, u"Find", ids::Find1},
    {0x0A, u"Replace", ids::Replace1},
    {0x0B, u"Options", ids::Options1},
    {0x0C, u"Help", ids::Helptopics1},
    {0x0D, u"Font", ids::Setfont1},
    {0x0E, u"Hex", ids::Hexedit1},
    {0x0F, u"Calendar", ids::Date1},
    {0x10, u"Adv. list generator", ids::Advancedlistgenerator1},
    {0x11, u"Converter", ids::Unionverter1},
}};

bool isAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

} // namespace

QString ToolbarButton::name() const
{
    QString n = QStringLiteral("tb");
    for (QChar c : caption) {
        if (isAsciiLetterOrDigit(c))
            n += c;
    }
    return n;
}

QString ToolbarButton::hint() const
{
    const CommandItem* item = CommandTable::standard().find(command);
    return item ? item->hint : QString();
}

std::span<const ToolbarButton> toolbarButtons()
{
    return kButtons;
}

const ToolbarButton* toolbarButton(int code)
{
    if (code < 0 || code >= kToolbarButtonCount)
        return nullptr;
    return &kButtons[static_cast<std::size_t>(code)];
}

const ToolbarButton* findToolbarButton(QStringView name)
{
    for (const ToolbarButton& b : kButtons) {
        if (name.compare(b.name(), Qt::CaseInsensitive) == 0)
            return &b;
    }
    return nullptr;
}

ToolbarLayout parseToolbarButtons(QStringView text)
{
    ToolbarLayout layout;
    std::array<bool, kToolbarButtonCount> shown{};
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int high = hexDigitValue(text[i].unicode());
        const int low = hexDigitValue(text[i + 1].unicode());
        if (high < 0 || low < 0)
            continue;
        const int code = high * 16 + low;
        if (code >= kToolbarButtonCount)
            continue;
        layout.visible.push_back(code);
        shown[static_cast<std::size_t>(code)] = true;
    }
    for (int code = 0; code < kToolbarButtonCount; ++code) {
        if (!shown[static_cast<std::size_t>(code)])
            layout.available.push_back(code);
    }
    return layout;
}

QString formatToolbarButtons(std::span<const int> codes)
{
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    QString text;
    text.reserve(static_cast<qsizetype>(codes.size() * 2));
    for (int code : codes) {
        if (!toolbarButton(code))
            continue;
        text += QChar(kHex[code / 16]);
        text += QChar(kHex[code % 16]);
    }
    return text;
}

} // namespace varnik

#include "core/app/toolbarbuttons.h"

#include "core/app/commandtable.h"

#include <array>

namespace varnik {

namespace {

constexpr std::array<ToolbarButton, kToolbarButtonCount> kButtons{{
    {0x00, u"New", u"New1"},
    {0x01, u"Open", u"OpenItem"},
    {0x02, u"Save", u"SaveItem"},
    {0x03, u"Print", u"Print1"},
    {0x04, u"Undo", u"Undo2"},
    {0x05, u"Redo", u"Redo1"},
    {0x06, u"Cut", u"Cut1"},
    {0x07, u"Copy", u"Copy1"},
    {0x08, u"Paste", u"Paste1"},
    {0x09, u"Find", u"Find1"},
    {0x0A, u"Replace", u"Replace1"},
    {0x0B, u"Options", u"Options1"},
    {0x0C, u"Help", u"Helptopics1"},
    {0x0D, u"Font", u"Setfont1"},
    {0x0E, u"Hex", u"Hexedit1"},
    {0x0F, u"Calendar", u"Date1"},
    {0x10, u"Adv. list generator", u"Advancedlistgenerator1"},
    {0x11, u"Converter", u"Unionverter1"},
}};

// Only ASCII digits count: the setting is written by this program, never localised.
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

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
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
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

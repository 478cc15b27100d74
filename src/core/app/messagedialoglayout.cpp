#include "core/app/messagedialoglayout.h"

#include <algorithm>

namespace varnik {

namespace {

struct ButtonDef {
    int bit;
    const char16_t* caption;
    int result;
};

constexpr ButtonDef kButtons[] = {
    {Buttons::Yes, u"&Yes", Result::Yes},          {Buttons::No, u"&No", Result::No},
    {Buttons::OK, u"&OK", Result::OK},             {Buttons::Cancel, u"&Cancel", Result::Cancel},
    {Buttons::Abort, u"&Abort", Result::Abort},    {Buttons::Repeat, u"&Repeat", Result::Repeat},
    {Buttons::Ignore, u"&Ignore", Result::Ignore}, {Buttons::All, u"&All", Result::All},
};

} // namespace

QString messageKindWord(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("Warning");
    case 1: return QStringLiteral("Error");
    case 2: return QStringLiteral("Information");
    case 3: return QStringLiteral("Confirmation");
    default: return {};
    }
}

QString messageDialogCaption(int kind) { return QStringLiteral("Varnik ") + messageKindWord(kind); }

std::vector<MessageButton> messageDialogButtons(int buttons, int dialogWidth)
{
    std::vector<MessageButton> shown;
    for (const ButtonDef& b : kButtons)
        if (buttons & b.bit)
            shown.push_back({b.bit, QString::fromUtf16(b.caption), b.result, 0});
    const int n = static_cast<int>(shown.size());
    // Integer division truncates toward zero, as the layout rule asks.
    int x = (dialogWidth - kMessageButtonPitch * n + 8) / 2;
    for (MessageButton& b : shown) {
        b.x = x;
        x += kMessageButtonPitch;
    }
    return shown;
}

MessageDialogGeometry messageDialogGeometry(int textWidth, const std::function<int(int)>& heightAt,
                                            QSize screen)
{
    constexpr int boxWidth = 265, boxHeight = 81;
    // Room around the text box in the fixed layout: 80 across, 72 down.
    constexpr int sides = kMessageDialogWidth - boxWidth, rest = kMessageDialogHeight - boxHeight;
    // Keep clear of the window frame and the desktop's panels.
    constexpr int margin = 64;
    const int widest = std::max(boxWidth, screen.width() - sides - margin);
    const int tallest = std::max(boxHeight, screen.height() - rest - margin);
    MessageDialogGeometry g;
    const int w = std::clamp(textWidth, boxWidth, widest);
    const int needed = heightAt(w);
    const int h = std::clamp(needed, boxHeight, tallest);
    g.scrolls = needed > h;
    g.size = QSize(w + sides, h + rest);
    g.frame = QRect(8, 8, w + sides - 16, h + 16);
    g.textBox = QRect(56, 8, w, h);
    g.buttonsY = h + 33;
    return g;
}

} // namespace varnik

#pragma once

#include "core/commands/commandid.h"

#include <QString>
#include <QStringView>

#include <span>
#include <vector>

namespace varnik {

// A button the toolbar can show. Its code is also its place in the button list and its icon's index.
struct ToolbarButton {
    int code;
    QStringView caption;
    CommandId command; // the command the button runs

    // "tb" and the caption's letters and digits: "tbAdvlistgenerator".
    QString name() const;
    // The hint of the command it runs.
    QString hint() const;
};

inline constexpr int kToolbarButtonCount = 18;

// All buttons in code order.
std::span<const ToolbarButton> toolbarButtons();
// nullptr for a code outside the list.
const ToolbarButton* toolbarButton(int code);
// By button name, letter case ignored ("tbHex", "TBHEX"); nullptr when none has it.
const ToolbarButton* findToolbarButton(QStringView name);

// The buttons a toolbar setting shows, in toolbar order (a code may repeat), and the rest in code order.
struct ToolbarLayout {
    std::vector<int> visible;
    std::vector<int> available;
};

// The setting holds two hexadecimal digits (either case) per shown button. Pairs that are not two hex
// digits or name no button are skipped, as is a last odd character.
ToolbarLayout parseToolbarButtons(QStringView text);
// The setting's text for these buttons: two upper-case hex digits each; codes naming no button are left out.
QString formatToolbarButtons(std::span<const int> codes);

} // namespace varnik

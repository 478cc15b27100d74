#include "core/commands/enablerule.h"

namespace varnik {

bool isEnabled(EnableRule rule, const CommandStateInputs& in)
{
    switch (rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::MultiTwoTabs:
        return in.multiDoc && in.tabCount > 1;
    case EnableRule::Multi:
        return in.multiDoc;
    case EnableRule::MultiNotDfltONT:
        return in.multiDoc && !in.dfltONT;
    case EnableRule::HasText:
        return !in.documentEmpty;
    case EnableRule::HasSelection:
        return in.hasSelection;
    case EnableRule::HasFileName:
        return in.hasFileName;
    case EnableRule::CanUndo:
        return in.canUndo;
    case EnableRule::CanRedo:
        return in.canRedo;
    case EnableRule::MultiClipboard:
        return in.multiClip && !in.multiClipboardEmpty;
    case EnableRule::ClipboardLines:
        return in.clipboardHasText && in.hasSelection && in.canPaste;
    case EnableRule::CanPaste:
        return in.canPaste;
    }
    return true;
}

} // namespace varnik

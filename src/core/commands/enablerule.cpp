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

QString disabledReason(EnableRule rule, const CommandStateInputs& in)
{
    if (isEnabled(rule, in))
        return {};
    const QString multiDocOff = QStringLiteral("Needs tabs (multi-document mode, in Options)");
    const QString noClipboardText = QStringLiteral("The clipboard holds no text");
    const QString readOnly = QStringLiteral("The document cannot be changed");
    switch (rule) {
    case EnableRule::Always:
        break;
    case EnableRule::MultiTwoTabs:
        return in.multiDoc ? QStringLiteral("Needs two tabs or more") : multiDocOff;
    case EnableRule::Multi:
        return multiDocOff;
    case EnableRule::MultiNotDfltONT:
        return in.multiDoc ? QStringLiteral("Files open in new tabs already (Options)") : multiDocOff;
    case EnableRule::HasText:
        return QStringLiteral("The document is empty");
    case EnableRule::HasSelection:
        return QStringLiteral("Select some text first");
    case EnableRule::HasFileName:
        return QStringLiteral("The document has no file yet");
    case EnableRule::CanUndo:
        return QStringLiteral("Nothing to undo");
    case EnableRule::CanRedo:
        return QStringLiteral("Nothing to redo");
    case EnableRule::MultiClipboard:
        return in.multiClip ? QStringLiteral("The multi-clipboard is empty")
                            : QStringLiteral("The multi-clipboard is off (Options)");
    case EnableRule::ClipboardLines:
        return !in.clipboardHasText ? noClipboardText
               : !in.hasSelection   ? QStringLiteral("Select some text first")
                                    : readOnly;
    case EnableRule::CanPaste:
        return in.clipboardHasText ? readOnly : noClipboardText;
    }
    return {};
}

} // namespace varnik

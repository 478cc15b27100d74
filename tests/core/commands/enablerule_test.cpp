#include "core/commands/enablerule.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

// Each rule against the states that turn it on and off.
TEST(EnableRule, eachRuleFollowsTheDocumentAndTheMode)
{
    CommandStateInputs single;
    single.documentEmpty = false;
    CommandStateInputs multi3 = single;
    multi3.multiDoc = true;
    multi3.tabCount = 3;
    CommandStateInputs multi1 = multi3;
    multi1.tabCount = 1;
    CommandStateInputs ont = multi3;
    ont.dfltONT = true;
    CommandStateInputs empty;
    CommandStateInputs selected = single;
    selected.hasSelection = true;
    CommandStateInputs clip = selected;
    clip.clipboardHasText = true;
    clip.canPaste = true;
    CommandStateInputs clipNoSelection = clip;
    clipNoSelection.hasSelection = false;
    CommandStateInputs multiClip = single;
    multiClip.multiClip = true;
    CommandStateInputs multiClipFilled = multiClip;
    multiClipFilled.multiClipboardEmpty = false;

    struct Row {
        const char* name;
        EnableRule rule;
        const CommandStateInputs& in;
        bool expected;
    };
    const Row rows[] = {
        {"always_empty", EnableRule::Always, empty, true},
        {"twoTabs_multi3", EnableRule::MultiTwoTabs, multi3, true},
        {"twoTabs_multi1", EnableRule::MultiTwoTabs, multi1, false},
        {"twoTabs_single", EnableRule::MultiTwoTabs, single, false},
        {"multi_multi1", EnableRule::Multi, multi1, true},
        {"multi_single", EnableRule::Multi, single, false},
        {"notDfltONT_multi", EnableRule::MultiNotDfltONT, multi3, true},
        {"notDfltONT_ont", EnableRule::MultiNotDfltONT, ont, false},
        {"hasText_empty", EnableRule::HasText, empty, false},
        {"hasText_single", EnableRule::HasText, single, true},
        {"hasSelection_single", EnableRule::HasSelection, single, false},
        {"hasSelection_selected", EnableRule::HasSelection, selected, true},
        {"hasFileName_single", EnableRule::HasFileName, single, false},
        {"canUndo_single", EnableRule::CanUndo, single, false},
        {"clipboardLines_selected", EnableRule::ClipboardLines, selected, false},
        {"clipboardLines_clip", EnableRule::ClipboardLines, clip, true},
        {"clipboardLines_noSelection", EnableRule::ClipboardLines, clipNoSelection, false},
        {"multiClipboard_empty", EnableRule::MultiClipboard, multiClip, false},
        {"multiClipboard_filled", EnableRule::MultiClipboard, multiClipFilled, true},
        {"canPaste_clip", EnableRule::CanPaste, clip, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(isEnabled(r.rule, r.in), r.expected) << r.name;
}

// A disabled command tells why; an enabled one has nothing to say.
TEST(EnableRule, disabledReason_saysWhatIsMissing)
{
    CommandStateInputs empty;
    CommandStateInputs multi1 = empty;
    multi1.multiDoc = true;
    CommandStateInputs text = empty;
    text.documentEmpty = false;
    CommandStateInputs clipNoSelection = text;
    clipNoSelection.clipboardHasText = true;
    struct Row {
        const char* name;
        EnableRule rule;
        const CommandStateInputs& in;
        const char* reason;
    };
    const Row rows[] = {
        {"enabled_nothing", EnableRule::Always, empty, ""},
        {"twoTabs_single", EnableRule::MultiTwoTabs, empty, "Needs tabs (multi-document mode, in Options)"},
        {"twoTabs_oneTab", EnableRule::MultiTwoTabs, multi1, "Needs two tabs or more"},
        {"hasText_empty", EnableRule::HasText, empty, "The document is empty"},
        {"hasSelection", EnableRule::HasSelection, text, "Select some text first"},
        {"undo", EnableRule::CanUndo, text, "Nothing to undo"},
        {"clipboardLines_noText", EnableRule::ClipboardLines, text, "The clipboard holds no text"},
        {"clipboardLines_noSelection", EnableRule::ClipboardLines, clipNoSelection, "Select some text first"},
        {"multiClipboard_off", EnableRule::MultiClipboard, text, "The multi-clipboard is off (Options)"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(disabledReason(r.rule, r.in).toStdString(), r.reason) << r.name;
}

} // namespace
} // namespace varnik

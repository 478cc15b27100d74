#include "core/app/commandstates.h"

#include <QString>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(CommandStates, rulesFollowTheDocumentAndTheMode)
{
    CommandStateInputs single;
    single.documentEmpty = false;
    CommandStateInputs multi3 = single;
    multi3.multiDoc = true;
    multi3.tabCount = 3;
    CommandStateInputs multi1 = multi3;
    multi1.tabCount = 1;
    CommandStateInputs empty;
    CommandStateInputs selected = single;
    selected.hasSelection = true;
    CommandStateInputs clip = selected;
    clip.clipboardHasText = true;
    clip.canPaste = true;
    CommandStateInputs ont = multi3;
    ont.dfltONT = true;

    struct Row {
        const char* id;
        const CommandStateInputs& in;
        bool expected;
    };
    const Row rows[] = {
        {"Closetab1", multi3, true},     {"Closetab1", multi1, false},      {"Close1", multi3, true},
        {"Close1", single, false},       {"Newemptytab2", single, false},   {"Nexttab1", multi1, true},
        {"Openinnewtab1", multi3, true}, {"Openinnewtab1", ont, false},     {"Touppercase1", empty, false},
        {"Touppercase1", single, true},  {"Find1", empty, false},           {"Indent1", single, false},
        {"Indent1", selected, true},     {"Copy1", selected, true},         {"Cut1", single, false},
        {"Clippboardbeginning1", selected, false}, {"Clippboardbeginning1", clip, true},
        {"Reloadfromdisk1", single, false}, {"Fileinfo1", empty, true},     {"New1", empty, true},
        {"Undo2", single, false},        {"Pastemclip1", single, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(isCommandEnabled(QString::fromLatin1(r.id), r.in), r.expected) << r.id;
}

} // namespace
} // namespace varnik

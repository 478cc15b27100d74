#include "core/app/statuspanels.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(StatusPanels, textsPerState)
{
    struct Row {
        StatusInputs in;
        std::array<const char*, 6> expected;
    };
    const Row rows[] = {
        {{}, {"1:1", "", "Insert", "", "", "1"}},
        {{0, 4, 9, true, true, true, true, 12}, {"10:5", "Modified", "Overwrite", "CAPS", "NUM", "12"}},
        {{7, 4, 9, false, false, false, false, 5}, {"SEL: 7", "", "Insert", "", "", "5"}},
    };
    for (const Row& r : rows) {
        const auto p = statusPanelTexts(r.in);
        for (size_t i = 0; i < 6; ++i)
            EXPECT_EQ(p[i].toStdString(), r.expected[i]) << i;
    }
}

} // namespace
} // namespace varnik

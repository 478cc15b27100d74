#include "core/app/hexdigit.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

// The neighbours of each digit range are where an off-by-one would show.
TEST(HexDigit, onlyAsciiDigitsAndLettersAToFInEitherCase)
{
    const struct Row {
        char16_t c;
        int value;
    } rows[] =
        {
            {u'/', -1}, {u'0', 0},  {u'9', 9},  {u':', -1},   {u'@', -1},
            {u'A', 10}, {u'F', 15}, {u'G', -1}, {u'`', -1},   {u'a', 10},
            {u'f', 15}, {u'g', -1}, {0, -1},    {0xFF10, -1}, {0x0660, -1}, // fullwidth and Arabic-Indic zero
        };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.c));
        EXPECT_EQ(hexDigitValue(r.c), r.value);
    }
}

} // namespace
} // namespace varnik

#pragma once

namespace varnik {

// The value of an ASCII hexadecimal digit in either case, or -1. Only ASCII counts: the texts that
// hold hex digits (settings, escapes, numbers in a selection) are never localised.
constexpr int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace varnik

#include "core/text/selectionoperation.h"

#include <array>
#include <utility>

namespace varnik {

int selectionOperationForCommand(QStringView commandId)
{
    static constexpr std::array<std::pair<const char16_t*, int>, 35> commands{{
        {u"Indent1", 1},
        {u"Trim1", 2},
        {u"Unwraplinesinblock1", 3},
        {u"Clippboardbeginning1", 4},
        {u"Changeselectiontolist1", 5},
        {u"Changeselectiontonumberlist1", 6},
        {u"Slangize1", 7},
        {u"Formatdateandtime1", 8},
        {u"Secondsinselectiontohms1", 9},
        {u"Numberinselectiontoroman1", 10},
        {u"Romannumberinseltonumber1", 11},
        {u"Deletecharatbeginningofline1", 12},
        {u"NumberinselectionasUNIXtime1", 13},
        {u"ROT131", 14},
        {u"ASCIItoCHAR1", 15},
        {u"CHARtoASCII1", 16},
        {u"Invertcase1", 17},
        {u"Tolowercase1", 18},
        {u"Touppercase1", 19},
        {u"BINnumberisselectiontodecimal1", 20},
        {u"Numberinselectiontobinary1", 21},
        {u"Numbertodecimal1", 22},
        {u"Numbertohex1", 23},
        {u"IPaddress1", 24},
        {u"Computername1", 25},
        {u"Tabstospaces1", 26},
        {u"Spacestotabs1", 27},
        {u"Reverse1", 28},
        {u"HTMLtablefromxy1", 29},
        {u"IPto32bit1", 30},
        {u"N32bittoIP1", 31},
        {u"URLencode1", 32},
        {u"URLdecode1", 33},
        {u"SUMMAXCNTAVG1", 34},
        {u"Clippboardatend1", 35},
    }};
    for (const auto& [id, code] : commands)
        if (commandId == QStringView(id))
            return code;
    return 0;
}

} // namespace varnik

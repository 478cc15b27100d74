#include "core/commands/menurows.h"

namespace varnik {

namespace {

using namespace menurows;

// The Insert and Replace menus. Row fields: depth, id, caption, default shortcut, hint, enable rule,
// operation, flags, twin (commandrow.h).
// clang-format off
constexpr CommandRow kRows[] = {
    menu(Insert1, u"&Insert", u"Insert menu"),
    {1, Symbol1, u"Sy&mbol(s)", u"F2", u"Insert symbol(s) from character map", Always, nullptr, WindowOnly},
    {1, Strange1, u"&System", {}, u"Insert system parameter", Always, nullptr, Fixed},
    {2, Currentuser1, u"Current &user", {}, u"Insert current user name", Always, currentUserCommand},
    {2, Computername1, u"Computer &name", {}, u"Insert this computer name", Always, engine<Op::ComputerName>},
    {2, IPaddress1, u"IP &address", {}, u"Insert IP address", Always, engine<Op::IpAddress>},
    {2, Date1, u"&Date value", u"Ctrl+F6", u"Insert date from calendar", Always, dateValueCommand, AsksFirst},
    {1, Yourfavtxt1, u"&Your favorite texts...", u"F8", u"Insert favorite text", Always, nullptr, WindowOnly},
    {1, Gettextfromselection1, u"Get text from selection", u"Ctrl+F9",
        u"Get text from selection", HasSelection, nullptr, WindowOnly},
    separator(1),
    {1, HTMLtablefromxy1, u"HTML table from x,y", {}, {}, HasSelection, engine<Op::HtmlTable>},
    {1, Secondsinselectiontohms1, u"Seconds in selection to &h:m:s", {},
        u"Convert seconds in selection to h:m:s", HasSelection, engine<Op::SecondsToHms>},
    {1, Formatdateandtime1, u"&Format date and time by selection", u"Ctrl+K",
        u"Format date and time by selection", HasSelection, engine<Op::FormatDateTime>},
    {1, Clippboardbeginning1, u"Clippboard at &beginning of lines in selection", {},
        u"Clippboard at beginning of lines in selection", ClipboardLines, engine<Op::ClipboardAtBeginning>},
    {1, Clippboardatend1, u"Clippboard at end of lines in selection", {},
        {}, ClipboardLines, engine<Op::ClipboardAtEnd>},
    {1, Changeselectiontolist1, u"Change selection to \"-\" &list", {},
        u"Change selection to \"-\" list", HasSelection, engine<Op::DashList>},
    {1, Changeselectiontonumberlist1, u"Change selection to &numbered list", u"Ctrl+M",
        u"Change selection to numbered list 1., 2., etc.", HasSelection, engine<Op::NumberedList>},
    separator(1),
    {1, Evaluateexpressioninselection1, u"&Evaluate expression(s) in selection", u"Ctrl+=",
        u"Evaluate expression(s) in selection", HasSelection, evaluation<EvaluationCommand::Expressions>},
    {1, Evaluateequations1, u"Evaluate equations", {},
        {}, HasSelection, evaluation<EvaluationCommand::Equations>},
    {1, Evaluatequadraticequation1, u"Evaluate quadratic equation", {},
        {}, HasSelection, evaluation<EvaluationCommand::QuadraticEquation>},
    separator(1),
    {1, Advancedlistgenerator1, u"&Advanced list generator...", {}, u"Advanced list generator..."},
    {1, Unionverter1, u"&Universal converter...", u"Shift+Ctrl+Q", u"Universal converter..."},

    menu(Replace2, u"&Replace", u"Replace menu"),
    {1, Touppercase1, u"To &uppercase", u"Shift+Ctrl+U",
        u"Replace to uppercase", HasText, engine<Op::ToUppercase>},
    {1, Tolowercase1, u"To &lowercase", u"Shift+Ctrl+L",
        u"Replace to lowercase", HasText, engine<Op::ToLowercase>},
    {1, Invertcase1, u"&Invert case", u"Shift+Ctrl+I", u"Invert case", HasText, engine<Op::InvertCase>},
    separator(1),
    {1, BINnumberisselectiontodecimal1, u"BIN number(s) selection to deci&mal", u"Ctrl+E",
        u"Convert binary number in selection to decimal", HasSelection, engine<Op::BinToDecimal>},
    {1, Numberinselectiontobinary1, u"DEC number(s) selection to &binary", u"Ctrl+B",
        u"Convert decimal number in selection to binary", HasSelection, engine<Op::DecimalToBin>},
    {1, Numbertodecimal1, u"HEX number(s) selection to &decimal", u"Ctrl+D",
        u"Convert hex inumber in selection to decimal", HasSelection, engine<Op::HexToDecimal>},
    {1, Numbertohex1, u"DEC number(s) selection to &hex", u"Ctrl+H",
        u"Convert decimal inumber in selection to hex", HasSelection, engine<Op::DecimalToHex>},
    separator(1),
    {1, SUMMAXCNTAVG1, u"SUM+MAX+MIN+CNT+AVG for number(s) selection", {},
        {}, HasSelection, engine<Op::Statistics>},
    {1, NumberinselectionasUNIXtime1, u"Number in selection as UNIX time", {},
        u"Number in selection as UNIX time", HasSelection, engine<Op::UnixTime>},
    {1, Numberinselectiontoroman1, u"Number in selection to roman", {},
        u"Replace number in selection to roman", HasSelection, engine<Op::NumberToRoman>},
    {1, Romannumberinseltonumber1, u"Roman number in selection to number", {},
        u"Replace roman number in selection to number", HasSelection, engine<Op::RomanToNumber>},
    {1, Numberinselectiontoenglishwords1, u"Number in selection to &english words", {},
        u"Change number in selection to english words representation", HasSelection, englishWordsCommand},
    {1, Numberinselectiontopolishwords1, u"Number in selection to &polish words", {},
        u"Change number in selection to polish words representation", HasSelection, polishWordsCommand},
    {1, ASCIItoCHAR1, u"Any ASCII number(s) selection to CHAR", {},
        u"Convert any ASCII number(s) selection to CHAR", HasSelection, engine<Op::CodesToChars>},
    {1, CHARtoASCII1, u"Selection CHAR(s) to 8bit ASCII(s)", {},
        u"You will get a list of ASCII codes comma-separated", HasSelection, engine<Op::CharsToCodes>},
    separator(1),
    {1, NET1, u"NET"},
    {2, HosttoIP1, u"Host address in selection to IP", u"Shift+Ctrl+B",
        u"Resolve host address in selection to it's IP", HasSelection, hostToIpAddressCommand},
    {2, ResolveIP1, u"Resolve IP in selection", u"Shift+Ctrl+N",
        u"Resolve IP in selection", HasSelection, resolveIpAddressCommand},
    separator(2),
    {2, IPto32bit1, u"IP to 32bit HEX", {}, {}, HasSelection, engine<Op::IpToHex>},
    {2, N32bittoIP1, u"32bit HEX to IP", {}, {}, HasSelection, engine<Op::HexToIp>},
    separator(2),
    {2, URLencode1, u"URL encode", {}, {}, HasSelection, engine<Op::UrlEncode>},
    {2, URLdecode1, u"URL decode", {}, {}, HasSelection, engine<Op::UrlDecode>},
    separator(1),
    {1, ROT131, u"ROT13", u"Shift+Ctrl+T", u"ROT13 text conversion", HasText, engine<Op::Rot13>},
    {1, Reverse1, u"Reverse", {}, u"Reverse characters in selection", HasText, engine<Op::Reverse>},
    {1, Spacestotabs1, u"&Spaces to tabs", {}, u"Replace spaces to tabs", HasText, engine<Op::SpacesToTabs>},
    {1, Tabstospaces1, u"&Tabs to spaces", {}, u"Replace tabs to spaces", HasText, engine<Op::TabsToSpaces>},
    {1, HEXvaluecolor1, u"Hex value <-> color <-> hex value", {},
        u"Hex value <-> color <-> hex value", Always, colourValueCommand, AsksFirst},
    {1, Slangize1, u"\"Cyber slangize\"", {}, u"Cyber slangize - try it!", HasText, engine<Op::Slangize>},
    separator(1),
    {1, CP1250toISO885921, u"&CP-1250 to ISO-8859-2", {},
        u"Convert from CP-1250 to ISO-8859-2 charset", HasText, characterTableCommand},
    {1, ISO88592toCP12501, u"&ISO-8859-2 to CP-1250", {},
        u"Convert from ISO-8859-2 to CP-1250 charset", HasText, characterTableCommand},
    {1, CP1250toNOPL1, u"CP-1250 to NOPL", {},
        u"Convert from CP-1250 charset to NOPL", HasText, characterTableCommand},
    {1, ISO88592toNOPL1, u"ISO-8859-2 to NOPL", {},
        u"Convert from ISO-8859-2 charset to NOPL", HasText, characterTableCommand},
};
// clang-format on

} // namespace

std::span<const CommandRow> insertReplaceMenuRows()
{
    return kRows;
}

} // namespace varnik

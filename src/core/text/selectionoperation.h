#pragma once

namespace varnik {

// The operations of the selection engine; the numbers are the engine's historical codes.
enum class SelectionOperation : int {
    Indent = 1,
    Trim = 2,
    Unwrap = 3,
    ClipboardAtBeginning = 4,
    DashList = 5,
    NumberedList = 6,
    Slangize = 7,
    FormatDateTime = 8,
    SecondsToHms = 9,
    NumberToRoman = 10,
    RomanToNumber = 11,
    DeleteFirstChar = 12,
    UnixTime = 13,
    Rot13 = 14,
    CodesToChars = 15,
    CharsToCodes = 16,
    InvertCase = 17,
    ToLowercase = 18,
    ToUppercase = 19,
    BinToDecimal = 20,
    DecimalToBin = 21,
    HexToDecimal = 22,
    DecimalToHex = 23,
    IpAddress = 24,
    ComputerName = 25,
    TabsToSpaces = 26,
    SpacesToTabs = 27,
    Reverse = 28,
    HtmlTable = 29,
    IpToHex = 30,
    HexToIp = 31,
    UrlEncode = 32,
    UrlDecode = 33,
    Statistics = 34,
    ClipboardAtEnd = 35,
};

inline constexpr int lastSelectionOperation = 35;

} // namespace varnik

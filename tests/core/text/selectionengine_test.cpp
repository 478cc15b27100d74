#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/selectionengine.h"

#include "texttestsupport.h"

#include <functional>

namespace varnik::test {
namespace {

using Op = SelectionOperation;

struct EngineRow {
    const char* name;
    Op op;
    const char* text;
    qsizetype selStart; // -1: nothing selected, caret at 0
    qsizetype selLength;
    const char* expected; // the document afterwards (CR LF line breaks)
    const char* message = nullptr;
    std::function<void(FakeEnvironment&)> setup = nullptr;
};

void runRow(const EngineRow& r)
{
    PlainTextBuffer edit(u8(r.text));
    if (r.selStart >= 0)
        edit.setSelection(r.selStart, r.selLength);
    FakeEnvironment env;
    if (r.setup)
        r.setup(env);
    RecordingSink sink;
    SelectionEngine(edit, env, sink).run(r.op);
    EXPECT_EQ(edit.text(), u8(r.expected)) << r.name;
    if (r.message) {
        ASSERT_EQ(sink.messages.size(), 1u) << r.name;
        EXPECT_EQ(sink.messages[0].text, u8(r.message)) << r.name;
        EXPECT_EQ(sink.messages[0].kind, MessageKind::Error) << r.name;
        EXPECT_EQ(sink.messages[0].buttons, Buttons::OK) << r.name;
    } else {
        EXPECT_TRUE(sink.messages.empty()) << r.name;
    }
    EXPECT_EQ(env.busyDepth, 0) << r.name;
}

TEST(SelectionEngine, lineAndCaseOperations)
{
    const EngineRow rows[] = {
        {"noSelection_wholeDocument", Op::ToUppercase, "ab\ncd", -1, 0, "AB\r\nCD"},
        {"indent_singleLine_gainsBreak", Op::Indent, "a", -1, 0, " a\r\n"},
        {"indent_twoLines_noExtraLine", Op::Indent, "a\r\nb\r\n", -1, 0, " a\r\n b\r\n"},
        {"indent_partialLines_atSelectionStart", Op::Indent, "xxab\ncdyy", 2, 5, "xx ab\r\n cd\r\nyy"},
        {"trim", Op::Trim, "  a \n\tb\t", -1, 0, "a\r\nb\r\n"},
        {"unwrap", Op::Unwrap, "a\r\nb\r\n", -1, 0, "ab"},
        {"clipboardAtBeginning", Op::ClipboardAtBeginning, "a\nb", -1, 0, "> a\r\n> b\r\n", nullptr,
         [](FakeEnvironment& e) { e.clipboard = QStringLiteral("> "); }},
        {"clipboardEmpty", Op::ClipboardAtBeginning, "a", -1, 0, "a\r\n"},
        {"dashList", Op::DashList, "a\nb", -1, 0, "- a\r\n- b\r\n"},
        {"numberedList_emptyMiddle", Op::NumberedList, "a\n\nc", -1, 0, "1. a\r\n2. \r\n3. c\r\n"},
        {"deleteFirstChar_emptyLineKept", Op::DeleteFirstChar, "ab\n\ncd", -1, 0, "b\r\n\r\nd\r\n"},
        {"invertCase", Op::InvertCase, "aB1", -1, 0, "Ab1"},
        {"lowercase", Op::ToLowercase, "ŻÓŁW", -1, 0, "żółw"},
        {"uppercase_selectionOnly", Op::ToUppercase, "abc", 1, 1, "aBc"},
        {"tabsToSpaces_setting", Op::TabsToSpaces, "\ta", -1, 0, "  a", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 2; }},
        {"spacesToTabs_tenWithFour", Op::SpacesToTabs, "          ", -1, 0, "\t\t  ", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 4; }},
        {"spacesToTabs_zero_unchanged", Op::SpacesToTabs, "    ", -1, 0, "    ", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 0; }},
        {"clipboardAtEnd", Op::ClipboardAtEnd, "a\nb", -1, 0, "a;\r\nb;\r\n", nullptr,
         [](FakeEnvironment& e) { e.clipboard = QStringLiteral(";"); }},
    };
    for (const EngineRow& r : rows)
        runRow(r);
}

TEST(SelectionEngine, conversionsAndTheirFailures)
{
    const auto legacy = [](FakeEnvironment& e) { e.encoding = TextEncoding::codePage(); };
    const EngineRow rows[] = {
        {"formatDateTime_byCurrentTime", Op::FormatDateTime, "yyyy-mm-dd hh:nn", -1, 0, "2024-03-05 14:07"},
        {"secondsToHms", Op::SecondsToHms, "3725", -1, 0, "3725 = 1 h 2 m 5 s"},
        {"secondsToHms_notANumber_silent", Op::SecondsToHms, "abc", -1, 0, "abc"},
        {"secondsToHms_trailingBreak_silent", Op::SecondsToHms, "3725\n", -1, 0, "3725\r\n"},
        {"toRoman", Op::NumberToRoman, "1994", -1, 0, "MCMXCIV"},
        {"toRoman_zero_deletes", Op::NumberToRoman, "0", -1, 0, ""},
        {"toRoman_notANumber_silent", Op::NumberToRoman, "x", -1, 0, "x"},
        {"fromRoman_upperCasedFirst", Op::RomanToNumber, "mmxxiv", -1, 0, "2024"},
        {"fromRoman_invalid_minusOne", Op::RomanToNumber, "abc", -1, 0, "-1"},
        {"unixTime_bias", Op::UnixTime, "0", -1, 0, "1970-01-01 01:00:00", nullptr,
         [](FakeEnvironment& e) { e.bias = -60; }},
        {"unixTime_notANumber_silent", Op::UnixTime, "now", -1, 0, "now"},
        {"rot13", Op::Rot13, "Hello", -1, 0, "Uryyb"},
        {"codesToChars", Op::CodesToChars, "65 66", -1, 0, "A B"},
        {"codesToChars_legacy", Op::CodesToChars, "185", -1, 0, "ą", nullptr, legacy},
        {"codesToChars_utf8HighCode_reported", Op::CodesToChars, "200", -1, 0, "200",
         "Problem while converting to ASCII!"},
        {"charsToCodes_lineBreakIsCrLf", Op::CharsToCodes, "a\nb", -1, 0, "97,13,10,98"},
        {"charsToCodes_legacy", Op::CharsToCodes, "ą", -1, 0, "185", nullptr, legacy},
        {"binToDec", Op::BinToDecimal, "10 11 2", -1, 0, "2 3 2"},
        {"decToBin", Op::DecimalToBin, "255", -1, 0, "11111111"},
        {"decToBin_loneMinus_reported", Op::DecimalToBin, "a - b", -1, 0, "a - b",
         "Number is too big for conversion!"},
        {"hexToDec", Op::HexToDecimal, "ff,10", -1, 0, "255,16"},
        {"decToHex", Op::DecimalToHex, "255", -1, 0, "FF"},
        {"decToHex_date_reported", Op::DecimalToHex, "2024-01-05", -1, 0, "2024-01-05",
         "Number is too big for conversion!"},
        {"ipAddress_insertedAtCaret", Op::IpAddress, "abc", 1, 0, "a10.0.0.7bc"},
        {"ipAddress_unknown_deletesSelection", Op::IpAddress, "abc", 1, 1, "ac", nullptr,
         [](FakeEnvironment& e) { e.ip.clear(); }},
        {"computerName_replacesSelection", Op::ComputerName, "abc", 1, 1, "aworkstationc"},
        // LF CR handed back to the document is two line breaks.
        {"reverse", Op::Reverse, "ab\ncd", -1, 0, "dc\r\n\r\nba"},
        {"htmlTable_zero_deletes", Op::HtmlTable, "0,3", -1, 0, ""},
        {"htmlTable_missingItem_silent", Op::HtmlTable, "3", -1, 0, "3"},
        {"htmlTable_tooLarge_silent", Op::HtmlTable, "100000,100000", -1, 0, "100000,100000"},
        {"ipToHex", Op::IpToHex, "192.168.0.1", -1, 0, "192.168.0.1 = C0A80001"},
        {"ipToHex_threeParts_silent", Op::IpToHex, "1.2.3", -1, 0, "1.2.3"},
        {"hexToIp", Op::HexToIp, "C0A80001", -1, 0, "C0A80001 = 192.168.0.1"},
        {"hexToIp_twoNumbers_silent", Op::HexToIp, "C0 A8", -1, 0, "C0 A8"},
        {"urlEncode", Op::UrlEncode, "a b", -1, 0, "a%20b"},
        {"urlEncode_legacy", Op::UrlEncode, "ą", -1, 0, "%B9", nullptr, legacy},
        {"urlDecode", Op::UrlDecode, "a%20b+c", -1, 0, "a b c"},
        {"urlDecode_malformed", Op::UrlDecode, "%4", -1, 0, "[ERROR]"},
        {"statistics", Op::Statistics, "a,2,4", -1, 0,
         "a,2,4\r\ncnt=2 sum=6.00000000 avg=3.00000000 max=4.00000000 min=0.00000000"},
        {"statistics_decimalComma", Op::Statistics, "1,5", -1, 0,
         "1,5\r\ncnt=2 sum=6,00000000 avg=3,00000000 max=5,00000000 min=1,00000000", nullptr,
         [](FakeEnvironment& e) { e.values.decimalSeparator = u','; }},
        {"slangize", Op::Slangize, "for you", -1, 0, "4 U", nullptr,
         [](FakeEnvironment& e) { e.draws = {0, 0, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}; }},
    };
    for (const EngineRow& r : rows)
        runRow(r);
}

TEST(SelectionEngine, uncaughtErrorsReachTheCallerAndLeaveTheDocument)
{
    PlainTextBuffer edit(u8("a中b"));
    FakeEnvironment env;
    env.encoding = TextEncoding::codePage();
    env.values.selectStay = false;
    RecordingSink sink;
    try {
        SelectionEngine(edit, env, sink).run(SelectionOperation::CharsToCodes);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u8("中")));
    }
    EXPECT_EQ(edit.text(), u8("a中b"));
    EXPECT_TRUE(sink.messages.empty());
    // The closing steps ran: the cursor is back and the selection collapsed.
    EXPECT_EQ(env.busyDepth, 0);
    EXPECT_EQ(env.busyCalls, 2);
    EXPECT_EQ(edit.selectionLength(), 0);
}

TEST(SelectionEngine, selectionAfterwards)
{
    struct Row {
        const char* name;
        Op op;
        const char* text;
        bool selectStay;
        qsizetype start, length; // selection afterwards
    } rows[] = {
        {"success_caretAfterInsertedText", Op::ToUppercase, "abc", true, 3, 0},
        {"success_selectStayOff_caretAfterInsertedText", Op::Indent, "abc", false, 5, 0},
        {"silentFailure_selectStay_wholeDocumentStaysSelected", Op::SecondsToHms, "abc", true, 0, 3},
        {"silentFailure_selectStayOff_collapsed", Op::SecondsToHms, "abc", false, 0, 0},
        {"reportedFailure_selectStayOff_collapsed", Op::DecimalToHex, "1-2", false, 0, 0},
    };
    for (const auto& r : rows) {
        PlainTextBuffer edit(u8(r.text));
        FakeEnvironment env;
        env.values.selectStay = r.selectStay;
        RecordingSink sink;
        SelectionEngine(edit, env, sink).run(r.op);
        EXPECT_EQ(edit.selectionStart(), r.start) << r.name;
        EXPECT_EQ(edit.selectionLength(), r.length) << r.name;
    }
}

TEST(SelectionEngine, oneUndoStepRestoresTheText)
{
    PlainTextBuffer edit(u8("x\nab\ncd\ny"));
    edit.setSelection(2, 5);
    FakeEnvironment env;
    RecordingSink sink;
    SelectionEngine(edit, env, sink).run(SelectionOperation::Indent);
    ASSERT_EQ(edit.text(), u8("x\r\n ab\r\n cd\r\n\r\ny"));
    edit.undo();
    EXPECT_EQ(edit.text(), u8("x\r\nab\r\ncd\r\ny"));
    EXPECT_FALSE(edit.canUndo());
}

TEST(SelectionEngine, computeNeedsNoDocument)
{
    FakeEnvironment env;
    EXPECT_EQ(SelectionEngine::compute(Op::ToUppercase, u8("ab"), env, env.values), u8("AB"));
    EXPECT_THROW(SelectionEngine::compute(Op::DecimalToBin, u8("-"), env, env.values), Error);
    EXPECT_FALSE(SelectionEngine::readsSelection(Op::IpAddress));
    EXPECT_FALSE(SelectionEngine::readsSelection(Op::ComputerName));
    EXPECT_TRUE(SelectionEngine::readsSelection(Op::ClipboardAtEnd));
}

} // namespace
} // namespace varnik::test

#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/selectionengine.h"

#include "texttestsupport.h"

#include <functional>
#include <set>

namespace varnik::test {
namespace {

struct EngineRow {
    const char* name;
    int code;
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
    SelectionEngine(edit, env, sink).run(r.code);
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
        {"noSelection_wholeDocument", 19, "ab\ncd", -1, 0, "AB\r\nCD"},
        {"indent_singleLine_gainsBreak", 1, "a", -1, 0, " a\r\n"},
        {"indent_twoLines_noExtraLine", 1, "a\r\nb\r\n", -1, 0, " a\r\n b\r\n"},
        {"indent_partialLines_atSelectionStart", 1, "xxab\ncdyy", 2, 5, "xx ab\r\n cd\r\nyy"},
        {"trim", 2, "  a \n\tb\t", -1, 0, "a\r\nb\r\n"},
        {"unwrap", 3, "a\r\nb\r\n", -1, 0, "ab"},
        {"clipboardAtBeginning", 4, "a\nb", -1, 0, "> a\r\n> b\r\n", nullptr,
         [](FakeEnvironment& e) { e.clipboard = QStringLiteral("> "); }},
        {"clipboardEmpty", 4, "a", -1, 0, "a\r\n"},
        {"dashList", 5, "a\nb", -1, 0, "- a\r\n- b\r\n"},
        {"numberedList_emptyMiddle", 6, "a\n\nc", -1, 0, "1. a\r\n2. \r\n3. c\r\n"},
        {"deleteFirstChar_emptyLineKept", 12, "ab\n\ncd", -1, 0, "b\r\n\r\nd\r\n"},
        {"invertCase", 17, "aB1", -1, 0, "Ab1"},
        {"lowercase", 18, "ŻÓŁW", -1, 0, "żółw"},
        {"uppercase_selectionOnly", 19, "abc", 1, 1, "aBc"},
        {"tabsToSpaces_setting", 26, "\ta", -1, 0, "  a", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 2; }},
        {"spacesToTabs_tenWithFour", 27, "          ", -1, 0, "\t\t  ", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 4; }},
        {"spacesToTabs_zero_unchanged", 27, "    ", -1, 0, "    ", nullptr,
         [](FakeEnvironment& e) { e.values.tabSpaces = 0; }},
        {"clipboardAtEnd", 35, "a\nb", -1, 0, "a;\r\nb;\r\n", nullptr,
         [](FakeEnvironment& e) { e.clipboard = QStringLiteral(";"); }},
    };
    for (const EngineRow& r : rows)
        runRow(r);
}

TEST(SelectionEngine, conversionsAndTheirFailures)
{
    const auto legacy = [](FakeEnvironment& e) { e.encoding = TextEncoding::codePage(); };
    const EngineRow rows[] = {
        {"formatDateTime_byCurrentTime", 8, "yyyy-mm-dd hh:nn", -1, 0, "2024-03-05 14:07"},
        {"secondsToHms", 9, "3725", -1, 0, "3725 = 1 h 2 m 5 s"},
        {"secondsToHms_notANumber_silent", 9, "abc", -1, 0, "abc"},
        {"secondsToHms_trailingBreak_silent", 9, "3725\n", -1, 0, "3725\r\n"},
        {"toRoman", 10, "1994", -1, 0, "MCMXCIV"},
        {"toRoman_zero_deletes", 10, "0", -1, 0, ""},
        {"toRoman_notANumber_silent", 10, "x", -1, 0, "x"},
        {"fromRoman_upperCasedFirst", 11, "mmxxiv", -1, 0, "2024"},
        {"fromRoman_invalid_minusOne", 11, "abc", -1, 0, "-1"},
        {"unixTime_bias", 13, "0", -1, 0, "1970-01-01 01:00:00", nullptr,
         [](FakeEnvironment& e) { e.bias = -60; }},
        {"unixTime_notANumber_silent", 13, "now", -1, 0, "now"},
        {"rot13", 14, "Hello", -1, 0, "Uryyb"},
        {"codesToChars", 15, "65 66", -1, 0, "A B"},
        {"codesToChars_legacy", 15, "185", -1, 0, "ą", nullptr, legacy},
        {"codesToChars_utf8HighCode_reported", 15, "200", -1, 0, "200", "Problem while converting to ASCII!"},
        {"charsToCodes_lineBreakIsCrLf", 16, "a\nb", -1, 0, "97,13,10,98"},
        {"charsToCodes_legacy", 16, "ą", -1, 0, "185", nullptr, legacy},
        {"binToDec", 20, "10 11 2", -1, 0, "2 3 2"},
        {"decToBin", 21, "255", -1, 0, "11111111"},
        {"decToBin_loneMinus_reported", 21, "a - b", -1, 0, "a - b", "Number is too big for conversion!"},
        {"hexToDec", 22, "ff,10", -1, 0, "255,16"},
        {"decToHex", 23, "255", -1, 0, "FF"},
        {"decToHex_date_reported", 23, "2024-01-05", -1, 0, "2024-01-05",
         "Number is too big for conversion!"},
        {"ipAddress_insertedAtCaret", 24, "abc", 1, 0, "a10.0.0.7bc"},
        {"ipAddress_unknown_deletesSelection", 24, "abc", 1, 1, "ac", nullptr,
         [](FakeEnvironment& e) { e.ip.clear(); }},
        {"computerName_replacesSelection", 25, "abc", 1, 1, "aworkstationc"},
        // LF CR handed back to the document is two line breaks.
        {"reverse", 28, "ab\ncd", -1, 0, "dc\r\n\r\nba"},
        {"htmlTable_zero_deletes", 29, "0,3", -1, 0, ""},
        {"htmlTable_missingItem_silent", 29, "3", -1, 0, "3"},
        {"htmlTable_tooLarge_silent", 29, "100000,100000", -1, 0, "100000,100000"},
        {"ipToHex", 30, "192.168.0.1", -1, 0, "192.168.0.1 = C0A80001"},
        {"ipToHex_threeParts_silent", 30, "1.2.3", -1, 0, "1.2.3"},
        {"hexToIp", 31, "C0A80001", -1, 0, "C0A80001 = 192.168.0.1"},
        {"hexToIp_twoNumbers_silent", 31, "C0 A8", -1, 0, "C0 A8"},
        {"urlEncode", 32, "a b", -1, 0, "a%20b"},
        {"urlEncode_legacy", 32, "ą", -1, 0, "%B9", nullptr, legacy},
        {"urlDecode", 33, "a%20b+c", -1, 0, "a b c"},
        {"urlDecode_malformed", 33, "%4", -1, 0, "[ERROR]"},
        {"statistics", 34, "a,2,4", -1, 0,
         "a,2,4\r\ncnt=2 sum=6.00000000 avg=3.00000000 max=4.00000000 min=0.00000000"},
        {"statistics_decimalComma", 34, "1,5", -1, 0,
         "1,5\r\ncnt=2 sum=6,00000000 avg=3,00000000 max=5,00000000 min=1,00000000", nullptr,
         [](FakeEnvironment& e) { e.values.decimalSeparator = u','; }},
        {"slangize", 7, "for you", -1, 0, "4 U", nullptr,
         [](FakeEnvironment& e) { e.draws = {0, 0, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}; }},
        {"codeZero_nothing", 0, "abc", -1, 0, "abc"},
        {"code36_nothing", 36, "abc", -1, 0, "abc"},
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
        int code;
        const char* text;
        bool selectStay;
        qsizetype start, length; // selection afterwards
    } rows[] = {
        {"success_caretAfterInsertedText", 19, "abc", true, 3, 0},
        {"success_selectStayOff_caretAfterInsertedText", 1, "abc", false, 5, 0},
        {"silentFailure_selectStay_wholeDocumentStaysSelected", 9, "abc", true, 0, 3},
        {"silentFailure_selectStayOff_collapsed", 9, "abc", false, 0, 0},
        {"reportedFailure_selectStayOff_collapsed", 23, "1-2", false, 0, 0},
        {"outOfRangeCode_selectStay_untouched", 99, "abc", true, 0, 0},
    };
    for (const auto& r : rows) {
        PlainTextBuffer edit(u8(r.text));
        FakeEnvironment env;
        env.values.selectStay = r.selectStay;
        RecordingSink sink;
        SelectionEngine(edit, env, sink).run(r.code);
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
    EXPECT_EQ(SelectionEngine::compute(19, u8("ab"), env, env.values), u8("AB"));
    EXPECT_THROW(SelectionEngine::compute(21, u8("-"), env, env.values), Error);
    EXPECT_FALSE(SelectionEngine::readsSelection(24));
    EXPECT_FALSE(SelectionEngine::readsSelection(25));
    EXPECT_FALSE(SelectionEngine::readsSelection(0));
    EXPECT_TRUE(SelectionEngine::readsSelection(35));
}

TEST(SelectionOperation, everyEngineCommandHasItsOwnCode)
{
    const QStringList ids =
        QStringLiteral("Indent1 Trim1 Unwraplinesinblock1 Clippboardbeginning1 Changeselectiontolist1 "
                       "Changeselectiontonumberlist1 Slangize1 Formatdateandtime1 Secondsinselectiontohms1 "
                       "Numberinselectiontoroman1 Romannumberinseltonumber1 Deletecharatbeginningofline1 "
                       "NumberinselectionasUNIXtime1 ROT131 ASCIItoCHAR1 CHARtoASCII1 Invertcase1 "
                       "Tolowercase1 Touppercase1 BINnumberisselectiontodecimal1 Numberinselectiontobinary1 "
                       "Numbertodecimal1 Numbertohex1 IPaddress1 Computername1 Tabstospaces1 Spacestotabs1 "
                       "Reverse1 HTMLtablefromxy1 IPto32bit1 N32bittoIP1 URLencode1 URLdecode1 "
                       "SUMMAXCNTAVG1 Clippboardatend1")
            .split(u' ');
    std::set<int> codes;
    for (const QString& id : ids)
        codes.insert(selectionOperationForCommand(id));
    EXPECT_EQ(codes.size(), 35u);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 35);
    EXPECT_EQ(selectionOperationForCommand(u"Touppercase1"), 19);
    EXPECT_EQ(selectionOperationForCommand(u"Delete1"), 0);
    EXPECT_EQ(selectionOperationForCommand(u"touppercase1"), 0);
}

} // namespace
} // namespace varnik::test

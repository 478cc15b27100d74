#include "core/app/plaintextbuffer.h"
#include "core/text/lineediting.h"
#include "core/text/splitcolumn.h"

#include "texttestsupport.h"

#include <functional>

namespace varnik::test {
namespace {

struct EditRow {
    const char* name;
    std::function<void(TextEdit&)> command;
    const char* text;
    qsizetype selStart, selLength;
    const char* expected;
    qsizetype afterStart, afterLength;
};

void runRows(const std::vector<EditRow>& rows)
{
    for (const EditRow& r : rows) {
        PlainTextBuffer edit(u8(r.text));
        edit.setSelection(r.selStart, r.selLength);
        r.command(edit);
        EXPECT_EQ(edit.text(), u8(r.expected)) << r.name;
        EXPECT_EQ(edit.selectionStart(), r.afterStart) << r.name;
        EXPECT_EQ(edit.selectionLength(), r.afterLength) << r.name;
    }
}

TEST(LineEditing, deleteAndWords)
{
    runRows({
        {"delete_noSelection_charAfterCaret", deleteAtCaret, "abc", 1, 0, "ac", 1, 0},
        {"delete_selection", deleteAtCaret, "abcd", 1, 2, "ad", 1, 0},
        {"delete_atEnd_nothing", deleteAtCaret, "abc", 3, 0, "abc", 3, 0},
        {"delete_lineBreakIsOnePosition", deleteAtCaret, "a\nb", 1, 0, "ab", 1, 0},
        {"selectWord_inside", selectWordAtCursor, "abc def", 1, 0, "abc def", 0, 3},
        {"selectWord_secondWord", selectWordAtCursor, "abc def", 5, 0, "abc def", 4, 3},
        {"selectWord_atWordStart", selectWordAtCursor, "abc def", 4, 0, "abc def", 4, 3},
        {"selectWord_rightAfterWord_theCharacterAtCaret", selectWordAtCursor, "abc def", 3, 0, "abc def", 3,
         1},
        {"selectWord_onSpace_thatSpace", selectWordAtCursor, "a  b", 2, 0, "a  b", 2, 1},
        {"selectWord_zeroBeforeSpace_nothing", selectWordAtCursor, " abc", 0, 0, " abc", 0, 0},
        {"selectWord_wordFromPosition1_leavesSpace", selectWordAtCursor, " abc", 2, 0, " abc", 1, 3},
        {"selectWord_startOfText", selectWordAtCursor, "abc", 0, 0, "abc", 0, 3},
        {"selectWord_underscoreAndDigits", selectWordAtCursor, "x foo_1 y", 4, 0, "x foo_1 y", 2, 5},
        {"selectWord_polishLetters", selectWordAtCursor, "zażółć x", 2, 0, "zażółć x", 0, 6},
        {"selectWord_endOfDocument", selectWordAtCursor, "abc", 3, 0, "abc", 3, 0},
        {"selectWord_fromSelectionStart", selectWordAtCursor, "abc def", 5, 2, "abc def", 4, 3},
        {"selectWord_stopsAtLineBreak", selectWordAtCursor, "ab\ncd", 4, 0, "ab\r\ncd", 3, 2},
        {"deleteWord", deleteWord, "abc def", 5, 0, "abc ", 4, 0},
        {"deleteWord_onSpace_deletesSpace", deleteWord, "a b", 1, 0, "ab", 1, 0},
        {"deleteToWord_spacesAndBreaks", deleteToWord, "a \t \n  b", 1, 0, "ab", 1, 0},
        {"deleteToWord_noSpace", deleteToWord, "ab", 1, 0, "ab", 1, 0},
        {"deleteToWord_toTheEnd", deleteToWord, "a  ", 1, 0, "a", 1, 0},
    });
}

// Characters beyond the Basic Multilingual Plane take two positions; no
// command may leave half of one behind.
TEST(LineEditing, wholeCharactersOutsideTheBasicPlane)
{
    runRows({
        {"delete_beforeEmoji_removesAllOfIt", deleteAtCaret, "\xF0\x9F\x98\x80z", 0, 0, "z", 0, 0},
        {"delete_betweenEmojis", deleteAtCaret, "a\xF0\x9F\x98\x80\xF0\x9F\x98\x81", 1, 0,
         "a\xF0\x9F\x98\x81", 1, 0},
        {"selectWord_onEmoji_theWholeEmoji", selectWordAtCursor, "a \xF0\x9F\x98\x80 b", 2, 0,
         "a \xF0\x9F\x98\x80 b", 2, 2},
        {"selectWord_emojiAtStart_thenWord", selectWordAtCursor,
         "\xF0\x9F\x98\x80"
         "ab",
         3, 0,
         "\xF0\x9F\x98\x80"
         "ab",
         2, 2},
        {"selectWord_mathLetterIsALetter", selectWordAtCursor,
         "x \xF0\x9D\x90\x80"
         "bc y",
         4, 0,
         "x \xF0\x9D\x90\x80"
         "bc y",
         2, 4},
        {"deleteWord_afterA_removesTheEmoji", deleteWord, "a\xF0\x9F\x98\x80", 1, 0, "a", 1, 0},
        {"deleteWord_emojiOnly", deleteWord, "\xF0\x9F\x98\x80", 0, 0, "\xF0\x9F\x98\x80", 0, 0},
    });
}

TEST(LineEditing, lines)
{
    runRows({
        {"deleteLine_middle", deleteLine, "a\nb\nc", 2, 0, "a\r\nc", 2, 0},
        {"deleteLine_lastWithoutBreak_keepsBreakBefore", deleteLine, "a\nb", 3, 0, "a\r\n", 2, 0},
        {"deleteLine_only", deleteLine, "abc", 1, 0, "", 0, 0},
        {"deleteLine_caretAtSelectionEnd", deleteLine, "a\nb\nc", 0, 3, "a\r\nc", 2, 0},
        {"clearLine_keepsLine", clearLine, "a\nbc\nd", 3, 0, "a\r\n\r\nd", 2, 0},
        {"clearLine_emptyLine", clearLine, "a\n\nb", 2, 0, "a\r\n\r\nb", 2, 0},
    });
}

TEST(LineEditing, selectToBracket)
{
    runRows({
        {"opening_outer", selectToBracket, "f(a(b)c)", 1, 1, "f(a(b)c)", 1, 7},
        {"closing_outer", selectToBracket, "f(a(b)c)", 7, 1, "f(a(b)c)", 1, 7},
        {"opening_inner", selectToBracket, "f(a(b)c)", 3, 1, "f(a(b)c)", 3, 3},
        {"unmatched_nothing", selectToBracket, "f(a(b)c", 1, 1, "f(a(b)c", 1, 1},
        {"unmatchedClosing_nothing", selectToBracket, "a)", 1, 1, "a)", 1, 1},
        {"acrossLines", selectToBracket, "{\n a\n}", 0, 1, "{\r\n a\r\n}", 0, 6},
        {"acrossLinesBackwards", selectToBracket, "{\n a\n}", 5, 1, "{\r\n a\r\n}", 0, 6},
        {"otherKindsIgnored", selectToBracket, "(])", 0, 1, "(])", 0, 3},
        {"squareBrackets", selectToBracket, "[[]]", 0, 1, "[[]]", 0, 4},
        {"curlyBackwards", selectToBracket, "x{}", 2, 1, "x{}", 1, 2},
        {"twoCharactersSelected_nothing", selectToBracket, "()", 0, 2, "()", 0, 2},
        {"notABracket_nothing", selectToBracket, "ab", 0, 1, "ab", 0, 1},
        {"nothingSelected_nothing", selectToBracket, "()", 0, 0, "()", 0, 0},
    });
}

TEST(LineEditing, selectToBracketOverPiecesOfALargeDocument)
{
    QString body;
    for (int i = 0; i < 60000; ++i)
        body += u8("ab\n");
    PlainTextBuffer edit(u8("x(") + body + u8(")y"));
    const qsizetype close = 2 + body.size();
    edit.setSelection(1, 1);
    selectToBracket(edit);
    EXPECT_EQ(edit.selectionStart(), 1);
    EXPECT_EQ(edit.selectionLength(), close);
    edit.setSelection(close, 1);
    selectToBracket(edit);
    EXPECT_EQ(edit.selectionStart(), 1);
    EXPECT_EQ(edit.selectionLength(), close);
}

TEST(SplitColumn, takesOneItemOfEachLine)
{
    struct Row {
        const char* name;
        const char* text;
        int column;
        const char* separator;
        const char* expected;
    } rows[] = {
        {"shortLine_emptyLine", "a,b,c\r\nx", 1, ",", "b\r\n\r\n"},
        {"firstColumn", "a,b\nx", 0, ",", "a\r\nx\r\n"},
        {"trailingSeparator_noEmptyLastItem", "a,b,", 2, ",", "\r\n"},
        {"emptyItemInside", "a,,c", 1, ",", "\r\n"},
        {"emptyFirstItem", ",a", 0, ",", "\r\n"},
        {"longSeparator", "a<>b<>c", 2, "<>", "c\r\n"},
        {"emptySeparator_wholeLine", "a,b", 0, "", "a,b\r\n"},
        {"emptySeparator_noSecondItem", "a,b", 1, "", "\r\n"},
        {"emptyLine", "\n", 0, ",", "\r\n"},
        {"negativeColumn", "a,b", -1, ",", "\r\n"},
        {"emptyText", "", 0, ",", ""},
        {"column99", "a,b", 99, ",", "\r\n"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(splitColumn(u8(r.text), r.column, u8(r.separator)), u8(r.expected)) << r.name;
}

TEST(SplitColumn, sourceIsTheSelectionOrTheWholeDocument)
{
    PlainTextBuffer edit(u8("a,b\nc,d"));
    EXPECT_EQ(splitColumnSource(edit), u8("a,b\r\nc,d"));
    edit.setSelection(4, 3);
    EXPECT_EQ(splitColumnSource(edit), u8("c,d"));
}

} // namespace
} // namespace varnik::test

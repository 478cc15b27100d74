#include "contract/texteditcontract.h"

namespace varnik::test {

namespace {
const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units
const QString kNul = QString(QChar(0));
} // namespace

TEST_P(TextEditContract, lineEndsIn_anyForm_comeOutAsCrLf)
{
    struct Row {
        QString in;
        QString out;
        qsizetype length;
        qsizetype lines;
    };
    const Row rows[] = {
        {"", "", 0, 1},
        {"a\r\nb", "a\r\nb", 3, 2},
        {"a\rb\nc", "a\r\nb\r\nc", 5, 3},
        {"a\n", "a\r\n", 2, 2},
        {"\r\n\r\n", "\r\n\r\n", 2, 3},
        {"\n\r", "\r\n\r\n", 2, 3}, // LF then lone CR: two breaks
    };
    for (const Row& r : rows) {
        auto e = make(r.in);
        EXPECT_EQ(e->text(), r.out) << r.in.toStdString();
        EXPECT_EQ(e->length(), r.length) << r.in.toStdString();
        EXPECT_EQ(e->lineCount(), r.lines) << r.in.toStdString();
        EXPECT_FALSE(e->isModified());
        EXPECT_FALSE(e->canUndo());
    }
}

TEST_P(TextEditContract, offsets_polishEmojiAndNul_mapToTheSameCharacters)
{
    const QString text = u"zażółć\r\n"_qs + kEmoji + u"x"_qs + kNul + u"y\r\nęą"_qs;
    auto e = make(text);
    EXPECT_EQ(e->text(), text);
    // "zażółć" 6, break 1, emoji 2, "x" 1, NUL 1, "y" 1, break 1, "ęą" 2
    EXPECT_EQ(e->length(), 15);
    EXPECT_EQ(e->charAt(2), QChar(u'ż'));
    EXPECT_EQ(e->charAt(7), kEmoji[0]);
    EXPECT_EQ(e->charAt(9), QChar(u'x'));
    EXPECT_EQ(e->charAt(10), QChar(0));
    EXPECT_EQ(e->charAt(11), QChar(u'y'));
    EXPECT_EQ(e->charAt(13), QChar(u'ę'));
    EXPECT_EQ(e->lineStart(1), 7);
    EXPECT_EQ(e->lineStart(2), 13);
    EXPECT_EQ(e->lineLength(1), 5);
    EXPECT_EQ(e->lineText(1), kEmoji + u"x"_qs + kNul + u"y"_qs);
    EXPECT_EQ(e->lineFromPosition(12), 1);
    EXPECT_EQ(e->lineFromPosition(13), 2);
    EXPECT_EQ(e->columnFromPosition(14), 1);
    EXPECT_EQ(e->textRange(3, 9), u"ółć\r\n"_qs + kEmoji);

    e->setSelection(9, 3);
    EXPECT_EQ(e->selectedText(), u"x"_qs + kNul + u"y"_qs);
    e->replaceSelection(u"ŁÓDŹ"_qs);
    EXPECT_EQ(e->text(), u"zażółć\r\n"_qs + kEmoji + u"ŁÓDŹ\r\nęą"_qs);
    EXPECT_EQ(e->caretPosition(), 13);
}

TEST_P(TextEditContract, selection_isClampedToTheDocument)
{
    auto e = make(u"abc"_qs);
    e->setSelection(1, 100);
    EXPECT_EQ(e->selectionStart(), 1);
    EXPECT_EQ(e->selectionLength(), 2);
    e->setSelection(-5, 1);
    EXPECT_EQ(e->selectionStart(), 0);
    e->setSelection(10, 0);
    EXPECT_EQ(e->selectionStart(), 3);
    e->selectAll();
    EXPECT_EQ(e->selectedText(), u"abc"_qs);
}

TEST_P(TextEditContract, selection_insideASurrogatePair_coversTheWholeCharacter)
{
    // "a", emoji at 1-2, "b" at 3, emoji at 4-5
    auto e = make(u"a"_qs + kEmoji + u"b"_qs + kEmoji);
    struct Row {
        const char* name;
        qsizetype start, length;
        qsizetype wantStart, wantLength;
    };
    const Row rows[] = {
        {"endInsidePair_movesPastIt", 1, 1, 1, 2},
        {"startInsidePair_movesToItsStart", 2, 2, 1, 3},
        {"caretInsidePair_movesToItsStart", 2, 0, 1, 0},
        {"bothInsidePairs", 2, 3, 1, 5},
        {"wholePairs_unchanged", 1, 3, 1, 3},
    };
    for (const Row& r : rows) {
        e->setSelection(r.start, r.length);
        EXPECT_EQ(e->selectionStart(), r.wantStart) << r.name;
        EXPECT_EQ(e->selectionLength(), r.wantLength) << r.name;
    }
    e->setSelection(4, 1);
    e->replaceSelection(u"c"_qs);
    EXPECT_EQ(e->text(), u"a"_qs + kEmoji + u"bc"_qs);
}

TEST_P(TextEditContract, replaceSelection_isOneUndoStep_andRedoable)
{
    auto e = make(u"one\r\ntwo\r\nthree"_qs);
    e->setSelection(4, 3);
    e->replaceSelection(u"2\r\n2b\r2c"_qs);
    EXPECT_EQ(e->text(), u"one\r\n2\r\n2b\r\n2c\r\nthree"_qs);
    EXPECT_TRUE(e->isModified());
    EXPECT_EQ(e->caretPosition(), 11);
    EXPECT_EQ(e->selectionLength(), 0);
    ASSERT_TRUE(e->canUndo());
    e->undo();
    EXPECT_EQ(e->text(), u"one\r\ntwo\r\nthree"_qs);
    EXPECT_FALSE(e->canUndo());
    ASSERT_TRUE(e->canRedo());
    e->redo();
    EXPECT_EQ(e->text(), u"one\r\n2\r\n2b\r\n2c\r\nthree"_qs);
}

TEST_P(TextEditContract, undoGroup_collectsSeveralReplacements)
{
    auto e = make(u"abc"_qs);
    e->beginUndoGroup();
    e->setSelection(0, 1);
    e->replaceSelection(u"X"_qs);
    e->setSelection(2, 1);
    e->replaceSelection(u"ZZ"_qs);
    e->endUndoGroup();
    e->setSelection(0, 0);
    e->replaceSelection(u">"_qs);
    EXPECT_EQ(e->text(), u">XbZZ"_qs);
    e->undo();
    EXPECT_EQ(e->text(), u"XbZZ"_qs);
    e->undo();
    EXPECT_EQ(e->text(), u"abc"_qs);
    EXPECT_FALSE(e->canUndo());
}

TEST_P(TextEditContract, modifiedFlag_setByEdits_clearedOnRequest)
{
    auto e = make(u"abc"_qs);
    EXPECT_FALSE(e->isModified());
    e->setCaret(3);
    e->replaceSelection(u"d"_qs);
    EXPECT_TRUE(e->isModified());
    e->setModified(false);
    EXPECT_FALSE(e->isModified());
    e->clearUndoHistory();
    EXPECT_FALSE(e->canUndo());
    EXPECT_EQ(e->text(), u"abcd"_qs);
}

TEST_P(TextEditContract, find_honoursRangeCaseAndWholeWord)
{
    auto e = make(u"Żółw żółw\r\nżółwik ŻÓŁW"_qs);
    struct Row {
        const char* name;
        QString what;
        qsizetype start, end;
        bool matchCase, wholeWord, backwards;
        qsizetype expected;
    };
    const Row rows[] = {
        {"caseless finds first", u"żółw"_qs, 0, -1, false, false, false, 0},
        {"case finds second", u"żółw"_qs, 0, -1, true, false, false, 5},
        {"range start skips", u"żółw"_qs, 1, -1, false, false, false, 5},
        {"whole word skips żółwik", u"żółw"_qs, 6, -1, false, true, false, 17},
        {"plain finds żółwik", u"żółw"_qs, 6, -1, false, false, false, 10},
        {"range end includes", u"żółw"_qs, 6, 14, false, false, false, 10},
        {"range end excludes", u"żółw"_qs, 6, 13, false, false, false, -1},
        {"upper case exact", u"ŻÓŁW"_qs, 0, -1, true, false, false, 17},
        {"caseless folds Polish capitals", u"żółw"_qs, 11, -1, false, false, false, 17},
        {"across a line break", u"w\r\nż"_qs, 0, -1, false, false, false, 8},
        {"backwards takes last", u"żółw"_qs, 0, -1, false, false, true, 17},
        {"backwards whole word", u"żółw"_qs, 0, 16, false, true, true, 5},
        {"missing", u"kot"_qs, 0, -1, false, false, false, -1},
        {"empty pattern", QString(), 0, -1, false, false, false, -1},
    };
    for (const Row& r : rows) {
        const qsizetype end = r.end < 0 ? e->length() : r.end;
        EXPECT_EQ(e->find(r.what, r.start, end, {r.matchCase, r.wholeWord}, r.backwards), r.expected) << r.name;
    }
}

TEST_P(TextEditContract, lineQueries_outOfRange_areSafe)
{
    auto e = make(u"a\r\nbc"_qs);
    EXPECT_EQ(e->lineStart(-1), 0);
    EXPECT_EQ(e->lineStart(99), e->length());
    EXPECT_EQ(e->lineLength(99), 0);
    EXPECT_EQ(e->lineFromPosition(99), 1);
    EXPECT_EQ(e->lineFromPosition(-1), 0);
    EXPECT_EQ(e->charAt(99), QChar());
    EXPECT_EQ(e->textRange(3, 1), QString());
}

} // namespace varnik::test

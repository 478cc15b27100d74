#include "core/app/error.h"
#include "core/app/filetestsupport.h"
#include "core/app/plaintextbuffer.h"
#include "core/tools/favouriterows.h"
#include "core/tools/favouritetexts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace varnik {
namespace {

using test::readFile;
using test::writeFile;

const auto kCp1250 = CodePage::windows1250();

TEST(FavouriteFile, linesEndAtCrLfCrOrLfAndALastLineCounts)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QStringList expected;
    };
    const Row rows[] = {
        {"empty", "", {}},
        {"crlf", "a\r\nb\r\n", {u"a"_qs, u"b"_qs}},
        {"mixed", "a\rb\nc\r\n", {u"a"_qs, u"b"_qs, u"c"_qs}},
        {"lastLineWithoutEnd", "a\r\nb", {u"a"_qs, u"b"_qs}},
        {"emptyLinesKept", "a\r\n\r\nb\r\n", {u"a"_qs, QString(), u"b"_qs}},
        {"onlyALineEnd", "\r\n", {QString()}},
        {"utf8Polish", "\xc5\xbc\xc3\xb3\xc5\x82w\r\n", {u"\u017c\u00f3\u0142w"_qs}},
        {"legacy8bitThroughCodePage", "\xbf\xf3\xb3w\r\n", {u"\u017c\u00f3\u0142w"_qs}},
        {"richTextParagraphs", "{\\rtf1 one\\par two}", {u"one"_qs, u"two"_qs}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(parseFavourites(r.bytes, kCp1250), r.expected) << r.name;
}

TEST(FavouriteFile, writtenAsUtf8WithCrLfAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"new/sub/favtxt_me.txt"_qs);
    const QStringList texts{u"\u017c\u00f3\u0142w"_qs, QString(), u"two\nlines"_qs};
    writeFavouriteFile(path, texts);
    EXPECT_EQ(readFile(path), QByteArray("\xc5\xbc\xc3\xb3\xc5\x82w\r\n\r\ntwo\r\nlines\r\n"));
    EXPECT_EQ(readFavouriteFile(path, kCp1250), (QStringList{texts[0], QString(), u"two"_qs, u"lines"_qs}));
    writeFavouriteFile(path, {});
    EXPECT_EQ(readFile(path), QByteArray());
    EXPECT_EQ(QDir(dir.filePath(u"new/sub"_qs)).entryList(QDir::Files), QStringList{u"favtxt_me.txt"_qs})
        << "no temporary file left beside it";
}

TEST(FavouriteFile, textsThatLookLikeAFileHeaderComeBackAsWritten)
{
    for (const QString& first : {u"{\\rtf1 not rich text"_qs, u"\ufeffmark"_qs, u"\ufeff"_qs}) {
        const QStringList texts{first, u"next"_qs};
        EXPECT_EQ(parseFavourites(serializeFavourites(texts), kCp1250), texts) << first.toStdString();
    }
}

TEST(FavouriteFile, unreadableFilesAreErrorsNotCrashes)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(u"big.txt"_qs);
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxFavouriteFileSize + 1));
    f.close();
    QDir(dir.path()).mkdir(u"folder.txt"_qs);
    for (const QString& path : {dir.filePath(u"missing.txt"_qs), dir.filePath(u"folder.txt"_qs), big})
        EXPECT_THROW(readFavouriteFile(path, kCp1250), Error) << path.toStdString();
    EXPECT_THROW(writeFavouriteFile(dir.filePath(u"folder.txt"_qs), {u"x"_qs}), Error);
}

TEST(FavouriteFile, nameNeverLeavesTheDirectory)
{
    struct Row {
        QString user;
        QString expected;
    };
    const Row rows[] = {
        {u"jan"_qs, u"favtxt_jan.txt"_qs},
        {QString(), u"favtxt_.txt"_qs},
        {u"../../etc/x"_qs, u"favtxt_.._.._etc_x.txt"_qs},
        {u".."_qs, u"favtxt_...txt"_qs},
        {u"a\\b:c\nd"_qs, u"favtxt_a_b_c_d.txt"_qs},
        {u"\u0141ukasz"_qs, u"favtxt_\u0141ukasz.txt"_qs},
    };
    for (const Row& r : rows) {
        const QString name = favouriteFileName(r.user);
        EXPECT_EQ(name, r.expected);
        EXPECT_FALSE(name.contains(u'/'));
    }
}

TEST(FavouriteCandidate, trimmedSelectionAndItsQuestion)
{
    EXPECT_EQ(favouriteCandidate(u" \t\r\n "_qs), QString()) << "a blank selection offers nothing";
    EXPECT_EQ(favouriteCandidate(u"  Hello \r\n"_qs), u"Hello"_qs);
    EXPECT_EQ(addFavouriteQuestion(u"Hello"_qs), u"Add this to favorite texts ?\r\nHello"_qs);
}

TEST(InsertFavourite, caretAfterTextAndSelectionKeptWithSelectStay)
{
    struct Row {
        const char* name;
        qsizetype selStart, selLength;
        QString inserted;
        bool selectStay;
        QString text;
        qsizetype expStart, expLength;
    };
    const Row rows[] = {
        {"atCaret", 2, 0, u"XY"_qs, false, u"abXYcdef"_qs, 4, 0},
        {"atCaretSelectStay", 2, 0, u"XY"_qs, true, u"abXYcdef"_qs, 2, 2},
        {"selectionKeptInDocument", 1, 3, u"XY"_qs, false, u"aXYbcdef"_qs, 3, 0},
        {"selectionKeptSelectStay", 1, 3, u"XY"_qs, true, u"aXYbcdef"_qs, 1, 2},
        {"atEnd", 6, 0, u"XY"_qs, false, u"abcdefXY"_qs, 8, 0},
        {"lineBreakCountsOnce", 0, 0, u"A\r\nB"_qs, true, u"A\nBabcdef"_qs, 0, 3},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(u"abcdef"_qs);
        edit.setSelection(r.selStart, r.selLength);
        insertFavourite(edit, r.inserted, r.selectStay);
        EXPECT_EQ(toLfLineEnds(edit.text()), r.text) << r.name;
        EXPECT_EQ(edit.selectionStart(), r.expStart) << r.name;
        EXPECT_EQ(edit.selectionLength(), r.expLength) << r.name;
    }
}

TEST(FavouriteRows, helloAbcFileGivesTwoSortedRows)
{
    FavouriteRows rows(QLocale(QLocale::English));
    rows.fill(parseFavourites("  Hello  \r\n\r\nAbc\r\n", kCp1250));
    EXPECT_EQ(rows.rows(), (QStringList{u"Abc"_qs, u"Hello"_qs}));
}

TEST(FavouriteRows, theCLocaleSortsLikeEnglishNotByCodes)
{
    FavouriteRows rows(QLocale::c());
    rows.fill({u"New item"_qs, u"b"_qs, u"Z"_qs, u"a"_qs});
    EXPECT_EQ(rows.rows(), (QStringList{u"a"_qs, u"b"_qs, u"New item"_qs, u"Z"_qs}));
}

TEST(FavouriteRows, addEditAndDeleteKeepTheOrder)
{
    FavouriteRows rows(QLocale(QLocale::English));
    rows.fill({u"same"_qs, u"b"_qs, u"same"_qs});
    EXPECT_EQ(rows.rows(), (QStringList{u"b"_qs, u"same"_qs, u"same"_qs}))
        << "duplicates stay until the window closes";
    EXPECT_EQ(rows.add(u"New item"_qs), 1);
    EXPECT_EQ(rows.setText(0, u"zzz"_qs), 3);
    EXPECT_EQ(rows.rows(), (QStringList{u"New item"_qs, u"same"_qs, u"same"_qs, u"zzz"_qs}));
    EXPECT_EQ(rows.setText(1, QString()), 0);
    EXPECT_FALSE(rows.canInsert(0)) << "an emptied row is not inserted";
    EXPECT_TRUE(rows.canInsert(1));
    EXPECT_FALSE(rows.canInsert(4));
    EXPECT_EQ(rows.setText(9, u"x"_qs), -1);
    rows.remove(0);
    rows.remove(-1);
    EXPECT_EQ(rows.rows(), (QStringList{u"New item"_qs, u"same"_qs, u"zzz"_qs}));
}

} // namespace
} // namespace varnik

#include "core/app/filefacts.h"
#include "core/app/plaintextbuffer.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimeZone>

namespace varnik {
namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s, int offsetSeconds = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone(offsetSeconds));
}

TEST(FileInfoText, showsNameSizeTimesInUtcAndCounts)
{
    FileFacts facts;
    facts.found = true;
    facts.size = 1234;
    facts.created = at(2003, 1, 2, 3, 4, 5);
    facts.modified = at(2024, 12, 31, 23, 59, 59);
    facts.accessed = at(2025, 1, 1, 1, 30, 0, 2 * 3600); // 23:30 the day before in UTC
    struct Row {
        const char* name;
        QString fileName;
        FileFacts facts;
        qsizetype lines, characters;
        QString text;
    };
    FileFacts noBirth = facts;
    noBirth.created = QDateTime();
    const Row rows[] = {
        {"titled", u"/home/u/notes.txt"_qs, facts, 3, 17,
         u"Current file info:\r\n\r\nFile name:\t/home/u/notes.txt\r\nFile size:\t1234 bytes\r\n\r\n"
         u"Created:\t2003/01/02 03:04:05\r\nModified:\t2024/12/31 23:59:59\r\nAccessed:\t2024/12/31 "
         u"23:30:00\r\n"
         u"\r\nLines:\t3\r\nCharacters:\t17\r\n"_qs},
        {"missingFile", u"gone.txt"_qs, FileFacts{}, 1, 0,
         u"Current file info:\r\n\r\nFile name:\tgone.txt\r\nFile size:\t??? bytes\r\n\r\n"
         u"Created:\t???\r\nModified:\t???\r\nAccessed:\t???\r\n\r\nLines:\t1\r\nCharacters:\t0\r\n"_qs},
        {"noCreationTimeKept", u"a"_qs, noBirth, 1, 1,
         u"Current file info:\r\n\r\nFile name:\ta\r\nFile size:\t1234 bytes\r\n\r\n"
         u"Created:\t???\r\nModified:\t2024/12/31 23:59:59\r\nAccessed:\t2024/12/31 23:30:00\r\n"
         u"\r\nLines:\t1\r\nCharacters:\t1\r\n"_qs},
        {"untitled", QString(), facts, 2, 5,
         u"New unsaved file - file info unavailable\r\n\r\nLines:\t2\r\nCharacters:\t5\r\n"_qs},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(fileInfoText(r.fileName, r.facts, r.lines, r.characters).toStdString(),
                  r.text.toStdString());
    }
}

TEST(FileInfoText, countsEachLineBreakAsTwoCharacters)
{
    struct Row {
        QString text;
        qsizetype characters;
    };
    const Row rows[] = {
        {QString(), 0}, {u"abc"_qs, 3}, {u"a\nb\nc"_qs, 7}, {u"a\r\n"_qs, 3}, {u"\n\n"_qs, 4}};
    for (const Row& r : rows) {
        PlainTextBuffer edit(r.text);
        EXPECT_EQ(fileInfoCharacterCount(edit), r.characters) << r.text.toStdString();
    }
}

TEST(FileInfoText, readsTheFileOnDisk)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"f.txt"_qs);
    test::writeFile(file, "12345");
    const FileFacts facts = readFileFacts(file);
    EXPECT_TRUE(facts.found);
    EXPECT_EQ(facts.size, 5);
    EXPECT_TRUE(facts.modified.isValid());
    EXPECT_FALSE(readFileFacts(dir.filePath(u"none"_qs)).found);
    EXPECT_FALSE(readFileFacts(QString()).found);
}

} // namespace
} // namespace varnik

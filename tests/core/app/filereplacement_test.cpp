#include "core/app/documentfile.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace varnik {
namespace {

using test::readFile;
using test::RecordingSink;
using test::writeFile;

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

bool save(const QString& name, const QString& text)
{
    RecordingSink sink;
    return saveDocument(name, true, text, DocumentEncoding::utf8(), {}, sink).saved;
}

class FileReplacementTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// A file reached another way than its name sees the new text: it is written
// in place, the same file as before.
TEST_F(FileReplacementTest, linkedFiles_areWrittenInPlace)
{
    struct Row {
        const char* name;
        std::function<QString(const QString& file)> otherWay; // makes the other name, returns the one saved
    };
    const Row rows[] = {
        {"hard_link",
         [this](const QString& file) {
             ::link(QFile::encodeName(file).constData(), QFile::encodeName(path(u"other"_qs)).constData());
             return file;
         }},
        {"symbolic_link",
         [this](const QString& file) {
             QFile::link(file, path(u"other"_qs));
             return path(u"other"_qs);
         }},
    };
    for (const Row& r : rows) {
        const QString file = path(u"file.txt"_qs);
        QFile::remove(path(u"other"_qs));
        writeFile(file, "old");
        const QString saved = r.otherWay(file);
        const ino_t inode = statOf(file).st_ino;
        ASSERT_TRUE(save(saved, u"new"_qs)) << r.name;
        EXPECT_EQ(readFile(file), QByteArray("new")) << r.name;
        EXPECT_EQ(readFile(path(u"other"_qs)), QByteArray("new")) << r.name;
        EXPECT_EQ(statOf(file).st_ino, inode) << r.name;
        EXPECT_EQ(readFile(saved + u".BAK"_qs), QByteArray("old")) << r.name;
    }
}

TEST_F(FileReplacementTest, ownerGroupAndMode_stay)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    struct Row {
        const char* name;
        uid_t owner;
        gid_t group;
    };
    const Row rows[] = {
        {"another_users_file", 65534, 65534},
        {"own_file_another_group", 0, 65534},
    };
    for (const Row& r : rows) {
        const QString file = path(QString::fromLatin1(r.name));
        writeFile(file, "old");
        ASSERT_EQ(::chown(QFile::encodeName(file).constData(), r.owner, r.group), 0);
        ::chmod(QFile::encodeName(file).constData(), 0640);
        ASSERT_TRUE(save(file, u"new"_qs)) << r.name;
        const struct stat st = statOf(file);
        EXPECT_EQ(st.st_uid, r.owner) << r.name;
        EXPECT_EQ(st.st_gid, r.group) << r.name;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << r.name;
        EXPECT_EQ(readFile(file), QByteArray("new")) << r.name;
    }
}

TEST_F(FileReplacementTest, extendedAttributes_stay)
{
    const QString file = path(u"tagged.txt"_qs);
    writeFile(file, "old");
    const QByteArray name = QFile::encodeName(file);
    if (::setxattr(name.constData(), "user.varnik", "kept", 4, 0) != 0)
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_TRUE(save(file, u"new"_qs));
    char value[16] = {};
    EXPECT_EQ(::getxattr(name.constData(), "user.varnik", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
}

} // namespace
} // namespace varnik

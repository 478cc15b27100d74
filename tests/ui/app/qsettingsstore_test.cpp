#include "contract/settingsstorecontract.h"
#include "core/app/fileinfo.h"
#include "core/app/settings.h"
#include "core/app/settingvalues.h"
#include "ui/platform/qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnik::test {

namespace {

class QSettingsHandle : public StoreHandle {
public:
    QSettingsHandle() : store_(std::make_unique<QSettingsStore>(path())) {}
    SettingsStore& store() override { return *store_; }
    void reopen() override
    {
        store_->flush();
        store_.reset();
        store_ = std::make_unique<QSettingsStore>(path());
    }

private:
    QString path() const { return dir_.filePath(u"Varnik/Varnik.conf"_qs); }

    QTemporaryDir dir_;
    std::unique_ptr<QSettingsStore> store_;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(u"Varnik/Varnik.conf"_qs); }
    QTemporaryDir dir_;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(QSettings, SettingsStoreContract,
                         ::testing::Values(SettingsStoreFactory{
                             "QSettings", [] { return std::unique_ptr<StoreHandle>(new QSettingsHandle); }}),
                         [](const auto& info) { return info.param.name; });

TEST(QSettingsStorePath, followsXdgConfigHome_whenAbsolute)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QString home = QDir::homePath() + u"/.config/Varnik/Varnik.conf"_qs;
    const struct {
        const char* xdg; // nullptr: unset
        QString expected;
    } rows[] = {{"/tmp/cfg", u"/tmp/cfg/Varnik/Varnik.conf"_qs}, {nullptr, home}, {"", home}, {"cfg", home}};
    for (const auto& r : rows) {
        if (r.xdg)
            qputenv("XDG_CONFIG_HOME", r.xdg);
        else
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(QSettingsStore::defaultIniFilePath(), r.expected) << (r.xdg ? r.xdg : "unset");
        EXPECT_EQ(QSettingsStore().location(), r.expected);
    }
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(QSettingsStoreTest, iniFile_holdsSettingsInGeneral_andFilesAsNestedKeys)
{
    {
        QSettingsStore store(path());
        FileInfo info;
        info.selStart = 42;
        storeFileInfo(store, Settings(), u"/home/u/a b/c.txt"_qs, info, PathStyle::Unix);
        writeSetting(store, u"AutoSave"_qs, u"1"_qs);
    }
    const QByteArray text = readAll(path());
    EXPECT_TRUE(text.startsWith("[General]\nAutoSave=1\n\n[files]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nhome\\u\\a%20b\\c.txt\\Start=42\n")) << text.toStdString();
}

TEST_F(QSettingsStoreTest, handEditedFile_namesInAnyCase_valuesAsText)
{
    writeAll(path(), "[General]\nautosave=1\nTOOLBARBUTTONS=0B\nAutoSave=0\nWordWrap=0, 1\n"
                     "CRLF=@ByteArray(1)\nLoadSaveDir=C:\\texts\nDateFormat=\"  yyyy \"\n");
    QSettingsStore store(path());
    Settings settings = loadSettings(store);
    EXPECT_EQ(store.status(), QSettings::NoError);
    EXPECT_FALSE(settings.autoSave) << "the exact spelling wins over another case";
    EXPECT_EQ(settings.toolbarButtons, u"0B"_qs);
    EXPECT_TRUE(settings.wordWrap) << "any text but 0 is on";
    EXPECT_EQ(settings.crlf, 0) << "not a number";
    EXPECT_EQ(settings.loadSaveDir, u"C:\\texts"_qs) << "a backslash is no escape outside quotes";
    EXPECT_EQ(settings.dateFormat, u"  yyyy "_qs);

    saveSettings(store, settings);
    const QString text = QString::fromUtf8(readAll(path()));
    EXPECT_EQ(text.count(u"autosave="_qs, Qt::CaseInsensitive), 1) << text.toStdString();
    EXPECT_EQ(text.count(u"toolbarbuttons="_qs, Qt::CaseInsensitive), 1) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nTOOLBARBUTTONS=0B\n"_qs)) << "an existing value keeps its spelling";
}

TEST_F(QSettingsStoreTest, missingOrUnreadableStore_givesTheDefaults_andCreatesNothing)
{
    {
        QSettingsStore store(path());
        EXPECT_EQ(loadSettings(store), Settings());
        EXPECT_TRUE(store.subkeys(varnikKey()).isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(path())) << "reading must not create the file";

    // A directory where the file should be cannot be read by anyone.
    ASSERT_TRUE(QDir().mkpath(path()));
    QSettingsStore store(path());
    EXPECT_EQ(loadSettings(store), Settings());
    Settings settings;
    saveSettings(store, settings);
    EXPECT_NE(store.status(), QSettings::NoError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(QSettingsStoreTest, garbageContent_givesTheDefaultsForWhatCannotBeRead)
{
    struct Row {
        const char* behaviour;
        QByteArray content;
    };
    const Row rows[] = {
        {"binary", QByteArray("\x00\x01\x02\xff\xfe[\x00]=\x00\n\x7f", 12)},
        {"brackets", "[[[\n]]]\n[\n=\n==\n"},
        {"invalidUtf8", "[General]\nLastUsedCnt=\xc3\x28\xa0\xa1\nCreateBackup=\"\xff\n"},
        {"unterminatedQuote", "[General]\nLastUsedCnt=\"12\nCreateBackup=\"0\n"},
        {"qtTypes", "[General]\nLastUsedCnt=@ByteArray(12)\nCreateBackup=@Variant(\\0\\0\\0\\x7f)\n"},
        {"lists", "[General]\nLastUsedCnt=1, 2\nCreateBackup=\"0\", \"1\"\n"},
        {"hugeLine", QByteArray("[General]\nLastUsedCnt=") + QByteArray(1 << 20, '9') + "\n"},
        {"deepKey", QByteArray("[General]\n") + QByteArray(100000, '\\') + "=1\n"},
        {"sectionOnly", "[General"},
    };
    for (const Row& r : rows) {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Varnik.conf"_qs);
        writeAll(file, r.content);
        QSettingsStore store(file);
        const Settings s = loadSettings(store);
        EXPECT_EQ(s.lastUsedCnt, 10) << r.behaviour;
        EXPECT_TRUE(s.createBackup) << r.behaviour;
        EXPECT_EQ(s.fontName, u"fixedsys"_qs) << r.behaviour;
        // The store stays usable: what is written now reaches the file.
        writeSetting(store, u"UndoLimit"_qs, u"77"_qs);
        store.flush();
        EXPECT_TRUE(readAll(file).contains("\nUndoLimit=77\n")) << r.behaviour;
    }
}

TEST_F(QSettingsStoreTest, damagedLines_keepEveryReadableSetting_andTheFileAsACopy)
{
    const QByteArray damaged = "[General]\nLastUsedCnt=5\n=novalue\nCreateBackup=0\n[files\nx=1\n"
                               "[files]\nhome\\u\\a.txt\\Left=12\n";
    const QString copy = path() + u".bad"_qs;
    struct Row {
        const char* behaviour;
        bool copyWritable;
    };
    for (const Row r : {Row{"copyKept", true}, Row{"copyImpossible_fileLeftAlone", false}}) {
        QDir(QFileInfo(path()).absolutePath()).removeRecursively();
        writeAll(path(), damaged);
        if (!r.copyWritable) {
            ASSERT_TRUE(QDir().mkpath(copy));
        }
        {
            QSettingsStore store(path());
            const Settings s = loadSettings(store);
            EXPECT_EQ(s.lastUsedCnt, 5) << r.behaviour;
            EXPECT_FALSE(s.createBackup) << r.behaviour;
            EXPECT_EQ(store.readValue(filesKey() / u"home"_qs / u"u"_qs / u"a.txt"_qs, u"Left"_qs), u"12"_qs)
                << r.behaviour;
            const QString problem = store.readProblem();
            EXPECT_TRUE(problem.contains(u"lines 3, 5, 6 of Varnik.conf"_qs)) << problem.toStdString();
            writeSetting(store, u"UndoLimit"_qs, u"77"_qs);
            store.flush();
        }
        const QByteArray now = readAll(path());
        if (!r.copyWritable) {
            EXPECT_EQ(now, damaged) << r.behaviour;
            continue;
        }
        EXPECT_EQ(readAll(copy), damaged) << r.behaviour;
        for (const char* kept : {"\nLastUsedCnt=5\n", "\nCreateBackup=0\n", "Left=12\n", "\nUndoLimit=77\n"})
            EXPECT_TRUE(now.contains(kept)) << r.behaviour << ": " << kept << " in " << now.toStdString();
    }
}

// Runs a block with the file-system rights of an ordinary user, so that permission
// bits hold even when the tests run as root.
class Unprivileged {
public:
    Unprivileged() : wasRoot_(geteuid() == 0)
    {
        if (wasRoot_)
            ok_ = seteuid(65534) == 0;
    }
    ~Unprivileged()
    {
        if (wasRoot_ && ok_ && seteuid(0) != 0)
            std::abort();
    }
    bool ok() const { return ok_; }

private:
    bool wasRoot_;
    bool ok_ = true;
};

TEST_F(QSettingsStoreTest, unwritableDirectory_leavesTheOldFileWhole)
{
    {
        QSettingsStore store(path());
        writeSetting(store, u"AutoSave"_qs, u"1"_qs);
        store.flush();
        ASSERT_EQ(store.status(), QSettings::NoError);
    }
    const QByteArray before = readAll(path());
    const QString configDir = QFileInfo(path()).absolutePath();
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(configDir).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path()).constData(), 0666), 0);
    {
        Unprivileged user;
        if (!user.ok())
            GTEST_SKIP() << "cannot drop root rights here";
        QSettingsStore store(path());
        Settings settings;
        settings.autoSave = false;
        saveSettings(store, settings);
        EXPECT_EQ(store.status(), QSettings::AccessError);
        // The store is closed while still unprivileged, so nothing is written later.
    }
    chmod(QFile::encodeName(configDir).constData(), 0755);
    EXPECT_EQ(readAll(path()), before);
    EXPECT_EQ(QDir(configDir).entryList(QDir::Files | QDir::Hidden), QStringList{u"Varnik.conf"_qs})
        << "no temporary file is left behind";
}

TEST_F(QSettingsStoreTest, fullDisk_leavesTheOldFileWhole)
{
    struct Row {
        const char* behaviour;
        qsizetype valueSize;
    };
    // A small file fails only when its buffered end is flushed, a large one while written.
    const Row rows[] = {{"failsOnTheLastFlush", 2000}, {"failsWhileWriting", 64 * 1024}};
    for (const Row& r : rows) {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Varnik.conf"_qs);
        {
            QSettingsStore store(file);
            writeSetting(store, u"AutoSave"_qs, u"1"_qs);
            store.flush();
            EXPECT_EQ(store.saveProblem(), QString());
        }
        const QByteArray before = readAll(file);
        {
            QSettingsStore store(file);
            writeSetting(store, u"FontName"_qs, QString(r.valueSize, u'x'));
            // A file-size limit makes writes fail as a full disk would.
            rlimit old{};
            ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limited = old;
            limited.rlim_cur = before.size() + 100;
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
            store.flush();
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
            EXPECT_EQ(store.status(), QSettings::AccessError) << r.behaviour;
            EXPECT_TRUE(store.saveProblem().contains(u"could not be saved"_qs)) << r.behaviour;
            EXPECT_EQ(readAll(file), before) << r.behaviour;
            // Forget the pending write so that closing the store does not retry it.
            deleteSetting(store, u"FontName"_qs);
        }
        EXPECT_EQ(readAll(file), before) << r.behaviour;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Varnik.conf"_qs})
            << r.behaviour;
    }
}

} // namespace varnik::test

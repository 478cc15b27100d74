#include "ui/platform/singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <future>

namespace varnik {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        SingleInstance::setServerNameForTesting(dir_.filePath(QStringLiteral("s.sock")));
    }
    void TearDown() override { SingleInstance::setServerNameForTesting(QString()); }

    // handOver blocks, so it runs on another thread while this one serves events.
    bool handOverWhileServing(const QString& path)
    {
        auto result = std::async(std::launch::async, [path] { return SingleInstance::handOver(path, 2000); });
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return result.get();
    }

    QTemporaryDir dir_;
};

TEST_F(SingleInstanceTest, nobodyListening_handOverFails)
{
    EXPECT_FALSE(SingleInstance::handOver(QStringLiteral("/tmp/x"), 200));
}

TEST_F(SingleInstanceTest, listeningInstance_receivesThePath)
{
    SingleInstance first;
    ASSERT_TRUE(first.listen());
    QSignalSpy spy(&first, &SingleInstance::fileReceived);
    const QString path = QStringLiteral("/tmp/zażółć gęślą/a b.txt");
    EXPECT_TRUE(handOverWhileServing(path));
    for (int i = 0; i < 100 && spy.isEmpty(); ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].toString(), path);
}

TEST_F(SingleInstanceTest, staleSocketFile_doesNotStopANewInstance)
{
    {
        QFile stale(SingleInstance::serverName());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly)); // what a crash leaves behind
    }
    SingleInstance second;
    EXPECT_TRUE(second.listen());
}

TEST_F(SingleInstanceTest, liveInstance_keepsItsSocket)
{
    SingleInstance first;
    ASSERT_TRUE(first.listen());
    SingleInstance second;
    EXPECT_FALSE(second.listen());
    EXPECT_TRUE(first.isListening());
}

} // namespace
} // namespace varnik

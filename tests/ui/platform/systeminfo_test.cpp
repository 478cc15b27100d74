#include "ui/platform/systeminfo.h"

#include <QFile>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(SystemInformation, totalMemoryIsRead_andNoMachineIdLeaves)
{
    const SystemInformation info = readSystemInformation();
    if (QFile::exists(QStringLiteral("/proc/meminfo"))) {
        EXPECT_GT(info.totalMemoryKb, 0);
    }
    // The report identifier comes from the settings, never from the machine.
    EXPECT_TRUE(info.productId.isEmpty());
}

} // namespace
} // namespace varnik

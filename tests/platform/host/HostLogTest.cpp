#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "platform/host/HostLog.h"
#include "tests/support/DeviceRoot.h"

namespace {

using host::HostLog;

// Puts back whatever received the log before the test.
class HostLogTest : public testing::Test {
  protected:
    void TearDown() override { foundation::Log::setSink(std::move(previous)); }

    testsupport::DeviceRoot root;
    foundation::Log::Sink previous = foundation::Log::setSink({});
};

TEST_F(HostLogTest, LinesAreAppendedALargeLogIsSetAsideAndOneThatCannotBeMadeSaysWhy) {
    const std::string old(HostLog::kKeptBytes + 1, 'x');
    root.write(HostLog::kDevicePath, old);
    ASSERT_TRUE(HostLog::install(false).ok());
    foundation::Log::write("first line");
    foundation::Log::write("last file /var/a b.plist");

    EXPECT_EQ(root.read(HostLog::kDevicePath), "first line\nlast file /var/a b.plist\n");
    EXPECT_EQ(root.read(std::string(HostLog::kDevicePath) + ".1"), old);

    ASSERT_TRUE(HostLog::install(false).ok());
    foundation::Log::write("a second run");
    EXPECT_EQ(root.read(HostLog::kDevicePath),
              "first line\nlast file /var/a b.plist\na second run\n");

    // A log that cannot be made says why and leaves the log as it was.
    std::filesystem::remove_all(root.host("/var/mobile/Library/Logs"));
    root.write("/var/mobile/Library/Logs", "a file where the folder should be");
    std::vector<std::string> heard;
    foundation::Log::setSink([&heard](std::string_view line) { heard.emplace_back(line); });

    auto installed = HostLog::install(false);
    ASSERT_FALSE(installed.ok());
    EXPECT_NE(installed.error().description.find("kelvora.log"), std::string::npos);
    foundation::Log::write("still heard");
    EXPECT_EQ(heard, std::vector<std::string>{"still heard"});
}

}  // namespace

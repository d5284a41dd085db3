#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/host/UrlOpener.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace {

// Puts a folder of our own first on PATH for one test, holding a stand-in xdg-open that
// writes the arguments it was given, one a line.
class UrlOpenerTest : public ::testing::Test {
  protected:
    void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }

    void installOpener(int status) {
        auto opener = bin / "xdg-open";
        std::filesystem::create_directories(bin);
        std::ofstream(opener) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > "
                              << (root.hostRoot() / "opened.txt") << "\nexit " << status << "\n";
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        setenv("PATH", (bin.string() + ":/usr/bin:/bin").c_str(), 1);
    }
    std::string opened() const { return root.read("/opened.txt"); }

    testsupport::DeviceRoot root;
    std::filesystem::path bin = root.hostRoot() / "bin";
    std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
};

// The URL reaches the opener as one untouched argument and its answer counts; a headless run,
// or a desktop without an opener, only logs it.
TEST_F(UrlOpenerTest, TheOpenerGetsTheUrlUntouchedOrTheLogHasIt) {
    installOpener(0);
    const std::string hostile = "https://example.org/a b;touch pwned$(id)'\"";
    EXPECT_TRUE(host::UrlOpener(false)(hostile));
    EXPECT_EQ(opened(), hostile + "\n");
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    installOpener(3);
    EXPECT_FALSE(host::UrlOpener(false)("https://example.org/"));

    std::filesystem::remove(root.hostRoot() / "opened.txt");
    testsupport::LogCapture log;
    EXPECT_FALSE(host::UrlOpener(true)("https://example.org/a"));
    EXPECT_EQ(opened(), "") << "a headless run starts nothing";
    setenv("PATH", bin.c_str(), 1);
    std::filesystem::remove(bin / "xdg-open");
    EXPECT_FALSE(host::UrlOpener(false)("tg://msg?text=Text&to=someone"));
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_NE(log.lines()[0].find("https://example.org/a"), std::string::npos);
    EXPECT_NE(log.lines()[1].find("tg://msg?text=Text&to=someone"), std::string::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/app/KelvoraProgram.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

using apptest::readText;
using apptest::runKelvora;
using apptest::writeText;

const std::string kPreferences = "var/jb/vmo/Library/Preferences/";
const std::string kSetupFolder = "var/mobile/Kelvora/Setup/evening/";
const std::string kDockFade = "com.lumen.dockfade.plist";
const std::string kKeyboard = "io.harbor.keyboardplus.plist";

// A Setup's life in the program, one launch per stage, as a person would live it.
class SetupRoadTest : public ::testing::Test {
  protected:
    void play(const std::string& steps) {
        auto script = writeText(work.hostRoot() / "steps.txt", steps);
        auto run = runKelvora({"--headless", "--root", root.string(), "--script", script.string()},
                              work.hostRoot());
        ASSERT_EQ(run.status, 0) << steps << "\n" << run.err;
    }
    std::filesystem::path device(const std::string& path) const { return root / path; }

    void createWithTwoFiles() {
        play(
            "tap Done\nwait 0.5\ntap plus\nwait 1\ntap Setup name...\ntype Evening\n"
            "key Return\ntap 0A84FE\ntap heart.fill\ntap Done\nwait 1\nexpect Evening\n"
            "expect-no " +
            kDockFade + "\ntap plus\nwait 1\ntap " + kDockFade + "\ntap " + kKeyboard +
            "\ntap Add\nwait 1\nexpect-order " + kDockFade + " | " + kKeyboard +
            "\ntap Back\nwait 1\nexpect 2 Files\n");
    }

    testsupport::DeviceRoot work;
    std::filesystem::path root = work.hostRoot() / "device";
};

TEST_F(SetupRoadTest, ASetupIsMadeFilledCountedAndRestored) {
    createWithTwoFiles();
    for (const auto& name : {kDockFade, kKeyboard}) {
        EXPECT_EQ(readText(device(kSetupFolder + name)), readText(device(kPreferences + name)));
    }
    auto list = readText(device(kPreferences + "com.zerovin.KelvoraList.plist"));
    EXPECT_NE(list.find("<string>Evening</string>"), std::string::npos) << list;

    writeText(device(kPreferences + kDockFade), "<plist><dict/></plist>");
    play(
        "expect 2 Files\ntap Evening\nwait 1\ntap Restore\ntap Restore Evening Setup\nwait 1\n"
        "expect ~respring\ntap Okay\nwait 1\nexpect-no ~respring\n");
    EXPECT_EQ(readText(device(kPreferences + kDockFade)),
              readText(device(kSetupFolder + kDockFade)));
    EXPECT_NE(readText(device(kPreferences + kDockFade)), "<plist><dict/></plist>");
}

TEST_F(SetupRoadTest, FilesAreDeletedFromTheExplorerAndTheSetupFromItsContextMenu) {
    createWithTwoFiles();
    play("tap Evening\nwait 1\ntap Edit\nwait 0.5\ntap " + kKeyboard +
         "\ntap Delete\nexpect ~Are you sure you want to delete 1 files\ntap Delete\nwait 1\n"
         "expect-no " +
         kKeyboard + "\nexpect " + kDockFade + "\n");
    EXPECT_FALSE(std::filesystem::exists(device(kSetupFolder + kKeyboard)));
    EXPECT_TRUE(std::filesystem::exists(device(kSetupFolder + kDockFade)));
    EXPECT_TRUE(std::filesystem::exists(device(kPreferences + kKeyboard))) << "only the copy goes";

    play(
        "expect ~1 File\nlong-press Evening\ntap Delete\nwait 1\nexpect-no Evening\n"
        "expect ~You don't have any Setup\n");
    EXPECT_FALSE(std::filesystem::exists(device(kSetupFolder)));
    auto list = readText(device(kPreferences + "com.zerovin.KelvoraList.plist"));
    EXPECT_EQ(list.find("Evening"), std::string::npos) << list;
    EXPECT_TRUE(std::filesystem::exists(device(kPreferences + kDockFade)));
}

}  // namespace

}  // namespace kelvora

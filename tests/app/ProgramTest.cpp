#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

struct ProgramRun {
    int status = -1;
    std::string err;
};

const std::string kPreferences = "var/jb/vmo/Library/Preferences/";
const std::string kOriginal = "var/mobile/Kelvora/Original/";
const std::string kDockFade = "com.lumen.dockfade.plist";
const std::string kKeyboard = "io.harbor.keyboardplus.plist";

// The built program, one smoke run per road a person takes. The device root does not exist
// until kelvora makes it, so kelvora seeds it with sample preferences.
class ProgramTest : public ::testing::Test {
  protected:
    // The files of the device root the program makes inside the work folder.
    std::string read(const std::string& path) const { return work.read("/device/" + path); }
    void write(const std::string& path, const std::string& text) const {
        work.write("/device/" + path, text);
    }

    // Runs the built program as a person runs it, headless, keeping what it writes to stderr.
    // The paths are the test's own temporary folders, free of quotes.
    ProgramRun play(const std::string& steps) {
        work.write("/steps.txt", steps);
        std::string command = std::string("'") + KELVORA_PROGRAM + "' --headless --root '" +
                              root.string() + "' --script '" + work.host("/steps.txt").string() +
                              "' >/dev/null 2>'" + work.host("/kelvora.err").string() + "'";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.read("/kelvora.err")};
    }
    void playOk(const std::string& steps) {
        auto run = play(steps);
        ASSERT_EQ(run.status, 0) << steps << "\n" << run.err;
    }

    testsupport::DeviceRoot work;
    std::filesystem::path root = work.hostRoot() / "device";
};

TEST_F(ProgramTest, AFirstLaunchSnapshotsThePreferencesThatRestoringTheOriginalsPutsBack) {
    auto run = play(
        "expect ~Getting started\ntap Done\nwait 1\nexpect-no Done\n"
        "expect ~You don't have any Setup\nexpect-order Setup | Settings\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "the app's log goes to its file";
    EXPECT_FALSE(read(kOriginal + kDockFade).empty());
    EXPECT_EQ(read(kOriginal + kDockFade), read(kPreferences + kDockFade));
    auto prefs = read(kPreferences + "com.zerovin.KelvoraPrefs.plist");
    EXPECT_NE(prefs.find("<key>didCopiedOriginalFiles</key>\n\t<true/>"), std::string::npos);
    EXPECT_NE(prefs.find("<key>didShowTutorial</key>\n\t<true/>"), std::string::npos) << prefs;

    // A later launch restores the changed and the removed file.
    write(kPreferences + kDockFade, "<plist><dict/></plist>");
    std::filesystem::remove(work.host("/device/" + kPreferences + kKeyboard));
    playOk(
        "tap Settings\ntap Restore Original Files\nexpect ~Are you sure\n"
        "tap Restore Original Files\nwait 1\nexpect ~respring\ntap Okay\n");
    for (const auto& name : {kDockFade, kKeyboard}) {
        EXPECT_EQ(read(kPreferences + name), read(kOriginal + name)) << name;
    }
    EXPECT_NE(read(kPreferences + kDockFade), "<plist><dict/></plist>") << "never snapshot again";
}

TEST_F(ProgramTest, ASetupIsMadeFilledCountedAndRestored) {
    const std::string folder = "var/mobile/Kelvora/Setup/evening/";
    playOk(
        "tap Done\nwait 0.5\ntap plus\nwait 1\ntap Setup name...\ntype Evening\n"
        "key Return\ntap 0A84FE\ntap heart.fill\ntap Done\nwait 1\nexpect Evening\n"
        "tap plus\nwait 1\ntap " +
        kDockFade + "\ntap " + kKeyboard + "\ntap Add\nwait 1\nexpect-order " + kDockFade + " | " +
        kKeyboard + "\ntap Back\nwait 1\nexpect 2 Files\n");
    for (const auto& name : {kDockFade, kKeyboard}) {
        EXPECT_EQ(read(folder + name), read(kPreferences + name));
    }
    write(kPreferences + kDockFade, "<plist><dict/></plist>");
    playOk(
        "tap Evening\nwait 1\ntap Restore\ntap Restore Evening Setup\nwait 1\n"
        "expect ~respring\ntap Okay\n");
    EXPECT_EQ(read(kPreferences + kDockFade), read(folder + kDockFade));
    EXPECT_NE(read(kPreferences + kDockFade), "<plist><dict/></plist>");
}

TEST_F(ProgramTest, AFailingStepEndsTheRunWithStatusOneAndSaysWhere) {
    auto shot = work.hostRoot() / "after.png";
    auto run = play(
        "tap Done\n# look for what is not there\nexpect Nowhere to be seen\n"
        "screenshot " +
        shot.string() + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 3: expect Nowhere to be seen"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\n    Settings"), std::string::npos) << "lists the screen's texts";
    EXPECT_FALSE(std::filesystem::exists(shot)) << "no step runs after the failed one";
}

}  // namespace

}  // namespace kelvora

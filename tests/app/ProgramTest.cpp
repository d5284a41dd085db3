#include <cairo.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/host/SampleRoot.h"
#include "tests/app/KelvoraProgram.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

using apptest::readText;
using apptest::runKelvora;
using apptest::writeText;

const std::string kPreferences = "var/jb/vmo/Library/Preferences/";
const std::string kOriginal = "var/mobile/Kelvora/Original/";
const std::string kLog = "var/mobile/Library/Logs/Kelvora/kelvora.log";

bool isSystemDomain(const std::string& name) {
    return name.find("apple") != std::string::npos || name.find("Global") != std::string::npos ||
           name.find("google") != std::string::npos;
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Each test has a work folder; the device root inside it does not exist until kelvora
// makes it, so kelvora seeds it.
class ProgramTest : public ::testing::Test {
  protected:
    std::filesystem::path file(const std::string& name) const { return work.hostRoot() / name; }
    std::filesystem::path device(const std::string& path) const { return root / path; }

    apptest::ProgramRun play(const std::string& steps, std::vector<std::string> more = {}) {
        auto script = writeText(file("steps.txt"), steps);
        std::vector<std::string> arguments{"--headless", "--root", root.string(), "--script",
                                           script.string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runKelvora(arguments, work.hostRoot());
    }

    // A first run that closes the tutorial and lets the snapshot happen.
    void firstRun() {
        auto run = play("expect Done\ntap Done\nwait 1\nexpect-no Done\n");
        ASSERT_EQ(run.status, 0) << run.err;
    }

    testsupport::DeviceRoot work;
    std::filesystem::path root = work.hostRoot() / "device";
};

TEST_F(ProgramTest, AFirstLaunchShowsTheTutorialAndSnapshotsOnlyTheTweakFiles) {
    auto run = play(
        "expect Done\nexpect ~Getting started\ntap Done\nwait 1\nexpect-no Done\n"
        "expect ~You don't have any Setup\nexpect-order Setup | Settings\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(root.string()), std::string::npos) << "says it made the root";
    EXPECT_EQ(run.err, "") << "the app's log goes to its file";
    EXPECT_NE(readText(device(kLog)).find("successfully copy all of the original files"),
              std::string::npos);

    std::set<std::string> expected;
    for (const auto& name : host::SampleRoot::sampleNames()) {
        if (!isSystemDomain(name)) {
            expected.insert(name);
        }
    }
    auto copied = namesIn(device(kOriginal));
    for (const auto& name : expected) {
        ASSERT_TRUE(copied.count(name)) << name;
        EXPECT_EQ(readText(device(kOriginal + name)), readText(device(kPreferences + name)));
    }
    for (const auto& name : copied) {
        EXPECT_FALSE(isSystemDomain(name)) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(device("var/mobile/Kelvora/Setup")));
    auto prefs = readText(device(kPreferences + "com.zerovin.KelvoraPrefs.plist"));
    EXPECT_NE(prefs.find("<key>didCopiedOriginalFiles</key>\n\t<true/>"), std::string::npos)
        << prefs;
    EXPECT_NE(prefs.find("<key>didShowTutorial</key>\n\t<true/>"), std::string::npos) << prefs;
}

TEST_F(ProgramTest, ASecondLaunchTakesNoSnapshotAndShowsNoTutorial) {
    firstRun();
    const std::string name = "com.lumen.dockfade.plist";
    auto snapshot = readText(device(kOriginal + name));
    writeText(device(kPreferences + name), "<plist><dict/></plist>");

    auto log = readText(device(kLog));
    auto run = play("wait 1\nexpect-no Done\nexpect ~You don't have any Setup\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readText(device(kOriginal + name)), snapshot);
    EXPECT_EQ(readText(device(kLog)), log) << "nothing copied, nothing logged";
}

TEST_F(ProgramTest, AnExistingFolderIsNeverSeeded) {
    std::filesystem::create_directories(root);
    auto run = runKelvora({"--headless", "--root", root.string()}, work.hostRoot());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(std::filesystem::exists(device(kPreferences + "com.lumen.dockfade.plist")));
    EXPECT_TRUE(std::filesystem::is_directory(device("var/mobile/Kelvora/Original")));
    EXPECT_TRUE(std::filesystem::is_empty(device("var/mobile/Kelvora/Original")));
}

TEST_F(ProgramTest, RestoringTheOriginalsPutsBackChangedAndRemovedFiles) {
    firstRun();
    const std::string changed = "com.pebblesoft.springtiles.plist";
    const std::string removed = "io.harbor.keyboardplus.plist";
    writeText(device(kPreferences + changed), "<plist><dict/></plist>");
    std::filesystem::remove(device(kPreferences + removed));

    auto run = play(
        "tap Settings\ntap Restore Original Files\nexpect ~Are you sure\n"
        "tap Restore Original Files\nwait 1\nexpect ~respring\ntap Okay\n"
        "wait 1\nexpect-no ~respring\n");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& name : {changed, removed}) {
        ASSERT_TRUE(std::filesystem::exists(device(kPreferences + name))) << name;
        EXPECT_EQ(readText(device(kPreferences + name)), readText(device(kOriginal + name)));
    }
}

TEST_F(ProgramTest, AFailingStepEndsTheRunWithStatusOneAndSaysWhere) {
    auto shot = file("after.png");
    auto run = play(
        "tap Done\n# look for what is not there\nexpect Nowhere to be seen\n"
        "screenshot " +
        shot.string() + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 3: expect Nowhere to be seen"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\n    Settings"), std::string::npos) << "lists the screen's texts";
    EXPECT_FALSE(std::filesystem::exists(shot)) << "no step runs after the failed one";

    auto tapMissing = play("tap Nowhere\n");
    EXPECT_EQ(tapMissing.status, 1);
}

TEST_F(ProgramTest, AScriptThatCannotBeUsedEndsWithStatusTwoBeforeAnythingStarts) {
    auto unknown = play("tap Done\nclick Settings\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("line 2"), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(root)) << "the root is not even made";

    auto missing = runKelvora(
        {"--headless", "--root", root.string(), "--script", file("no-such-script.txt").string()},
        work.hostRoot());
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(std::filesystem::exists(root));

    auto badOption =
        runKelvora({"--headless", "--root", root.string(), "--scale", "3"}, work.hostRoot());
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.err.find("usage"), std::string::npos);
}

TEST_F(ProgramTest, ARootThatIsNotAFolderIsRefusedAtOnceWithStatusOne) {
    auto notAFolder = writeText(file("device-file"), "keep me");
    auto run = runKelvora({"--headless", "--root=" + notAFolder.string()}, work.hostRoot());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("kelvora: The device root " + notAFolder.string() + " is not a folder"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(readText(notAFolder), "keep me");
}

// What a screenshot shows, in the few figures the tests compare.
struct Picture {
    int width = 0;
    int height = 0;
    double brightness = 0;  // mean of the red, green and blue channels over the top rows
};

Picture readPicture(const std::filesystem::path& path) {
    Picture picture;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        picture.width = cairo_image_surface_get_width(surface);
        picture.height = cairo_image_surface_get_height(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        int stride = cairo_image_surface_get_stride(surface);
        double sum = 0;
        int rows = std::min(picture.height, 40);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const unsigned char* pixel = data + y * stride + 4 * x;
                sum += (pixel[0] + pixel[1] + pixel[2]) / 3.0;
            }
        }
        picture.brightness = sum / (rows * std::max(1, picture.width));
    }
    cairo_surface_destroy(surface);
    return picture;
}

TEST_F(ProgramTest, AScreenshotIsTheDeviceSizeAtTheScaleInTheChosenStyle) {
    firstRun();
    auto light = file("light.png");
    auto run = runKelvora(
        {"--headless", "--root", root.string(), "--scale", "2", "--screenshot", light.string()},
        work.hostRoot());
    ASSERT_EQ(run.status, 0) << run.err;
    auto dark = file("dark.png");
    run = runKelvora({"--headless", "--root", root.string(), "--device", "classic", "--dark",
                      "--screenshot", dark.string()},
                     work.hostRoot());
    ASSERT_EQ(run.status, 0) << run.err;

    auto lightPicture = readPicture(light);
    EXPECT_EQ(lightPicture.width, 780);
    EXPECT_EQ(lightPicture.height, 1688);
    auto darkPicture = readPicture(dark);
    EXPECT_EQ(darkPicture.width, 375);
    EXPECT_EQ(darkPicture.height, 667);
    EXPECT_GT(lightPicture.brightness, 200);
    EXPECT_LT(darkPicture.brightness, 60);
}

}  // namespace

namespace {

TEST(ProgramWindowTest, AScriptPlaysInAWindowAsItDoesHeadless) {
    testsupport::DeviceRoot work;
    auto root = work.hostRoot() / "device";
    auto shot = work.hostRoot() / "window.png";
    auto script = writeText(work.hostRoot() / "steps.txt",
                            "tap Done\nwait 1\ntap Settings\nexpect Restore Original Files\n"
                            "screenshot " +
                                shot.string() + "\n");
    // SDL's dummy video driver gives a real window loop with nothing on a display.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    auto run = runKelvora({"--root", root.string(), "--script", script.string()}, work.hostRoot());
    unsetenv("SDL_VIDEODRIVER");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readPicture(shot).width, 390);
}

}  // namespace

}  // namespace kelvora

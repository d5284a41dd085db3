#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/files/FileScreenFixture.h"

namespace kelvora {

namespace {

using Lines = std::vector<std::string>;

class CopyIntoSetupTest : public FileScreenFixture {
  protected:
    const std::string target = std::string(kSetup);

    void SetUp() override {
        FileScreenFixture::SetUp();
        for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
            pref(name, std::string("new ") + name);
        }
    }
    // The log lines the copy wrote, from its first.
    Lines copyLines() const {
        Lines lines;
        bool started = false;
        for (const auto& line : log.lines()) {
            started = started || line.rfind("last file ", 0) == 0;
            if (started) {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

TEST_F(CopyIntoSetupTest, CopiesInTapOrderAndClosesOnceAfterTheLastFile) {
    auto picker = openPicker();
    ASSERT_NE(picker, nullptr);
    for (const char* name : {"c.plist", "a.plist", "b.plist"}) {
        tap(name);
    }
    tap("Add");

    EXPECT_EQ(copyLines(), (Lines{"last file " + target + "b.plist",
                                  "successfully copy all files " + target + "c.plist",
                                  "successfully copy all files " + target + "a.plist",
                                  "successfully copy all files " + target + "b.plist",
                                  "yay saved the fucking last file"}));
    EXPECT_TRUE(driver->isShowing("Copying " + target + "b.plist")) << "the overlay's last text";
    driver->wait(0.19);
    EXPECT_TRUE(refreshes.empty()) << "the closing step waits 0.2 s";
    EXPECT_NE(navigation->presentedViewController(), nullptr);

    driver->wait(0.02);
    EXPECT_EQ(refreshes, std::vector<const void*>{picker.get()});
    driver->wait(5);
    EXPECT_EQ(refreshes.size(), 1u) << "the closing step runs once";
    EXPECT_EQ(navigation->presentedViewController(), nullptr) << "the picker is dismissed";
    EXPECT_EQ(readSetup("a.plist"), "new a.plist");
    EXPECT_TRUE(driver->isShowing("c.plist")) << "the explorer was told to reload";
    EXPECT_TRUE(driver->isShowing("Edit"));
}

TEST_F(CopyIntoSetupTest, ReplacesAFileOfTheSameNameAndTappingAgainMovesANameToTheEnd) {
    setupFile("a.plist", "old");
    openPicker();
    tap("a.plist");
    tap("b.plist");
    tap("a.plist");
    tap("a.plist");
    tapAndWait("Add");

    EXPECT_EQ(copyLines().front(), "last file " + target + "a.plist");
    EXPECT_EQ(readSetup("a.plist"), "new a.plist");
    EXPECT_EQ(entries(kSetup), (Lines{"a.plist", "b.plist"})) << "no temporary file is left";
}

TEST_F(CopyIntoSetupTest, NothingSelectedCopiesNothingAndSaysSorry) {
    openPicker();
    tap("a.plist");
    tap("a.plist");
    tapAndWait("Add");

    EXPECT_TRUE(driver->isShowing("Sorry"));
    EXPECT_TRUE(
        driver->isShowing("You haven't select any files, please select which one you "
                          "would like to copy to your Setup"));
    EXPECT_TRUE(entries(kSetup).empty());
    EXPECT_TRUE(refreshes.empty());
    EXPECT_TRUE(copyLines().empty());
}

// An earlier file that fails must not be hidden by a last one that succeeds: the picker stays
// open with its "Error" until the user closes it, and what was copied is shown at once.
TEST_F(CopyIntoSetupTest, AFailureKeepsThePickerOpenWithItsErrorAndShowsWhatWasCopied) {
    setupFile("a.plist", "old");
    auto picker = openPicker();
    tap("a.plist");
    tap("b.plist");
    std::filesystem::remove(root.host(std::string(kPrefs) + "a.plist"));
    tap("Add");
    driver->wait(1);

    auto alert = std::dynamic_pointer_cast<kit::AlertController>(
        picker->navigationController()->presentedViewController());
    ASSERT_NE(alert, nullptr) << "the error is still up";
    EXPECT_EQ(alert->alertTitle(), "Error");
    EXPECT_NE(alert->message().find(std::string(kPrefs) + "a.plist"), std::string::npos)
        << "the description names the file: " << alert->message();
    EXPECT_EQ(picker->navigationController()->presentingViewController(), navigation);
    EXPECT_EQ(refreshes, std::vector<const void*>{picker.get()});
    EXPECT_EQ(readSetup("a.plist"), "old") << "a failed copy removes nothing";
    EXPECT_EQ(readSetup("b.plist"), "new b.plist");
    ASSERT_EQ(explorer->setupArray().size(), 2u) << "the explorer shows the copied file";
}

}  // namespace

}  // namespace kelvora

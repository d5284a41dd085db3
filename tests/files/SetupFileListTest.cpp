#include "files/SetupFileList.h"

#include <gtest/gtest.h>

#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

TEST(SetupFileListTest, MissingOrUnlistableSetupFolderListsNothing) {
    testsupport::ScreenHarness device;
    SetupFileList list("morning");
    list.loadSetupData();
    EXPECT_TRUE(list.setupArray().empty());
    EXPECT_TRUE(list.showsNoResultLabel());
    device.root.write("/var/mobile/Kelvora/Setup/morning", "a file, not a folder");
    list.loadSetupData();
    EXPECT_TRUE(list.setupArray().empty());
    EXPECT_TRUE(list.showsNoResultLabel());
}

}  // namespace

}  // namespace kelvora

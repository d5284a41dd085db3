#include "files/SetupFileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

using Names = std::vector<std::string>;

const std::string kSetupFolder = "/var/mobile/Kelvora/Setup/morning/";

Names listedNames(SetupFileList& list) {
    list.loadSetupData();
    Names names;
    for (const auto& record : list.setupArray()) {
        names.push_back(record.plistName);
    }
    return names;
}

TEST(SetupFileListTest, MissingOrUnlistableSetupFolderListsNothing) {
    testsupport::ScreenHarness device;
    SetupFileList list("morning");
    EXPECT_TRUE(listedNames(list).empty());
    EXPECT_TRUE(list.showsNoResultLabel());
    device.root.write("/var/mobile/Kelvora/Setup/morning", "a file, not a folder");
    EXPECT_TRUE(listedNames(list).empty());
    EXPECT_TRUE(list.showsNoResultLabel());
}

}  // namespace

}  // namespace kelvora

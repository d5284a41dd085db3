#include "files/SetupFileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/files/FileTimes.h"
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

// A Setup holds what its user copied in, so names the picker leaves out are listed here.
TEST(SetupFileListTest, ListsPlistsByExtensionOnlyIncludingNamesThePickerExcludes) {
    testsupport::ScreenHarness device;
    for (const char* name : {"a.plist", "B.PLIST", "readme.txt", "com.apple.springboard.plist"}) {
        device.root.write(kSetupFolder + name, "<plist/>");
        filetests::setModified(device.root.host(kSetupFolder + name),
                               filetests::utc(2026, 12, 6, 9, 0, 0));
    }
    SetupFileList list("morning");
    EXPECT_EQ(listedNames(list), (Names{"B.PLIST", "a.plist", "com.apple.springboard.plist"}));
    EXPECT_EQ(list.setupArray()[0],
              (PlistFileRecord{"B.PLIST", "Dec 6, 2026 09:00", "0612202609000000", "8 bytes"}));
    EXPECT_FALSE(list.showsNoResultLabel());
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

#include "files/SetupFileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/PreferencesCatalogue.h"
#include "platform/foundation/DateFormatter.h"
#include "store/SetupManager.h"
#include "tests/files/FileTimes.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

using filetests::setModified;
using filetests::utc;
using Names = std::vector<std::string>;

const std::string kSetupFolder = "/var/mobile/Kelvora/Setup/morning/";
const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

class SetupFileListTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    SetupFileList list{"morning"};

    void SetUp() override {
        foundation::DateFormatter::setDeviceLocale("en_US");
        foundation::DateFormatter::setDeviceTimeZone("UTC");
        root.makeFolder("/var/jb/vmo/Library/Preferences");
    }
    void TearDown() override {
        foundation::DateFormatter::setDeviceLocale("");
        foundation::DateFormatter::setDeviceTimeZone("");
    }
    void setupFile(const std::string& name, std::time_t modified) const {
        root.write(kSetupFolder + name, "<plist/>");
        setModified(root.host(kSetupFolder + name), modified);
    }
    Names listedNames() {
        list.loadSetupData();
        Names names;
        for (const auto& record : list.setupArray()) {
            names.push_back(record.plistName);
        }
        return names;
    }
};

TEST_F(SetupFileListTest, ListsPlistsByExtensionOnlyIncludingNamesThePickerExcludes) {
    setupFile("a.plist", utc(2026, 12, 6, 9, 0, 0));
    setupFile("B.PLIST", utc(2026, 12, 6, 9, 0, 0));
    setupFile("readme.txt", utc(2026, 12, 6, 9, 0, 0));
    setupFile("com.apple.springboard.plist", utc(2026, 12, 6, 9, 0, 0));
    EXPECT_EQ(list.setupFolderPath(), kSetupFolder);
    EXPECT_EQ(listedNames(), (Names{"B.PLIST", "a.plist", "com.apple.springboard.plist"}));
    EXPECT_EQ(list.setupArray()[0],
              (PlistFileRecord{"B.PLIST", "Dec 6, 2026 09:00", "0612202609000000", "8 bytes"}));
    EXPECT_FALSE(list.showsNoResultLabel());
}

TEST_F(SetupFileListTest, KeepsItsOwnSortChoiceApartFromThePickers) {
    setupFile("old.plist", utc(2026, 12, 5, 9, 0, 0));
    setupFile("new.plist", utc(2026, 12, 6, 9, 0, 0));
    auto& store = SetupManager::sharedInstance();
    store.setObject(std::string("Date Oldest"), "fileExplorerSortType", kPrefsID);
    store.setObject(std::string("File Z-A"), "filePickerSortType", kPrefsID);
    EXPECT_EQ(listedNames(), (Names{"old.plist", "new.plist"}));
    EXPECT_EQ(list.sortType(), "Date Oldest");

    PreferencesCatalogue catalogue;
    catalogue.loadPrefsData();
    EXPECT_EQ(catalogue.sortType(), "File Z-A");

    store.setObject(std::string("Date Newest"), "fileExplorerSortType", kPrefsID);
    EXPECT_EQ(listedNames(), (Names{"new.plist", "old.plist"}));
    catalogue.loadPrefsData();
    EXPECT_EQ(catalogue.sortType(), "File Z-A");
}

TEST_F(SetupFileListTest, MissingOrUnlistableSetupFolderListsNothing) {
    EXPECT_TRUE(listedNames().empty());
    EXPECT_TRUE(list.showsNoResultLabel());
    root.write("/var/mobile/Kelvora/Setup/morning", "a file, not a folder");
    EXPECT_TRUE(listedNames().empty());
    EXPECT_TRUE(list.showsNoResultLabel());
}

}  // namespace

}  // namespace kelvora

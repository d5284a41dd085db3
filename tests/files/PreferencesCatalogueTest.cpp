#include "files/PreferencesCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/PlistFileListing.h"
#include "store/SetupManager.h"
#include "tests/files/FileTimes.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

using filetests::setModified;
using filetests::utc;
using Names = std::vector<std::string>;

constexpr std::string_view kPreferences = "/var/jb/vmo/Library/Preferences/";

class PreferencesCatalogueTest : public testing::Test {
  protected:
    testsupport::ScreenHarness device;
    const testsupport::DeviceRoot& root = device.root;
    PreferencesCatalogue catalogue;

    PreferencesCatalogueTest() { root.makeFolder(kPreferences); }
    std::filesystem::path host(const std::string& name) const {
        return root.host(std::string(kPreferences) + name);
    }
    void preference(const std::string& name, std::time_t modified = utc(2026, 12, 6, 13, 30, 42),
                    std::string_view contents = "<plist/>") const {
        root.write(std::string(kPreferences) + name, contents);
        setModified(host(name), modified);
    }
    Names shownNames() const {
        Names names;
        for (std::size_t row = 0; row < catalogue.plistCount(); ++row) {
            names.push_back(catalogue.plistAt(row).plistName);
        }
        return names;
    }
};

// The admission rule is the snapshot's; the catalogue must ask it rather than list the folder,
// so the app's own files and what an interrupted copy left behind are never offered.
TEST_F(PreferencesCatalogueTest, OffersTheSnapshotsTweakFilesOnly) {
    for (std::string name : {"com.example.tweak.plist", "com.apple.Preferences.plist", "notes.txt",
                             "com.zerovin.KelvoraPrefs.plist", "com.zerovin.KelvoraList.plist",
                             ".a.plist.kelvora-Ab12Cd"}) {
        preference(name);
    }
    catalogue.loadPrefsData();
    EXPECT_EQ(shownNames(), Names{"com.example.tweak.plist"});
}

TEST_F(PreferencesCatalogueTest, RecordDatesComeFromTheModificationTimeAndFollowATouch) {
    preference("com.example.tweak.plist", utc(2026, 12, 6, 13, 30, 42), std::string(1500, 'x'));
    preference("empty.plist");
    std::filesystem::resize_file(host("empty.plist"), 0);
    setModified(host("empty.plist"), utc(2026, 1, 2, 0, 5, 7));
    catalogue.loadPrefsData();
    ASSERT_EQ(catalogue.plistCount(), 2u);
    EXPECT_EQ(catalogue.plistAt(0), (PlistFileRecord{"com.example.tweak.plist", "Dec 6, 2026 13:30",
                                                     "0612202601300042", "2 KB"}));
    // Midnight is hour 12 on the 12-hour clock.
    EXPECT_EQ(catalogue.plistAt(1),
              (PlistFileRecord{"empty.plist", "Jan 2, 2026 00:05", "0201202612050007", "Zero KB"}));

    setModified(host("com.example.tweak.plist"), utc(2027, 3, 1, 8, 0, 0));
    catalogue.loadPrefsData();
    EXPECT_EQ(catalogue.plistAt(0).plistCreatedDate, "Mar 1, 2027 08:00");
    EXPECT_EQ(catalogue.plistAt(0).creationDate, "0103202708000000");
}

// Names A to Z by default; a stored choice the picker does not know, or one that is not a text,
// keeps the listing's order. The picker's road reads a known choice.
TEST_F(PreferencesCatalogueTest, SortsNamesAToZUnlessTheStoredChoiceIsUnknown) {
    for (std::string name : {"B.plist", "a.plist", "1.plist"}) {
        preference(name);
    }
    catalogue.loadPrefsData();
    EXPECT_EQ(shownNames(), (Names{"1.plist", "B.plist", "a.plist"}));
    for (const auto& stored : {foundation::PlistValue("Size"), foundation::PlistValue(7)}) {
        SetupManager::sharedInstance().setObject(stored, "filePickerSortType",
                                                 std::string("com.zerovin.KelvoraPrefs"));
        catalogue.loadPrefsData();
        EXPECT_EQ(shownNames(), SetupManager::sharedInstance().getPreferencesOriginalFiles());
    }
}

TEST_F(PreferencesCatalogueTest, SearchFoldsCaseFullyButNeedsANameAtLeastAsLongAsTheText) {
    preference("straße.plist");
    preference("SS.plist");
    preference("ß.plist");
    preference("Kelvin.plist");
    catalogue.loadPrefsData();
    const std::vector<std::pair<std::string, Names>> cases{
        {"STRASSE", {"straße.plist"}},
        // The Kelvin sign folds to an ASCII "k", so it finds a plain ASCII name.
        {"\u212Aelvin", {"Kelvin.plist"}},
        // "ß.plist" folds to "ss.plist" but is one UTF-16 unit shorter than the text.
        {"ss.PLIST", {"SS.plist"}},
        {"ß.plist", {"SS.plist", "ß.plist"}},
        {".", {"Kelvin.plist", "SS.plist", "straße.plist", "ß.plist"}}};
    for (const auto& [text, found] : cases) {
        catalogue.updateSearchResultWithString(text);
        EXPECT_EQ(shownNames(), found) << text;
    }
}

TEST_F(PreferencesCatalogueTest, AFileThatVanishesAfterTheListingIsLeftOut) {
    preference("kept.plist");
    preference("gone.plist");
    auto names = SetupManager::sharedInstance().getPreferencesOriginalFiles();
    ASSERT_EQ(names.size(), 2u);
    std::filesystem::remove(host("gone.plist"));
    auto records = PlistFileListing(std::string(kPreferences)).recordsForNames(names);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].plistName, "kept.plist");
}

}  // namespace

}  // namespace kelvora

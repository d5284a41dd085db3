#include <gtest/gtest.h>

#include <filesystem>

#include "platform/foundation/BinaryPlistWriter.h"
#include "platform/foundation/PropertyList.h"
#include "store/SetupData.h"
#include "store/SetupFolder.h"
#include "store/SetupFolderName.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

using foundation::PlistArray;
using foundation::PlistDictionary;
using foundation::PlistValue;

namespace {

constexpr std::string_view kList = "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraList.plist";

PlistValue record(const std::string& name) {
    return PlistDictionary{{"setupFolderName", setupFolderNameForName(name)},
                           {"setupName", name},
                           {"setupIcon", "star.fill"},
                           {"setupColour", "04C7BE"},
                           {"createdDate", "Sunday 6 Dec, 2026 13:30"},
                           {"creationDate", "0612202601300042"}};
}

const char* kXmlHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST "
    "1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n";

class SetupListTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    SetupManager& store = SetupManager::sharedInstance();

    void SetUp() override { root.makeFolder("/var/jb/vmo/Library/Preferences"); }
    PlistDictionary listFile() const {
        auto list = foundation::dictionaryWithContentsOfFile(kList);
        EXPECT_TRUE(list.has_value()) << "the list file does not read as a dictionary";
        return list.value_or(PlistDictionary{});
    }
};

TEST_F(SetupListTest, FirstRunReadsEmptyAndTheFirstSaveWritesOnlyTheList) {
    EXPECT_TRUE(store.loadSetupArray().empty());
    EXPECT_FALSE(std::filesystem::exists(root.host(kList)));

    ASSERT_TRUE(store.saveSetupArray({record("My Setup 2")}));
    EXPECT_EQ(listFile(), (PlistDictionary{{"setupArray", PlistArray{record("My Setup 2")}}}));
    EXPECT_EQ(store.loadSetupArray(), PlistArray{record("My Setup 2")});
}

TEST_F(SetupListTest, SavingKeepsOtherRootKeysAndReplacesTheWholeList) {
    root.write(kList, std::string(kXmlHeader) +
                          "<dict><key>version</key><integer>3</integer><key>setupArray</key>"
                          "<array><string>old</string></array><key>note</key>"
                          "<dict><key>a</key><true/></dict></dict></plist>\n");
    PlistArray setups{record("Work"), record("Home")};
    ASSERT_TRUE(store.saveSetupArray(setups));

    PlistDictionary list = listFile();
    EXPECT_EQ(list["version"], PlistValue(3));
    EXPECT_EQ(list["note"], PlistValue(PlistDictionary{{"a", true}}));
    EXPECT_EQ(list["setupArray"], PlistValue(setups));
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(store.loadSetupArray(), setups);
}

// A list of another type reads as empty; what it held is kept aside before the save replaces
// it, as for an unreadable file.
TEST_F(SetupListTest, AListThatIsNotAnArrayReadsEmptyAndIsKeptAsideBeforeItIsReplaced) {
    const std::string wrong = std::string(kXmlHeader) +
                              "<dict><key>setupArray</key><dict><key>a</key><string>b</string>"
                              "</dict><key>keep</key><string>me</string></dict></plist>\n";
    root.write(kList, wrong);
    EXPECT_TRUE(store.loadSetupArray().empty());

    ASSERT_TRUE(store.saveSetupArray({record("A")}));
    EXPECT_EQ(listFile(),
              (PlistDictionary{{"setupArray", PlistArray{record("A")}}, {"keep", "me"}}));
    EXPECT_EQ(root.read(std::string(kList) + ".unreadable"), wrong);
}

// The app's own files are XML whatever form they were found in, like every file it writes
// anew; a binary list is read and then written back as XML.
TEST_F(SetupListTest, ABinaryListIsWrittenBackAsXml) {
    root.write(kList, foundation::binaryPropertyList(
                          PlistDictionary{{"setupArray", PlistArray{record("Old")}}}));
    ASSERT_TRUE(store.saveSetupArray({record("Old"), record("New")}));
    EXPECT_EQ(root.read(kList).rfind("<?xml", 0), 0u);
    EXPECT_EQ(store.loadSetupArray(), (PlistArray{record("Old"), record("New")}));
}

TEST_F(SetupListTest, RecordsOfAnyShapeComeBackAsStoredAndReadTolerantly) {
    PlistArray stored{record("Good"), PlistValue("not a record"),
                      PlistDictionary{{"setupName", 42}, {"setupIcon", "bolt"}}};
    ASSERT_TRUE(store.saveSetupArray(stored));
    PlistArray loaded = store.loadSetupArray();
    ASSERT_EQ(loaded, stored);

    EXPECT_EQ(SetupData::fromRecord(loaded[0]),
              (SetupData{"good", "Good", "04C7BE", "star.fill", "Sunday 6 Dec, 2026 13:30"}));
    EXPECT_EQ(SetupData::fromRecord(loaded[1]), SetupData{});
    EXPECT_EQ(SetupData::fromRecord(loaded[2]), (SetupData{"", "", "", "bolt", ""}));
}

TEST_F(SetupListTest, AnUnreadableListIsKeptAsideBeforeTheFirstSave) {
    const std::string garbage = "<?xml version=\"1.0\"?><plist><dict><key>setupArr";
    root.write(kList, garbage);
    EXPECT_TRUE(store.loadSetupArray().empty());

    ASSERT_TRUE(store.saveSetupArray({record("New")}));
    EXPECT_EQ(store.loadSetupArray(), PlistArray{record("New")});
    EXPECT_EQ(root.read(std::string(kList) + ".unreadable"), garbage);

    // A second broken file must not overwrite the first one kept aside.
    root.write(kList, "junk");
    ASSERT_TRUE(store.saveSetupArray({}));
    EXPECT_EQ(root.read(std::string(kList) + ".unreadable"), garbage);
    EXPECT_EQ(root.read(std::string(kList) + ".unreadable-2"), "junk");
}

TEST_F(SetupListTest, AFolderInPlaceOfTheListIsNeitherReadNorReplaced) {
    root.makeFolder(kList);
    root.write(std::string(kList) + "/inside", "x");
    EXPECT_TRUE(store.loadSetupArray().empty());
    EXPECT_FALSE(store.saveSetupArray({record("A")}));
    EXPECT_EQ(root.read(std::string(kList) + "/inside"), "x");
}

TEST_F(SetupListTest, FolderChecksCreateMissingFoldersAndLeaveAnythingPresentAlone) {
    store.checkIfSetupFolderExist();
    EXPECT_TRUE(std::filesystem::is_directory(root.host("/var/mobile/Kelvora/Setup")));

    root.write("/var/mobile/Kelvora/Original", "a plain file");
    store.checkIfKelvoraFolderExist();
    store.checkIfOriginalFolderExist();
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original"), "a plain file");
}

TEST_F(SetupListTest, ASaveIntoAMissingFolderReportsTheFailure) {
    std::filesystem::remove_all(root.host("/var/jb/vmo/Library/Preferences"));
    EXPECT_FALSE(store.saveSetupArray({record("Lost")}));
    EXPECT_TRUE(store.loadSetupArray().empty());
}

TEST(SetupFolderName, RemovesOnlySpacesAndLowerCasesEveryLetter) {
    EXPECT_EQ(setupFolderNameForName("My Setup 2"), "mysetup2");
    EXPECT_EQ(setupFolderNameForName("  ÉTÉ Ñandú  "), "étéñandú");
    EXPECT_EQ(setupFolderNameForName("Tab\tand\u00A0nbsp"), "tab\tand\u00A0nbsp");
    EXPECT_EQ(setupFolderNameForName("İSTANBUL"), "i\u0307stanbul");
    EXPECT_EQ(setupFolderNameForName(""), "");
}

// A hand-edited record decides nothing outside its own folder: every screen asks this check.
TEST(SetupFolder, OnlyAPlainNameInsideTheSetupFolderIsAFolder) {
    EXPECT_EQ(SetupFolder::path("evening"), "/var/mobile/Kelvora/Setup/evening/");
    EXPECT_EQ(SetupFolder::path("..hidden"), "/var/mobile/Kelvora/Setup/..hidden/");
    using Names = std::initializer_list<std::string_view>;
    for (std::string_view name :
         Names{"../Original", "..", ".", "", "/var/jb/vmo/Library/Preferences",
               "../../../jb/vmo/Library/Preferences", std::string_view("a\0b", 3)}) {
        EXPECT_FALSE(SetupFolder::path(name)) << name;
        EXPECT_TRUE(SetupFolder::unsafeNameReason(name)) << name;
    }
}

}  // namespace

}  // namespace kelvora

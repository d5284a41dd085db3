#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "settings/SettingsColours.h"
#include "tests/settings/SettingsFixture.h"

namespace kelvora {

using foundation::PlistDictionary;
using kit::Color;

namespace {

constexpr std::string_view kTweakFile = "/var/jb/vmo/Library/Preferences/com.example.tweak.plist";

class SettingsValuesTest : public SettingsFixture {
  protected:
    SettingsModel model = SettingsModel(accent);
    std::shared_ptr<int> observer = std::make_shared<int>(0);
    std::vector<const void*> posts;

    // Section 0 rows: switch "alpha" (default on), switch "beta", colour "tint". Section 1: the
    // same without "BID", then without "Key".
    void SetUp() override {
        root.makeFolder("/var/jb/vmo/Library/Preferences");
        writeResource(
            {header("Tweak"),
             entry("ZerovinPrefsSwitchCell", tweak({{"Key", "alpha"}, {"DefaultValue", true}})),
             entry("ZerovinPrefsSwitchCell", tweak({{"Key", "beta"}})),
             entry("ZerovinPrefsColourPickerCell",
                   tweak({{"Key", "tint"}, {"DefaultColour", "04C7BE"}})),
             header("Incomplete"),
             entry("ZerovinPrefsSwitchCell", {{"Key", "alpha"}, {"DefaultValue", true}}),
             entry("ZerovinPrefsColourPickerCell", {{"Key", "tint"}, {"DefaultColour", "red"}}),
             entry("ZerovinPrefsSwitchCell", tweak({{"DefaultValue", 1}})),
             entry("ZerovinPrefsColourPickerCell", tweak({{"DefaultColour", "FF0000"}}))});
        model.setupData(foundation::Bundle(bundleFolder()));
        foundation::NotificationCenter::defaultCenter().addObserver(
            observer, "ZerovinAppUpdateAccentColour",
            [this](const foundation::Notification& note) { posts.push_back(note.object); });
    }
    static PlistDictionary tweak(PlistDictionary entry) {
        entry["BID"] = "com.example.tweak";
        return entry;
    }
    void writeTweak(const PlistDictionary& values) const {
        ASSERT_TRUE(foundation::writeToFile(values, kTweakFile));
    }
    PlistDictionary readTweak() const {
        return foundation::dictionaryWithContentsOfFile(kTweakFile).value_or(PlistDictionary{});
    }
    std::string shownHex(std::int64_t section, std::int64_t row) const {
        return SettingsColours::hexStringFromColor(model.colourValue(*model.rowAt(section, row)));
    }
};

TEST_F(SettingsValuesTest, SwitchesShowDefaultsUntilWrittenAndWritesKeepTheFilesOtherKeys) {
    EXPECT_TRUE(model.switchValue(*model.rowAt(0, 0)));
    EXPECT_FALSE(model.switchValue(*model.rowAt(0, 1)));
    writeTweak({{"name", "kept"}, {"count", 7}});

    model.switchChangedState(0, 0, false);
    model.switchChangedState(0, 0, true);
    model.switchChangedState(0, 1, true);
    model.switchChangedState(0, 1, false);
    EXPECT_EQ(readTweak(),
              (PlistDictionary{{"name", "kept"}, {"count", 7}, {"alpha", true}, {"beta", false}}));
    writeTweak({{"alpha", false}});
    EXPECT_FALSE(model.switchValue(*model.rowAt(0, 0)));
}

TEST_F(SettingsValuesTest, ColourRowsShowTheStoredTextElseTheirDefault) {
    EXPECT_EQ(shownHex(0, 2), "04C7BE");
    writeTweak({{"tint", "ff0000"}});
    EXPECT_EQ(shownHex(0, 2), "FF0000");
    writeTweak({{"tint", "#ff0000"}});
    EXPECT_EQ(model.colourValue(*model.rowAt(0, 2)), Color::grayColor());
    writeTweak({{"tint", 16711680}});
    EXPECT_EQ(shownHex(0, 2), "04C7BE");
    EXPECT_EQ(model.colourValue(entry("ZerovinPrefsColourPickerCell", tweak({{"Key", "no"}}))),
              Color::grayColor());
}

TEST_F(SettingsValuesTest, EachColourReportStoresUpperCaseHexForTheTappedRowAndPostsOnce) {
    writeTweak({{"alpha", true}, {"tint", "04C7BE"}});
    model.recordTap(0, 2);
    model.recordTap(7, 0);  // outside the table: the colour row stays recorded
    model.colorPickerViewControllerDidSelectColor(Color::rgba(1, 0, 0), this);
    EXPECT_EQ(readTweak(), (PlistDictionary{{"alpha", true}, {"tint", "FF0000"}}));
    EXPECT_EQ(posts, std::vector<const void*>{this});
}

TEST_F(SettingsValuesTest, RowsWithoutDomainOrKeyReadDefaultsAndWriteNothing) {
    writeTweak({{"alpha", false}, {"tint", "00FF00"}, {"", false}});
    const std::string before = root.read(kTweakFile);

    EXPECT_TRUE(model.switchValue(*model.rowAt(1, 0)));
    EXPECT_EQ(model.colourValue(*model.rowAt(1, 1)), Color::systemRedColor());
    EXPECT_TRUE(model.switchValue(*model.rowAt(1, 2)));
    EXPECT_EQ(shownHex(1, 3), "FF0000");
    for (std::int64_t row = 0; row < 4; ++row) {
        model.switchChangedState(1, row, true);
        model.recordTap(1, row);
        model.colorPickerViewControllerDidSelectColor(Color::rgba(0, 0, 1), this);
    }
    EXPECT_EQ(root.read(kTweakFile), before);
    EXPECT_EQ(posts.size(), 4u);
}

}  // namespace

}  // namespace kelvora

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "store/SetupManager.h"
#include "tests/platform/kit/TestImages.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

using foundation::PlistArray;
using foundation::PlistData;
using foundation::PlistDictionary;
using foundation::PlistValue;

namespace {

const std::optional<std::string> kPrefs = "com.zerovin.KelvoraPrefs";
const std::optional<std::string> kTweak = "com.example.tweak";
constexpr std::string_view kPrefsFile =
    "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";
constexpr std::string_view kTweakFile = "/var/jb/vmo/Library/Preferences/com.example.tweak.plist";

class PreferenceDomainTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    SetupManager& store = SetupManager::sharedInstance();

    void SetUp() override { root.makeFolder("/var/jb/vmo/Library/Preferences"); }
    void writeDomain(std::string_view path, const PlistDictionary& values) const {
        root.makeFolder("/var/jb/vmo/Library/Preferences");
        ASSERT_TRUE(foundation::writeToFile(values, path));
    }
    PlistDictionary readDomain(std::string_view path) const {
        return foundation::dictionaryWithContentsOfFile(path).value_or(PlistDictionary{});
    }
    std::size_t preferenceFileCount() const {
        auto folder = root.host("/var/jb/vmo/Library/Preferences");
        if (!std::filesystem::exists(folder)) {
            return 0;
        }
        auto entries = std::filesystem::directory_iterator(folder);
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }
};

TEST_F(PreferenceDomainTest, BoolsArePresenceDecidedAndTheFirstSetCreatesTheFile) {
    EXPECT_TRUE(store.boolForKey("didShowTutorial", true, kPrefs));
    EXPECT_FALSE(store.boolForKey("didShowTutorial", kPrefs));

    store.setBool(false, "didShowTutorial", kPrefs);
    EXPECT_EQ(readDomain(kPrefsFile), (PlistDictionary{{"didShowTutorial", false}}));
    EXPECT_FALSE(store.boolForKey("didShowTutorial", true, kPrefs));

    store.setBool(true, "didShowTutorial", kPrefs);
    EXPECT_TRUE(store.boolForKey("didShowTutorial", false, kPrefs));
}

// A stored zero reads as the default; strings of digits read as numbers and bools; a value of
// another type (a container, data, a date) reads as the default, whatever is asked of it.
TEST_F(PreferenceDomainTest, NumbersAndBoolsReadWhatTheyCanAndTheDefaultOtherwise) {
    store.setInt(0, "count", kTweak);
    store.setInteger(0, "big", kTweak);
    store.setFloat(0, "wide", kTweak);
    EXPECT_EQ(store.intForKey("count", 5, kTweak), 5);
    EXPECT_EQ(store.integerForKey("big", 6, kTweak), 6);
    EXPECT_EQ(store.floatForKey("wide", 7, kTweak), 7);
    store.setInt(-3, "count", kTweak);
    store.setInteger(INT64_MIN, "big", kTweak);
    store.setFloat(INT64_MAX, "wide", kTweak);
    EXPECT_EQ(store.intForKey("count", 5, kTweak), -3);
    EXPECT_EQ(store.integerForKey("big", 6, kTweak), INT64_MIN);
    EXPECT_EQ(store.floatForKey("wide", 7, kTweak), INT64_MAX);

    writeDomain(kTweakFile, {{"digits", "42"},
                             {"zero", "0"},
                             {"yes", "YES"},
                             {"real", 2.9},
                             {"list", PlistArray{1, 2}},
                             {"blob", PlistData{1, 2, 3}},
                             {"when", foundation::PlistDate{5}}});
    EXPECT_EQ(store.intForKey("digits", 1, kTweak), 42);
    EXPECT_EQ(store.intForKey("zero", 8, kTweak), 8);
    EXPECT_TRUE(store.boolForKey("yes", false, kTweak));
    EXPECT_FALSE(store.boolForKey("zero", true, kTweak));
    EXPECT_EQ(store.intForKey("real", kTweak), 2);
    for (std::string key : {"list", "blob", "when", "missing"}) {
        EXPECT_TRUE(store.boolForKey(key, true, kTweak)) << key;
        EXPECT_EQ(store.intForKey(key, 4, kTweak), 4) << key;
        EXPECT_EQ(store.floatForKey(key, 3, kTweak), 3) << key;
    }
    EXPECT_EQ(store.objectForKey("list", kTweak), PlistValue(PlistArray{1, 2}));
}

TEST_F(PreferenceDomainTest, ObjectsReplaceOneKeyAndKeepEveryOther) {
    PlistDictionary original{{"enabled", true},
                             {"name", "caf\u00E9 \u2019 \U0001F600"},
                             {"nested", PlistDictionary{{"list", PlistArray{1, "two", 3.5}}}},
                             {"sortType", "File A-Z"}};
    writeDomain(kTweakFile, original);
    store.setObject(PlistValue("Date Newest"), "sortType", kTweak);

    PlistDictionary expected = original;
    expected["sortType"] = "Date Newest";
    EXPECT_EQ(readDomain(kTweakFile), expected);
    EXPECT_EQ(store.objectForKey("sortType", PlistValue("File A-Z"), kTweak),
              PlistValue("Date Newest"));
    EXPECT_EQ(store.objectForKey("absent", PlistValue("File A-Z"), kTweak), PlistValue("File A-Z"));
    EXPECT_FALSE(store.objectForKey("absent", kTweak).has_value());
}

TEST_F(PreferenceDomainTest, RemovingAKeyRewritesTheFileEvenWhenTheKeyIsAbsent) {
    writeDomain(kTweakFile, {{"a", 1}, {"b", 2}});
    store.removeObjectForKey("a", kTweak);
    EXPECT_EQ(readDomain(kTweakFile), (PlistDictionary{{"b", 2}}));

    store.removeObjectForKey("nothing", kPrefs);
    EXPECT_TRUE(std::filesystem::exists(root.host(kPrefsFile)));
    EXPECT_TRUE(readDomain(kPrefsFile).empty());
}

TEST_F(PreferenceDomainTest, ANilOrPathLikeDomainCreatesNoFileAndReadsDefaults) {
    for (const std::optional<std::string>& ID :
         {std::optional<std::string>(), std::optional<std::string>("../../../../var/mobile/x"),
          std::optional<std::string>("sub/domain"),
          std::optional<std::string>(std::string("a\0b", 3))}) {
        store.setBool(true, "flag", ID);
        store.setObject(PlistValue("v"), "key", ID);
        store.setInt(3, "n", ID);
        store.removeObjectForKey("key", ID);
        EXPECT_EQ(store.objectForKey("key", PlistValue("default"), ID), PlistValue("default"));
        EXPECT_TRUE(store.boolForKey("flag", true, ID));
        EXPECT_EQ(store.intForKey("n", 5, ID), 5);
    }
    EXPECT_EQ(preferenceFileCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(root.host("/var/mobile/x.plist")));
}

TEST_F(PreferenceDomainTest, ColoursComeFromTheStoredStringOrTheDefault) {
    EXPECT_EQ(store.colourForKey("accentColour", "04C7BE", kPrefs),
              kit::Color::rgba(4.0f / 255.0f, 199.0f / 255.0f, 190.0f / 255.0f));
    store.setObject(PlistValue(store.hexStringFromColor(kit::Color::rgba(1, 0.5, 0))),
                    "accentColour", kPrefs);
    EXPECT_EQ(store.objectForKey("accentColour", kPrefs), PlistValue("FF8000"));
    EXPECT_EQ(store.hexStringFromColor(store.colourForKey("accentColour", "04C7BE", kPrefs)),
              "FF8000");
    store.setObject(PlistValue("#FF8000"), "accentColour", kPrefs);
    EXPECT_EQ(store.colourForKey("accentColour", "04C7BE", kPrefs), kit::Color::grayColor());
    store.setObject(PlistValue(12), "accentColour", kPrefs);
    EXPECT_EQ(store.colourForKey("accentColour", "04C7BE", kPrefs),
              store.colorWithHexString("04C7BE"))
        << "a value that is no string reads as the default";
}

PlistData bytesOf(const std::string& text) {
    return PlistData(text.begin(), text.end());
}

TEST_F(PreferenceDomainTest, ImagesAndFontsComeFromTheStoredValueOrTheDefault) {
    EXPECT_EQ(store.imageForKey("bg", "photo", kTweak), kit::Image::systemImageNamed("photo"));
    const std::string png = kittest::pngBytes(3, 2);
    store.setImage(bytesOf(png), "bg", kTweak);
    auto image = store.imageForKey("bg", "photo", kTweak);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->kind(), kit::Image::Kind::data);
    EXPECT_EQ(image->size(), (kit::Size{3, 2}));
    store.setImage({0xFF, 0xD8, 0xFF}, "bg", kTweak);
    EXPECT_FALSE(store.imageForKey("bg", "photo", kTweak)) << "bytes that are no image";

    EXPECT_TRUE(store.fontForKey("font", 17, kTweak).isSystemFont());
    EXPECT_EQ(store.fontForKey("font", 17, kTweak).pointSize, 17.0);
    writeDomain(kTweakFile, {{"font", PlistData{9, 8}}, {"name", "Inter"}});
    EXPECT_EQ(store.fontForKey("font", 12, kTweak), (StoreFont{PlistData{9, 8}, 12.0}));
    EXPECT_TRUE(store.fontForKey("name", 12, kTweak).isSystemFont());
}

TEST_F(PreferenceDomainTest, ThumbnailsLiveInTheirOwnFolderNamedByDomainAndKey) {
    EXPECT_EQ(store.thumbnailImageForKey("bg", "photo", kPrefs),
              kit::Image::systemImageNamed("photo"));
    root.makeFolder("/var/LIY/Zerovin/Thumbnails");
    const std::string png = kittest::pngBytes(4, 5);
    store.setThumbnailImage(bytesOf(png), "bg", kPrefs);
    EXPECT_EQ(root.read("/var/LIY/Zerovin/Thumbnails/com.zerovin.KelvoraPrefs_bg.png"), png);
    auto thumbnail = store.thumbnailImageForKey("bg", "photo", kPrefs);
    ASSERT_TRUE(thumbnail.has_value());
    EXPECT_EQ(thumbnail->size(), (kit::Size{4, 5}));
    EXPECT_FALSE(std::filesystem::exists(root.host(kPrefsFile)));

    store.setThumbnailImage({1}, "bg", std::nullopt);
    EXPECT_EQ(root.read("/var/LIY/Zerovin/Thumbnails/(null)_bg.png"), "\x01");
    store.setThumbnailImage({1}, "../../escape", kPrefs);
    EXPECT_FALSE(std::filesystem::exists(root.host("/var/LIY/escape.png")));
}

TEST_F(PreferenceDomainTest, AThumbnailIsNotWrittenWithoutItsFolderAndAFailedWriteKeepsTheOld) {
    store.setThumbnailImage({1, 2}, "bg", kPrefs);
    EXPECT_FALSE(std::filesystem::exists(root.host("/var/LIY/Zerovin/Thumbnails")));

    root.write("/var/LIY/Zerovin/Thumbnails/com.zerovin.KelvoraPrefs_bg.png", "old");
    foundation::FileManager::defaultManager().setFaultHook(
        [](foundation::FaultKind operation, std::string_view) -> std::optional<int> {
            if (operation == foundation::FaultKind::write) {
                return ENOSPC;
            }
            return std::nullopt;
        });
    store.setThumbnailImage({1, 2}, "bg", kPrefs);
    EXPECT_EQ(root.read("/var/LIY/Zerovin/Thumbnails/com.zerovin.KelvoraPrefs_bg.png"), "old");
}

}  // namespace

}  // namespace kelvora

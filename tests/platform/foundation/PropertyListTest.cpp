#include "platform/foundation/PropertyList.h"

#include <gtest/gtest.h>

#include "platform/foundation/FileManager.h"
#include "tests/support/DeviceRoot.h"

using namespace foundation;

namespace {

PlistDictionary sample() {
    return PlistDictionary{
        {"text", "Caf\u00e9 \u2019quoted\u2019 \U0001F600 <&>"},
        {"negative", std::int64_t{-7}},
        {"largest", std::int64_t{9223372036854775807}},
        {"real", 3.14159},
        {"flag", true},
        {"off", false},
        {"when", PlistDate{3124137600.0}},
        {"before", PlistDate{-3187296000.0}},
        {"bytes", PlistData{0, 1, 2, 254, 255}},
        {"list", PlistArray{1, "two", PlistArray{}, PlistDictionary{}}},
        {"nested", PlistDictionary{{"inner", PlistDictionary{{"deep", 2.5}}}}},
        {"control", "bell\a cr\r tab\t lf\n"},
        {"empty", ""},
    };
}

TEST(PropertyListTest, WrittenXmlReadsBackEqual) {
    auto text = xmlPropertyList(PlistValue(sample()));
    auto back = parsePropertyList(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(*back, PlistValue(sample())) << text;
}

TEST(PropertyListTest, WriteToFileReplacesAndReadsBack) {
    testsupport::DeviceRoot root;
    root.makeFolder("/var/prefs");
    ASSERT_TRUE(writeToFile(sample(), "/var/prefs/a.plist"));
    auto back = dictionaryWithContentsOfFile("/var/prefs/a.plist");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, sample());
    ASSERT_TRUE(writeToFile({{"only", 1}}, "/var/prefs/a.plist"));
    EXPECT_EQ(dictionaryWithContentsOfFile("/var/prefs/a.plist"), (PlistDictionary{{"only", 1}}));
    EXPECT_EQ(FileManager::defaultManager().contentsOfDirectory("/var/prefs")->size(), 1u);
}

}  // namespace

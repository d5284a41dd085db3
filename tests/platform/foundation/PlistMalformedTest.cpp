#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "platform/foundation/PropertyList.h"
#include "tests/support/DeviceRoot.h"

// Whatever is at a path, reading it as a property list gives a dictionary or nothing, and
// never crashes: these inputs all read as nothing.
using namespace foundation;

namespace {

const std::string xmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";

std::string nestedXml(int depth) {
    std::string text = xmlHead + "<dict><key>k</key>";
    for (int i = 1; i < depth; ++i) {
        text += "<array>";
    }
    for (int i = 1; i < depth; ++i) {
        text += "</array>";
    }
    return text + "</dict></plist>";
}

// A binary list whose objects each are an array holding the next `fan` times, `depth` arrays
// in all.
std::string nestedBinary(std::size_t depth, bool cycle = false, int fan = 1) {
    std::string bytes = "bplist00";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < depth; ++i) {
        offsets.push_back(bytes.size());
        bool last = i + 1 == depth;
        std::size_t next = last && cycle ? 0 : i + 1;
        int refs = last && !cycle ? 0 : fan;
        bytes += static_cast<char>(0xA0 + refs);
        for (int ref = 0; ref < refs; ++ref) {
            bytes += static_cast<char>(next >> 16);
            bytes += static_cast<char>(next >> 8);
            bytes += static_cast<char>(next);
        }
    }
    std::size_t table = bytes.size();
    for (auto offset : offsets) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += static_cast<char>(offset >> shift);
        }
    }
    std::string trailer(32, '\0');
    trailer[6] = 4;
    trailer[7] = 3;
    for (int i = 0; i < 8; ++i) {
        trailer[8 + i] = static_cast<char>(static_cast<std::uint64_t>(depth) >> (56 - 8 * i));
        trailer[24 + i] = static_cast<char>(static_cast<std::uint64_t>(table) >> (56 - 8 * i));
    }
    return bytes + trailer;
}

// {key: 1} in the binary form, for a key of three ASCII characters.
std::string oneKeyBinary(const std::string& key) {
    std::string objects = std::string("bplist00\xD1\x01\x02\x53", 12) + key + "\x10\x01";
    std::string offsets{8, 11, 15};
    std::string trailer(32, '\0');
    trailer[6] = 1;
    trailer[7] = 1;
    trailer[15] = 3;
    trailer[31] = static_cast<char>(objects.size());
    return objects + offsets + trailer;
}

std::string validXml() {
    return xmlPropertyList(PlistValue(PlistDictionary{
        {"name", "value"}, {"list", PlistArray{1, 2.5, true}}, {"when", PlistDate{1.0}}}));
}

TEST(PlistMalformedTest, DamagedTextReadsAsNothing) {
    std::string valid = validXml();
    ASSERT_TRUE(parsePropertyList(valid).has_value());
    EXPECT_FALSE(parsePropertyList(valid.substr(0, valid.size() / 2)));
    EXPECT_FALSE(parsePropertyList(valid.substr(0, valid.find("</dict>"))));
    EXPECT_FALSE(parsePropertyList("\xEF\xBB\xBF" + valid));
    EXPECT_FALSE(parsePropertyList(""));
    std::string withNul = valid;
    withNul.insert(withNul.find("value"), 1, '\0');
    EXPECT_FALSE(parsePropertyList(withNul));
}

TEST(PlistMalformedTest, RandomBytesReadAsNothing) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 512, '\0');
        for (auto& byte : bytes) {
            byte = static_cast<char>(random());
        }
        // Half of them look like binary lists, to get past the format check.
        if (round % 2 == 0 && bytes.size() >= 8) {
            bytes.replace(0, 8, "bplist00");
        }
        EXPECT_FALSE(parsePropertyList(bytes)) << "round " << round;
    }
}

TEST(PlistMalformedTest, BinaryWithBrokenStructureReadsAsNothing) {
    std::string valid = nestedBinary(3);
    ASSERT_TRUE(parsePropertyList(valid).has_value());
    std::string corruptOffsets = valid;
    std::size_t table = valid.size() - 32 - 3 * 4;
    std::memset(corruptOffsets.data() + table, 0xFF, 12);
    EXPECT_FALSE(parsePropertyList(corruptOffsets));
    EXPECT_FALSE(parsePropertyList(nestedBinary(3, true))) << "a reference cycle";
    EXPECT_FALSE(parsePropertyList(valid.substr(0, valid.size() - 5)));

    // This libplist build aborts on a NUL inside a key.
    ASSERT_EQ(parsePropertyList(oneKeyBinary(std::string("a-b", 3))),
              PlistValue(PlistDictionary{{"a-b", 1}}));
    EXPECT_FALSE(parsePropertyList(oneKeyBinary(std::string("a\0b", 3))));
}

TEST(PlistMalformedTest, NestingIsLimitedInBothFormsWithoutExhaustingTheStack) {
    EXPECT_TRUE(parsePropertyList(nestedXml(maximumPropertyListNesting)).has_value());
    EXPECT_FALSE(parsePropertyList(nestedXml(maximumPropertyListNesting + 1)));
    EXPECT_FALSE(parsePropertyList(nestedXml(200000)));
    std::string disguised = "<plist>";
    for (int i = 0; i < 200000; ++i) {
        disguised += R"(<array a="/>">)";
    }
    EXPECT_FALSE(parsePropertyList(disguised + "</plist>"));
    EXPECT_TRUE(parsePropertyList(nestedBinary(maximumPropertyListNesting)).has_value());
    EXPECT_FALSE(parsePropertyList(nestedBinary(maximumPropertyListNesting + 1)));
    // libplist's binary reader alone overflows the stack on this.
    EXPECT_FALSE(parsePropertyList(nestedBinary(100000)));
}

// libplist copies a shared object at every reference, so each doubling costs a few bytes of
// file and doubles what it builds.
TEST(PlistMalformedTest, SharedContainersExpandOnlyAsFarAsTheFileIsLong) {
    auto small = parsePropertyList(nestedBinary(3, false, 2));
    PlistValue leaf = PlistArray{};
    PlistValue middle = PlistArray{leaf, leaf};
    EXPECT_EQ(small, PlistValue(PlistArray{middle, middle}));
    EXPECT_FALSE(parsePropertyList(nestedBinary(20, false, 2)));
}

TEST(PlistMalformedTest, FilesThatAreNotDictionariesReadAsNothing) {
    testsupport::DeviceRoot root;
    root.write("/p/array.plist", xmlPropertyList(PlistValue(PlistArray{1, 2})));
    root.write("/p/text.plist", "just some text");
    root.makeFolder("/p/folder.plist");
    for (const char* path :
         {"/p/array.plist", "/p/text.plist", "/p/folder.plist", "/p/missing.plist", "/p"}) {
        EXPECT_FALSE(dictionaryWithContentsOfFile(path)) << path;
    }
    EXPECT_TRUE(parsePropertyList(root.read("/p/array.plist"))->is<PlistArray>());
}

TEST(PlistMalformedTest, OversizedFileReadsAsNothingWithoutBeingRead) {
    testsupport::DeviceRoot root;
    root.write("/p/huge.plist", validXml());
    ASSERT_TRUE(dictionaryWithContentsOfFile("/p/huge.plist").has_value());
    // Sparse: the size is checked before a byte is read.
    ASSERT_EQ(::truncate(root.host("/p/huge.plist").c_str(),
                         static_cast<off_t>(maximumPropertyListBytes + 1)),
              0);
    EXPECT_FALSE(dictionaryWithContentsOfFile("/p/huge.plist"));
}

}  // namespace

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

std::string nestedXml(int depth) {
    std::string text = "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>k</key>";
    for (int i = 1; i < depth; ++i) {
        text += "<array>";
    }
    for (int i = 1; i < depth; ++i) {
        text += "</array>";
    }
    return text + "</dict></plist>";
}

void appendBigEndian(std::string& bytes, std::uint64_t value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
        bytes += static_cast<char>(value >> shift);
    }
}

// A binary list of the objects in `bytes` at `offsets`, the first being the top.
std::string binaryList(std::string bytes, const std::vector<std::size_t>& offsets, int offsetWidth,
                       int referenceWidth) {
    std::size_t table = bytes.size();
    for (auto offset : offsets) {
        appendBigEndian(bytes, offset, offsetWidth);
    }
    bytes +=
        std::string(6, '\0') + static_cast<char>(offsetWidth) + static_cast<char>(referenceWidth);
    appendBigEndian(bytes, offsets.size(), 8);
    appendBigEndian(bytes, 0, 8);
    appendBigEndian(bytes, table, 8);
    return bytes;
}

// A binary list whose objects each are an array holding the next `fan` times, `depth` arrays
// in all.
std::string nestedBinary(std::size_t depth, bool cycle = false, int fan = 1) {
    std::string bytes = "bplist00";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < depth; ++i) {
        offsets.push_back(bytes.size());
        bool last = i + 1 == depth;
        int refs = last && !cycle ? 0 : fan;
        bytes += static_cast<char>(0xA0 + refs);
        for (int ref = 0; ref < refs; ++ref) {
            appendBigEndian(bytes, last && cycle ? 0 : i + 1, 3);
        }
    }
    return binaryList(bytes, offsets, 4, 3);
}

// {key: 1} in the binary form, for a key of three ASCII characters.
std::string oneKeyBinary(const std::string& key) {
    return binaryList(std::string("bplist00\xD1\x01\x02\x53", 12) + key + "\x10\x01", {8, 11, 15},
                      1, 1);
}

std::string validXml() {
    return xmlPropertyList(PlistValue(PlistDictionary{
        {"name", "value"}, {"list", PlistArray{1, 2.5, true}}, {"when", PlistDate{1.0}}}));
}

TEST(PlistMalformedTest, DamagedTextAndRandomBytesReadAsNothing) {
    std::string valid = validXml();
    ASSERT_TRUE(parsePropertyList(valid).has_value());
    EXPECT_FALSE(parsePropertyList(valid.substr(0, valid.size() / 2)));
    EXPECT_FALSE(parsePropertyList(valid.substr(0, valid.find("</dict>"))));
    EXPECT_FALSE(parsePropertyList("\xEF\xBB\xBF" + valid));
    EXPECT_FALSE(parsePropertyList(""));
    EXPECT_FALSE(parsePropertyList(std::string(valid).insert(valid.find("value"), 1, '\0')));

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

TEST(PlistMalformedTest, NestingAndSharingAreLimitedInBothFormsWithoutExhaustingTheStack) {
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

    // libplist copies a shared object at every reference, so each doubling costs a few bytes
    // of file and doubles what it builds.
    auto small = parsePropertyList(nestedBinary(3, false, 2));
    PlistValue leaf = PlistArray{};
    PlistValue middle = PlistArray{leaf, leaf};
    EXPECT_EQ(small, PlistValue(PlistArray{middle, middle}));
    EXPECT_FALSE(parsePropertyList(nestedBinary(20, false, 2)));
}

// An oversized file is refused by its size before a byte of it is read.
TEST(PlistMalformedTest, FilesThatAreNotDictionariesOrTooLargeReadAsNothing) {
    testsupport::DeviceRoot root;
    root.write("/p/array.plist", xmlPropertyList(PlistValue(PlistArray{1, 2})));
    root.write("/p/text.plist", "just some text");
    root.makeFolder("/p/folder.plist");
    for (const char* path :
         {"/p/array.plist", "/p/text.plist", "/p/folder.plist", "/p/missing.plist", "/p"}) {
        EXPECT_FALSE(dictionaryWithContentsOfFile(path)) << path;
    }
    EXPECT_TRUE(parsePropertyList(root.read("/p/array.plist"))->is<PlistArray>());

    root.write("/p/huge.plist", validXml());
    ASSERT_TRUE(dictionaryWithContentsOfFile("/p/huge.plist").has_value());
    // Sparse, so reading it would be slow and large.
    ASSERT_EQ(::truncate(root.host("/p/huge.plist").c_str(),
                         static_cast<off_t>(maximumPropertyListBytes + 1)),
              0);
    EXPECT_FALSE(dictionaryWithContentsOfFile("/p/huge.plist"));
}

}  // namespace

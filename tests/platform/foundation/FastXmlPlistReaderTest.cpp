#include "platform/foundation/FastXmlPlistReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/foundation/PropertyList.h"

using namespace foundation;

namespace {

const std::string kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST "
    "1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n";

std::string document(const std::string& body) {
    return kHeader + body + "\n</plist>\n";
}

// Documents in the forms that the quick reader takes, as writers lay them out.
std::vector<std::string> plainDocuments() {
    PlistDictionary written{
        {"flag", true},
        {"off", false},
        {"count", -42},
        {"largest", std::int64_t{999999999999999999}},
        {"ratio", 3.14159},
        {"small", 1e-300},
        {"whole", 2.0},
        {"text", "caf\u00E9 \u2019 \U0001F600 <&> \"quoted\" 'single'"},
        {"spaced", "  leading and trailing  \n second line\t"},
        {"empty", ""},
        {"bytes", PlistData{0, 1, 2, 250, 251, 252, 253, 254, 255}},
        {"nested",
         PlistDictionary{{"list", PlistArray{1, "two", PlistArray{}, PlistDictionary{}}}}},
    };
    return {
        xmlPropertyList(written),
        document("<dict>\n\t<key>a</key>\n\t<string>x</string>\n\t<key>b</key>\n\t<integer>0"
                 "</integer>\n\t<key>c</key>\n\t<real>-0.5</real>\n\t<key>d</key>\n\t<data>\n\t"
                 "AAEC\n\t/w==\n\t</data>\n\t<key>e</key>\n\t<string/>\n\t<key>f</key>\n\t"
                 "<array/>\n\t<key>g</key>\n\t<dict/>\n</dict>"),
        document("<dict><key>&amp;key&lt;</key><string>&gt;&quot;&apos;</string>"
                 "<key>r</key><real>1e10</real><key>i</key><integer>-0</integer></dict>"),
        "<plist><dict><key>bare</key><true/></dict></plist>",
        document("<array><integer>1</integer><dict><key>k</key><false/></dict></array>"),
    };
}

// Returns whether the quick reader took the document.
bool expectAgreesWithTheFullReader(const std::string& bytes) {
    auto quick = readPlainXmlPropertyList(bytes);
    if (!quick) {
        return false;
    }
    auto full = parsePropertyListWithLibplist(bytes);
    EXPECT_TRUE(full.has_value()) << "only the quick reader accepted:\n" << bytes;
    EXPECT_EQ(quick, full) << bytes;
    return true;
}

TEST(FastXmlPlistReader, ReadsCommonDocumentsAsTheFullReaderDoes) {
    for (const std::string& bytes : plainDocuments()) {
        EXPECT_TRUE(expectAgreesWithTheFullReader(bytes)) << "the quick reader refused:\n" << bytes;
    }
}

TEST(FastXmlPlistReader, LeavesUncommonFormsToTheFullReader) {
    for (std::string body : {
             "<dict><key>d</key><date>2026-12-06T13:30:00Z</date></dict>",
             "<dict><!-- note --><key>a</key><true/></dict>",
             "<dict><key>a</key><string>bell&#7;</string></dict>",
             "<dict><key>a</key><string>line\r\nend</string></dict>",
             "<dict><key>a</key><true/><key>a</key><false/></dict>",
             "<dict><key>a</key><integer>0x10</integer></dict>",
             "<dict><key>a</key><integer>010</integer></dict>",
             "<dict><key>a</key><integer>18446744073709551615</integer></dict>",
             "<dict><key>a</key><integer> 5</integer></dict>",
             "<dict><key>a</key><real>nan</real></dict>",
             "<dict><key>a</key><data>AA=A</data></dict>",
             "<dict><key>a</key><string>\xC3\x28</string></dict>",
             "<dict><key>a</key></dict>",
             "<dict><key>a</key><true/></dict><junk/>",
         }) {
        EXPECT_FALSE(readPlainXmlPropertyList(document(body)).has_value()) << body;
    }
}

// Positions inside element text, where damage changes a value rather than the structure.
std::vector<std::size_t> textPositions(const std::string& bytes) {
    std::vector<std::size_t> positions;
    bool inText = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '<') {
            inText = false;
        } else if (inText) {
            positions.push_back(i);
        } else if (bytes[i] == '>') {
            inText = true;
        }
    }
    return positions;
}

std::string damaged(const std::string& original, std::mt19937& random) {
    const std::string anything = "<>/&;=\"' \t\n\r0-.e9xA#!?";
    const std::string inValues = "0123456789-+.eExX &;#=/AZaz\t\n";
    std::string bytes = original;
    int edits = 1 + static_cast<int>(random() % 3);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        auto inside = textPositions(bytes);
        bool valueOnly = random() % 4 != 0 && !inside.empty();
        std::size_t at = valueOnly ? inside[random() % inside.size()] : random() % bytes.size();
        const std::string& alphabet = valueOnly ? inValues : anything;
        switch (random() % 4) {
            case 0:
                bytes.erase(at, 1 + random() % (valueOnly ? 2 : 4));
                break;
            case 1:
                bytes.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            case 2:
                bytes[at] = valueOnly ? alphabet[random() % alphabet.size()]
                                      : static_cast<char>(random() % 256);
                break;
            default:
                bytes.insert(at, bytes.substr(random() % bytes.size(), 1 + random() % 12));
        }
    }
    return bytes;
}

// Damaged copies of the common documents: whatever the quick reader still accepts must be
// exactly what the full reader makes of it.
TEST(FastXmlPlistReader, AgreesWithTheFullReaderOnDamagedDocuments) {
    std::mt19937 random(7);
    int accepted = 0;
    int tried = 0;
    for (const std::string& original : plainDocuments()) {
        for (int round = 0; round < 4000; ++round) {
            accepted += expectAgreesWithTheFullReader(damaged(original, random)) ? 1 : 0;
            ++tried;
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
    // If the quick reader took almost none of the damaged documents, this test would be
    // checking nothing.
    EXPECT_GT(accepted, tried / 10) << accepted << " of " << tried;
}

}  // namespace

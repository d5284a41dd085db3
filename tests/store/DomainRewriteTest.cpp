#include <gtest/gtest.h>

#include <filesystem>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/Python.h"

namespace kelvora {

using foundation::PlistDictionary;

namespace {

const std::optional<std::string> kTweak = "com.example.tweak";
constexpr std::string_view kTweakFile = "/var/jb/vmo/Library/Preferences/com.example.tweak.plist";

// Python's own idea of another tweak's preferences, with everything a careless rewrite
// loses: dates out of the 32-bit range and with fractions, extreme integers, raw bytes,
// text beyond ASCII, control characters and nesting.
const char* kTweakValues = R"(
values = {
    'future': datetime.datetime(2100, 1, 1, 12, 0, 0),
    'past': datetime.datetime(1900, 6, 15, 8, 30, 0),
    'fraction': datetime.datetime(2026, 12, 6, 13, 30, 0, 250000),
    'negative': -7, 'largest': 2**63 - 1, 'smallest': -2**63, 'byte': 255, 'short': 65535,
    'real': 3.14159, 'tiny': 5e-324, 'negativeReal': -0.1,
    'data': bytes(range(256)), 'empty': b'',
    'text': 'caf\u00e9 \u2019 \U0001F600', 'control': 'bell\x07tab\tend',
    'long': 'x' * 300,
    'nested': {'list': [1, 'two', [3.5, {'deep': True}], b'\x00'], 'none': {}, 'nothing': []},
    'flag': False,
}
if FORM == plistlib.FMT_XML:
    # XML has neither control characters nor fractions of a second.
    del values['control']
    values['fraction'] = values['fraction'].replace(microsecond=0)
)";

class DomainRewriteTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    SetupManager& store = SetupManager::sharedInstance();

    // Writes the values with Python in `form`, lets the store set one bool, and has Python
    // say whether everything else came back unchanged.
    void expectRewriteKeepsEverything(const std::string& form) {
        root.makeFolder("/var/jb/vmo/Library/Preferences");
        std::string file = root.host(kTweakFile).string();
        std::string prelude =
            "import datetime, plistlib, sys\nFORM = " + form + "\n" + kTweakValues;
        auto written =
            testsupport::runPython(prelude + "with open('" + file +
                                   "', 'wb') as f: plistlib.dump(values, f, fmt=" + form + ")\n");
        if (!written) {
            GTEST_SKIP() << "python3 is not available";
        }
        ASSERT_EQ(written->status, 0) << written->output;

        store.setBool(true, "addedByKelvora", kTweak);

        auto check = testsupport::runPython(prelude + R"(
values['addedByKelvora'] = True
with open(')" + file + R"(', 'rb') as f: read = plistlib.load(f)
for key in sorted(set(values) | set(read)):
    if values.get(key) != read.get(key):
        print(key, repr(values.get(key)), '->', repr(read.get(key)))
        sys.exit(1)
)");
        ASSERT_TRUE(check.has_value());
        EXPECT_EQ(check->status, 0) << check->output;
    }
};

TEST_F(DomainRewriteTest, AFileOfAnotherTweakInEitherFormKeepsEveryValueThroughASet) {
    expectRewriteKeepsEverything("plistlib.FMT_BINARY");
    if (IsSkipped()) {
        return;
    }
    EXPECT_TRUE(root.read(kTweakFile).starts_with("bplist00"));
    expectRewriteKeepsEverything("plistlib.FMT_XML");
    EXPECT_TRUE(root.read(kTweakFile).starts_with("<?xml"));
}

TEST_F(DomainRewriteTest, AMalformedDomainIsKeptAsideAndReplacedByAWellFormedOne) {
    for (std::string broken :
         {std::string("<?xml version=\"1.0\"?><plist><dict><key>a</ke"),
          std::string("bplist00\x01\x02garbage", 17),
          std::string("<plist version=\"1.0\"><array><true/></array></plist>")}) {
        root.write(kTweakFile, broken);
        std::filesystem::remove(root.host(std::string(kTweakFile) + ".unreadable"));

        EXPECT_TRUE(store.boolForKey("enabled", true, kTweak));
        store.setBool(false, "enabled", kTweak);

        EXPECT_EQ(foundation::dictionaryWithContentsOfFile(kTweakFile),
                  (PlistDictionary{{"enabled", false}}));
        EXPECT_EQ(root.read(std::string(kTweakFile) + ".unreadable"), broken);
    }
}

TEST_F(DomainRewriteTest, AMalformedDomainThatCannotBeKeptAsideIsNotOverwritten) {
    const std::string broken = "<plist><dict><key>secret</key><tru";
    root.write(kTweakFile, broken);
    foundation::FileManager::defaultManager().setFaultHook(
        [](foundation::FaultKind operation, std::string_view) -> std::optional<int> {
            return operation == foundation::FaultKind::copy ? std::optional<int>(ENOSPC)
                                                            : std::nullopt;
        });
    store.setBool(true, "enabled", kTweak);
    EXPECT_EQ(root.read(kTweakFile), broken);
    EXPECT_FALSE(std::filesystem::exists(root.host(std::string(kTweakFile) + ".unreadable")));
}

}  // namespace

}  // namespace kelvora

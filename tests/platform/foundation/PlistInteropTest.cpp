#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/foundation/PropertyList.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/Python.h"

// Property lists exchanged with an independent implementation, Python's plistlib: files it
// wrote (tests/fixtures/plist, made by make_fixtures.py) and files it reads back from us.
using namespace foundation;

namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(testsupport::sourceDir() / "tests/fixtures/plist" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What make_fixtures.py wrote, apart from "fractional", whose fraction only the binary
// form holds.
PlistDictionary expectedFixture() {
    PlistData data{0x00, 0x01, 0x02, 0xfe, 0xff, 'k', 'e', 'l', 'v', 'o', 'r', 'a'};
    return {
        {"future", PlistDate{3124137600.0}},
        {"past", PlistDate{-3187296000.0}},
        {"data", data},
        {"nested",
         PlistDictionary{
             {"list", PlistArray{1, PlistArray{2, PlistArray{3, PlistDictionary{{"deep", true}}}}}},
             {"emptyDict", PlistDictionary{}},
             {"emptyList", PlistArray{}}}},
        {"largest", std::int64_t{9223372036854775807}},
        {"smallest", std::numeric_limits<std::int64_t>::min()},
        {"minusSeven", -7},
        {"tenth", 0.1},
        {"tiniest", 5e-324},
        {"hugest", 1.7976931348623157e308},
        {"negativeReal", -2.5},
        {"text", "Kelvora\u2019s caf\u00e9 \U0001F600 \u00fcn\u00efc\u00f6d\u00e9"},
        {"emptyText", ""},
        {"yes", true},
        {"no", false},
        {"escaped", "<tag> & \"quotes\" 'single'"},
    };
}

void expectFixture(const std::string& name, double fractional) {
    auto value = parsePropertyList(fixture(name));
    ASSERT_TRUE(value.has_value()) << name;
    auto* dictionary = value->get<PlistDictionary>();
    ASSERT_NE(dictionary, nullptr);
    auto expected = expectedFixture();
    expected.emplace("fractional", PlistDate{fractional});
    EXPECT_EQ(*dictionary, expected) << name;
}

TEST(PlistInteropTest, ReadsWhatPythonWroteInBothFormsAndArchiveReferences) {
    // 2020-05-17T10:30:15.25Z; the XML form holds whole seconds only.
    expectFixture("interop.bplist", 611404215.25);
    expectFixture("interop.xml", 611404215.0);

    // Archive references read as their XML form.
    auto value = parsePropertyList(fixture("uid.bplist"));
    ASSERT_TRUE(value.has_value());
    PlistValue expected(PlistDictionary{{"archive", PlistDictionary{{"CF$UID", 5}}}});
    EXPECT_EQ(*value, expected);
    EXPECT_EQ(parsePropertyList(xmlPropertyList(*value)), expected);
}

TEST(PlistInteropTest, PythonReadsWhatWeWrite) {
    testsupport::DeviceRoot root;
    root.makeFolder("/prefs");
    auto written = expectedFixture();
    // The text form has no fractions: a date keeps its second, rounded down.
    written["fractional"] = PlistDate{611404215.75};
    written["beforeEpoch"] = PlistDate{-0.5};
    written["lines"] = "cr\r lf\n tab\t";
    written["infinite"] = -std::numeric_limits<double>::infinity();
    ASSERT_TRUE(writeToFile(written, "/prefs/ours.plist"));

    const std::string script = R"PY(
import datetime, plistlib, sys
sys.path.insert(0, "SOURCE/tests/fixtures/plist")
import make_fixtures
expected = dict(make_fixtures.VALUE)
expected["fractional"] = datetime.datetime(2020, 5, 17, 10, 30, 15)
expected["beforeEpoch"] = datetime.datetime(2000, 12, 31, 23, 59, 59)
expected["lines"] = "cr\r lf\n tab\t"
expected["infinite"] = float("-inf")
with open("TARGET", "rb") as f:
    got = plistlib.load(f)
bad = [k for k in expected if got.get(k) != expected[k]] + [k for k in got if k not in expected]
print("mismatch", bad, [got.get(k) for k in bad]) if bad else print("equal")
)PY";
    std::string filled = script;
    filled.replace(filled.find("SOURCE"), 6, testsupport::sourceDir().string());
    filled.replace(filled.find("TARGET"), 6, root.host("/prefs/ours.plist").string());
    auto run = testsupport::runPython(filled);
    if (!run) {
        GTEST_SKIP() << "python3 with plistlib is not available";
    }
    EXPECT_EQ(run->output, "equal\n");
}

}  // namespace

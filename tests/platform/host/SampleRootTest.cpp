#include <gtest/gtest.h>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "platform/host/SampleRoot.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/ScreenHarness.h"

namespace {

using host::SampleRoot;

TEST(SampleRootTest, ANewRootGetsReadableTweakFilesInBothFormsAndSomeSystemOnes) {
    testsupport::DeviceRoot temporary;
    auto root = temporary.hostRoot() / "device";
    ASSERT_TRUE(SampleRoot::prepare(root).value());
    foundation::FileManager::defaultManager().setRoot(root);

    int binary = 0;
    int system = 0;
    for (const auto& name : SampleRoot::sampleNames()) {
        std::string path = std::string(SampleRoot::kPreferencesFolder) + "/" + name;
        binary += temporary.read(path).starts_with("bplist00");
        system += name.find("apple") != std::string::npos ||
                  name.find("Global") != std::string::npos ||
                  name.find("google") != std::string::npos;
        auto contents = foundation::dictionaryWithContentsOfFile(path);
        EXPECT_TRUE(contents && !contents->empty()) << name << " does not read back";
    }
    auto names = SampleRoot::sampleNames();
    EXPECT_GE(names.size() - system, 12u);
    EXPECT_GE(system, 3);
    EXPECT_GE(binary, 4);
    EXPECT_GE(static_cast<int>(names.size()) - binary, 4) << "XML ones";
    EXPECT_EQ(testsupport::entries(root / "var/jb/vmo/Library/Preferences").size(), names.size())
        << "no temporary file is left behind";
}

TEST(SampleRootTest, AFolderThatExistsIsLeftAsItIsAndAnythingElseIsRefused) {
    testsupport::DeviceRoot temporary;
    auto empty = temporary.hostRoot() / "empty";
    std::filesystem::create_directory(empty);
    EXPECT_FALSE(SampleRoot::prepare(empty).value());
    EXPECT_TRUE(std::filesystem::is_empty(empty)) << "not even a trace of the write check";

    temporary.write("/a-file", "keep me");
    auto file = temporary.host("/a-file");
    auto dangling = temporary.hostRoot() / "link";
    std::filesystem::create_symlink(temporary.hostRoot() / "nowhere", dangling);
    // No one may make files in /proc, whatever the user.
    const std::vector<std::pair<std::filesystem::path, std::string>> refused = {
        {file, file.string() + " is not a folder"},
        {dangling, dangling.string() + " is not a folder"},
        {"/proc", "/proc cannot be written to"}};
    for (const auto& [path, reason] : refused) {
        auto prepared = SampleRoot::prepare(path);
        ASSERT_FALSE(prepared.ok()) << path;
        EXPECT_NE(prepared.error().description.find(reason), std::string::npos);
    }
    EXPECT_EQ(temporary.read("/a-file"), "keep me");
    EXPECT_FALSE(std::filesystem::exists(temporary.hostRoot() / "nowhere"));
}

}  // namespace

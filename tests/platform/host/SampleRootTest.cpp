#include <gtest/gtest.h>

#include <fstream>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "platform/host/SampleRoot.h"
#include "tests/support/DeviceRoot.h"

namespace {

using host::SampleRoot;

std::string firstBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(8, '\0');
    in.read(bytes.data(), 8);
    return bytes;
}

TEST(SampleRootTest, ANewRootGetsReadableTweakFilesInBothFormsAndSomeSystemOnes) {
    testsupport::DeviceRoot temporary;
    auto root = temporary.hostRoot() / "device";
    auto made = SampleRoot::prepare(root);
    ASSERT_TRUE(made.ok()) << made.error().description;
    EXPECT_TRUE(made.value());

    auto folder = root / "var/jb/vmo/Library/Preferences";
    int binary = 0;
    int xml = 0;
    int system = 0;
    for (const auto& name : SampleRoot::sampleNames()) {
        auto file = folder / name;
        ASSERT_TRUE(std::filesystem::is_regular_file(file)) << name;
        (firstBytes(file) == "bplist00" ? binary : xml) += 1;
        bool excluded = name.find("apple") != std::string::npos ||
                        name.find("Global") != std::string::npos ||
                        name.find("google") != std::string::npos;
        system += excluded ? 1 : 0;
        foundation::FileManager::defaultManager().setRoot(root);
        auto contents = foundation::dictionaryWithContentsOfFile(
            std::string(SampleRoot::kPreferencesFolder) + "/" + name);
        ASSERT_TRUE(contents) << name << " does not read back";
        EXPECT_FALSE(contents->empty()) << name;
    }
    EXPECT_GE(SampleRoot::sampleNames().size() - system, 12u);
    EXPECT_GE(system, 3);
    EXPECT_GE(binary, 4);
    EXPECT_GE(xml, 4);
    auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                 std::filesystem::directory_iterator());
    EXPECT_EQ(static_cast<std::size_t>(entries), SampleRoot::sampleNames().size())
        << "no temporary file is left behind";
}

TEST(SampleRootTest, AFolderThatExistsIsLeftAsItIsAndAnythingElseIsRefused) {
    testsupport::DeviceRoot temporary;
    auto empty = temporary.hostRoot() / "empty";
    std::filesystem::create_directory(empty);
    auto notSeeded = SampleRoot::prepare(empty);
    ASSERT_TRUE(notSeeded.ok());
    EXPECT_FALSE(notSeeded.value());
    EXPECT_TRUE(std::filesystem::is_empty(empty)) << "not even a trace of the write check";

    auto file = temporary.hostRoot() / "a-file";
    std::ofstream(file) << "keep me";
    auto dangling = temporary.hostRoot() / "link";
    std::filesystem::create_symlink(temporary.hostRoot() / "nowhere", dangling);
    for (const auto& notAFolder : {file, dangling}) {
        auto refused = SampleRoot::prepare(notAFolder);
        ASSERT_FALSE(refused.ok());
        EXPECT_NE(refused.error().description.find(notAFolder.string() + " is not a folder"),
                  std::string::npos);
    }
    std::ifstream in(file);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "keep me");
    EXPECT_FALSE(std::filesystem::exists(temporary.hostRoot() / "nowhere"));

    // No one may make files in /proc, whatever the user.
    auto readOnly = SampleRoot::prepare("/proc");
    ASSERT_FALSE(readOnly.ok());
    EXPECT_NE(readOnly.error().description.find("/proc cannot be written to"), std::string::npos);
}

}  // namespace

#include "platform/foundation/Bundle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/DeviceRoot.h"

namespace {

// A resource name is a file of the bundle's own folder: nothing past it, nothing but files.
TEST(BundleTest, FindsOnlyPlainFilesInsideItsFolder) {
    testsupport::DeviceRoot root;
    auto folder = root.hostRoot() / "bundle";
    std::filesystem::create_directories(folder / "Folder.plist");
    std::ofstream(folder / "QVSettings.plist") << "<plist><dict/></plist>";
    std::ofstream(root.hostRoot() / "Outside.plist") << "<plist><dict/></plist>";

    const foundation::Bundle bundle(folder);
    EXPECT_EQ(bundle.pathForResource("QVSettings", "plist"), folder / "QVSettings.plist");
    for (const auto& [name, type] : std::vector<std::pair<std::string, std::string>>{
             {"Folder", "plist"}, {"../Outside", "plist"}, {"..", ""}, {"Missing", "plist"}}) {
        EXPECT_FALSE(bundle.pathForResource(name, type).has_value()) << name;
    }
    EXPECT_FALSE(foundation::Bundle("").pathForResource("QVSettings", "plist").has_value());
}

}  // namespace

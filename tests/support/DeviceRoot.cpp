#include "tests/support/DeviceRoot.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/NotificationCenter.h"

namespace testsupport {

DeviceRoot::DeviceRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvora-root-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr) << "cannot make a temporary device root";
    root_ = pattern;
    foundation::FileManager::defaultManager().setRoot(root_);
    foundation::FileManager::defaultManager().setFaultHook(nullptr);
    foundation::MainQueue::main().reset();
    foundation::NotificationCenter::defaultCenter().removeAllObservers();
}

DeviceRoot::~DeviceRoot() {
    foundation::FileManager::defaultManager().setFaultHook(nullptr);
    foundation::MainQueue::main().reset();
    foundation::NotificationCenter::defaultCenter().removeAllObservers();
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path DeviceRoot::host(std::string_view devicePath) const {
    return foundation::FileManager::defaultManager().hostPath(devicePath);
}

void DeviceRoot::write(std::string_view devicePath, std::string_view contents) const {
    auto path = host(devicePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

std::string DeviceRoot::read(std::string_view devicePath) const {
    std::ifstream in(host(devicePath), std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void DeviceRoot::makeFolder(std::string_view devicePath) const {
    std::filesystem::create_directories(host(devicePath));
}

std::filesystem::path sourceDir() {
    const char* dir = std::getenv("KELVORA_SOURCE_DIR");
    return dir ? std::filesystem::path(dir) : std::filesystem::current_path();
}

}  // namespace testsupport

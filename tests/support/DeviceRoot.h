#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// A device root in a fresh temporary folder, installed as the file manager's root for the
// life of the object, with the main queue's clock and the notification centre reset.
class DeviceRoot {
  public:
    DeviceRoot();
    ~DeviceRoot();
    DeviceRoot(const DeviceRoot&) = delete;
    DeviceRoot& operator=(const DeviceRoot&) = delete;

    const std::filesystem::path& hostRoot() const { return root_; }
    std::filesystem::path host(std::string_view devicePath) const;

    // Writes a file at a device path, making its folders.
    void write(std::string_view devicePath, std::string_view contents) const;
    std::string read(std::string_view devicePath) const;
    void makeFolder(std::string_view devicePath) const;

  private:
    std::filesystem::path root_;
};

// The source tree, for fixtures committed under tests/.
std::filesystem::path sourceDir();

}  // namespace testsupport

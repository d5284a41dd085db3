#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Result.h"

namespace host {

// What the `kelvora` command line asks for. Parsing refuses an unknown option, a missing
// value and a value out of its set, naming the culprit, so a typo never starts a run on
// some other root or device than the one meant.
struct HostOptions {
    enum class Device { notched, classic };

    std::filesystem::path root;
    Device device = Device::notched;
    bool dark = false;
    // Pixels per point when given; otherwise chosen for the display (a window) or 1 (pictures).
    std::optional<int> scale;
    bool headless = false;
    std::optional<std::filesystem::path> screenshot;
    std::optional<std::filesystem::path> script;
    bool help = false;

    using Environment = std::function<std::optional<std::string>(const std::string& name)>;

    static foundation::Result<HostOptions> parse(const std::vector<std::string>& arguments,
                                                 const Environment& environment);
    // $XDG_DATA_HOME/kelvora/device, else ~/.local/share/kelvora/device.
    static foundation::Result<std::filesystem::path> defaultRoot(const Environment& environment);
    static const char* usage();
};

}  // namespace host

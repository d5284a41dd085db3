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
    bool verbose = false;
    bool help = false;

    using Environment = std::function<std::optional<std::string>(const std::string& name)>;

    // Reads "--opt value" and "--opt=value" alike.
    static foundation::Result<HostOptions> parse(const std::vector<std::string>& arguments,
                                                 const Environment& environment);
    // $XDG_DATA_HOME/kelvora/device, else ~/.local/share/kelvora/device.
    static foundation::Result<std::filesystem::path> defaultRoot(const Environment& environment);
    static const char* usage();
    // The usage, then each option with its default, the default root among them.
    static std::string helpText(const Environment& environment);

    // A run opens a window unless it is headless or only takes a screenshot, which needs none.
    bool opensWindow() const;
    // Why a run that opens a window cannot, where the environment names no display (nor a
    // video driver chosen by hand); nothing otherwise.
    std::optional<std::string> missingDisplay(const Environment& environment) const;
};

}  // namespace host

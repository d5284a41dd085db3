#include "platform/host/HostOptions.h"

namespace host {

namespace {

using foundation::Error;

bool needsValue(const std::string& option) {
    return option == "--root" || option == "--device" || option == "--scale" ||
           option == "--screenshot" || option == "--script";
}

foundation::Result<void> applyValue(HostOptions& options, const std::string& option,
                                    const std::string& value) {
    if (option == "--root") {
        options.root = value;
    } else if (option == "--device") {
        if (value != "notched" && value != "classic") {
            return Error{"--device takes notched or classic, not \"" + value + "\""};
        }
        options.device =
            value == "notched" ? HostOptions::Device::notched : HostOptions::Device::classic;
    } else if (option == "--scale") {
        if (value != "1" && value != "2") {
            return Error{"--scale takes 1 or 2, not \"" + value + "\""};
        }
        options.scale = value == "1" ? 1 : 2;
    } else if (option == "--screenshot") {
        options.screenshot = value;
    } else {
        options.script = value;
    }
    return {};
}

foundation::Result<void> applyFlag(HostOptions& options, const std::string& option) {
    if (option == "--dark") {
        options.dark = true;
    } else if (option == "--headless") {
        options.headless = true;
    } else if (option == "--help" || option == "-h") {
        options.help = true;
    } else {
        return Error{"Unknown option \"" + option + "\""};
    }
    return {};
}

}  // namespace

foundation::Result<HostOptions> HostOptions::parse(const std::vector<std::string>& arguments,
                                                   const Environment& environment) {
    HostOptions options;
    bool rootGiven = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        auto applied = foundation::Result<void>();
        if (needsValue(option)) {
            if (index + 1 >= arguments.size() || arguments[index + 1].empty()) {
                return Error{option + " needs a value"};
            }
            rootGiven = rootGiven || option == "--root";
            applied = applyValue(options, option, arguments[++index]);
        } else {
            applied = applyFlag(options, option);
        }
        if (!applied) {
            return applied.error();
        }
    }
    if (!rootGiven) {
        auto root = defaultRoot(environment);
        if (!root) {
            return root.error();
        }
        options.root = root.value();
    }
    return options;
}

foundation::Result<std::filesystem::path> HostOptions::defaultRoot(const Environment& environment) {
    if (auto data = environment("XDG_DATA_HOME"); data && !data->empty()) {
        return std::filesystem::path(*data) / "kelvora" / "device";
    }
    if (auto home = environment("HOME"); home && !home->empty()) {
        return std::filesystem::path(*home) / ".local" / "share" / "kelvora" / "device";
    }
    return Error{"Neither XDG_DATA_HOME nor HOME is set: give the device root with --root DIR"};
}

const char* HostOptions::usage() {
    return "usage: kelvora [--root DIR] [--device notched|classic] [--dark] [--scale 1|2]\n"
           "               [--headless] [--screenshot PATH] [--script FILE]\n";
}

}  // namespace host

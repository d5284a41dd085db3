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
    } else if (option == "--verbose") {
        options.verbose = true;
    } else if (option == "--help" || option == "-h") {
        options.help = true;
    } else {
        return Error{"Unknown option \"" + option + "\""};
    }
    return {};
}

// One option with its value, given as "--opt=value" or as "--opt value".
foundation::Result<void> applyOne(HostOptions& options, const std::vector<std::string>& arguments,
                                  std::size_t& index) {
    std::string option = arguments[index];
    std::optional<std::string> value;
    if (std::size_t equals = option.find('='); option.starts_with("--") && equals != option.npos) {
        value = option.substr(equals + 1);
        option.resize(equals);
    }
    if (!needsValue(option)) {
        return value ? Error{option + " takes no value"} : applyFlag(options, option);
    }
    if (!value && index + 1 < arguments.size()) {
        value = arguments[++index];
    }
    if (!value || value->empty()) {
        return Error{option + " needs a value"};
    }
    return applyValue(options, option, *value);
}

}  // namespace

foundation::Result<HostOptions> HostOptions::parse(const std::vector<std::string>& arguments,
                                                   const Environment& environment) {
    HostOptions options;
    bool rootGiven = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        rootGiven = rootGiven || arguments[index].starts_with("--root");
        if (auto applied = applyOne(options, arguments, index); !applied) {
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

bool HostOptions::opensWindow() const {
    return !headless && (script || !screenshot);
}

std::optional<std::string> HostOptions::missingDisplay(const Environment& environment) const {
    auto isSet = [&environment](const char* name) {
        auto value = environment(name);
        return value && !value->empty();
    };
    if (!opensWindow() || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") ||
        isSet("SDL_VIDEODRIVER")) {
        return std::nullopt;
    }
    return "There is no display (neither DISPLAY nor WAYLAND_DISPLAY is set): run with "
           "--headless to run without a window";
}

const char* HostOptions::usage() {
    return "usage: kelvora [--root DIR] [--device notched|classic] [--dark] [--scale 1|2]\n"
           "               [--headless] [--screenshot PATH] [--script FILE] [--verbose] [--help]\n";
}

std::string HostOptions::helpText(const Environment& environment) {
    auto root = defaultRoot(environment);
    std::string here = root ? root.value().string() : "none, as neither is set";
    return std::string(usage()) +
           "\n"
           "Runs Kelvora in a window the size of a phone screen, or without one. An option\n"
           "takes its value as --opt VALUE or as --opt=VALUE.\n"
           "\n"
           "  --root DIR         The folder that stands for the phone's file system. A folder\n"
           "                     that does not exist is made and given sample preference files.\n"
           "                     Default: $XDG_DATA_HOME/kelvora/device, else\n"
           "                     ~/.local/share/kelvora/device (here: " +
           here +
           ").\n"
           "  --device NAME      notched (390 x 844 points) or classic (375 x 667).\n"
           "                     Default: notched.\n"
           "  --dark             The dark appearance. Default: light.\n"
           "  --scale N          Pixels per point, 1 or 2. Default: in a window, 2 where the\n"
           "                     window fits the display at 2, else 1; in pictures, 1. A window\n"
           "                     may be resized; it never grows past the display.\n"
           "  --headless         No window and no display needed. Default: a window, except\n"
           "                     for --screenshot without --script.\n"
           "  --screenshot PATH  Lets 1 s of the app's clock pass, writes a PNG of the screen\n"
           "                     and exits.\n"
           "  --script FILE      Plays the steps of FILE and exits with its status: 0 when every\n"
           "                     step passed, 1 at the first that failed.\n"
           "  --verbose          Prints the app's log lines on the terminal too. They always go\n"
           "                     to <root>/var/mobile/Library/Logs/Kelvora/kelvora.log.\n"
           "  --help             Shows this and exits.\n"
           "\n"
           "In the window the mouse is a finger; Ctrl+Q, Ctrl+W or closing the window quits.\n"
           "Exit status: 0 when all went well, 1 for a run that failed or could not start, 2 for\n"
           "a command line or script that cannot be used.\n";
}

}  // namespace host

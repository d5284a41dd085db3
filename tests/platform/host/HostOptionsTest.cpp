#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <sstream>

#include "platform/host/HostOptions.h"

namespace {

using host::HostOptions;
using Variables = std::map<std::string, std::string>;

HostOptions::Environment environment(Variables variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

// What a command line, its words split at spaces, leads to: the options read in one line,
// whether the run lacks the display it needs, or why the line was refused.
std::string outcome(const std::string& line, const Variables& variables) {
    std::istringstream words(line);
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    auto parsed = HostOptions::parse(arguments, environment(variables));
    if (!parsed) {
        return "refused " + parsed.error().description;
    }
    const auto& read = parsed.value();
    return read.root.string() + (read.device == HostOptions::Device::classic ? " classic" : "") +
           (read.dark ? " dark" : "") +
           (read.scale ? " scale " + std::to_string(*read.scale) : "") +
           (read.headless ? " headless" : "") +
           (read.screenshot ? " shot " + read.screenshot->string() : "") +
           (read.script ? " script " + read.script->string() : "") +
           (read.verbose ? " verbose" : "") +
           (read.missingDisplay(environment(variables)) ? " (no display)" : "");
}

// A typo, a missing value or a value out of its set is refused by name, so no run starts on
// some other root or device than meant; a window with no display to open on is caught early.
TEST(HostOptionsTest, CommandLinesAreReadOrRefusedByName) {
    const Variables desktop = {{"HOME", "/home/ann"}, {"DISPLAY", ":0"}};
    const Variables console = {{"HOME", "/home/ann"}};
    const std::string annRoot = "/home/ann/.local/share/kelvora/device";
    const std::vector<std::tuple<std::string, Variables, std::string>> cases = {
        {"--root=/tmp/r --device classic --dark --scale=2 --headless --screenshot out.png "
         "--script=s.txt --verbose",
         console, "/tmp/r classic dark scale 2 headless shot out.png script s.txt verbose"},
        {"", desktop, annRoot},
        {"", {{"XDG_DATA_HOME", "/data"}, {"HOME", "/h"}}, "/data/kelvora/device (no display)"},
        {"",
         {{"XDG_DATA_HOME", ""}, {"HOME", "/h"}},
         "/h/.local/share/kelvora/device (no display)"},
        {"--root /r", {}, "/r (no display)"},
        {"--screenshot a.png", console, annRoot + " shot a.png"},
        {"--headless --script s", console, annRoot + " headless script s"},
        {"--script s --screenshot a.png", console, annRoot + " shot a.png script s (no display)"},
        {"", {}, "refused --root"},
        {"--roots /r", desktop, "refused --roots"},
        {"--device tablet", desktop, "refused tablet"},
        {"--scale 3", desktop, "refused 3"},
        {"--script", desktop, "refused --script"},
        {"headless", desktop, "refused headless"},
        {"--root=", desktop, "refused --root needs a value"},
        {"--dark=yes", desktop, "refused --dark takes no value"}};
    for (const auto& [line, variables, expected] : cases) {
        auto got = outcome(line, variables);
        bool refused = expected.starts_with("refused ");
        EXPECT_TRUE(refused
                        ? got.starts_with("refused ") && got.find(expected.substr(8)) != got.npos
                        : got == expected)
            << line << " -> " << got;
    }
    auto noDisplay = HostOptions::parse({}, environment(console)).value();
    EXPECT_NE(noDisplay.missingDisplay(environment(console))->find("--headless"),
              std::string::npos);
    EXPECT_NE(HostOptions::helpText(environment(console)).find(annRoot), std::string::npos);
}

}  // namespace

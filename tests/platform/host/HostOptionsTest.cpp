#include <gtest/gtest.h>

#include <map>

#include "platform/host/HostOptions.h"

namespace {

using host::HostOptions;

HostOptions::Environment environment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

foundation::Result<HostOptions> parse(std::vector<std::string> arguments) {
    return HostOptions::parse(arguments, environment({{"HOME", "/home/ann"}}));
}

TEST(HostOptionsTest, TheDefaultRootFollowsXdgDataHomeElseHome) {
    auto withXdg =
        HostOptions::parse({}, environment({{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/ann"}}));
    ASSERT_TRUE(withXdg.ok());
    EXPECT_EQ(withXdg.value().root, "/data/kelvora/device");

    auto emptyXdg =
        HostOptions::parse({}, environment({{"XDG_DATA_HOME", ""}, {"HOME", "/home/ann"}}));
    ASSERT_TRUE(emptyXdg.ok());
    EXPECT_EQ(emptyXdg.value().root, "/home/ann/.local/share/kelvora/device");

    auto neither = HostOptions::parse({}, environment({}));
    ASSERT_FALSE(neither.ok());
    EXPECT_NE(neither.error().description.find("--root"), std::string::npos);
    EXPECT_TRUE(HostOptions::parse({"--root", "/r"}, environment({})).ok());
}

TEST(HostOptionsTest, EveryOptionIsReadWithItsValueAfterASpaceOrAnEqualsSign) {
    auto options = parse({"--root=/tmp/r", "--device", "classic", "--dark", "--scale=2",
                          "--headless", "--screenshot", "out.png", "--script=s.txt", "--verbose"});
    ASSERT_TRUE(options.ok()) << options.error().description;
    const auto& read = options.value();
    EXPECT_EQ(read.root, "/tmp/r");
    EXPECT_EQ(read.device, HostOptions::Device::classic);
    EXPECT_TRUE(read.dark);
    EXPECT_EQ(read.scale, 2);
    EXPECT_TRUE(read.headless);
    EXPECT_EQ(read.screenshot, std::filesystem::path("out.png"));
    EXPECT_EQ(read.script, std::filesystem::path("s.txt"));
    EXPECT_TRUE(read.verbose);

    auto plain = parse({});
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(plain.value().device, HostOptions::Device::notched);
    EXPECT_FALSE(plain.value().scale);
    EXPECT_FALSE(plain.value().dark || plain.value().headless || plain.value().verbose);
    EXPECT_FALSE(plain.value().screenshot || plain.value().script);
}

TEST(HostOptionsTest, ATyposOrAMissingValueIsRefusedByName) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--roots", "/r"}, "--roots"},
        {{"--device", "tablet"}, "tablet"},
        {{"--scale", "3"}, "3"},
        {{"--scale", "1.5"}, "1.5"},
        {{"--script"}, "--script"},
        {{"--root", ""}, "--root"},
        {{"--screenshot"}, "--screenshot"},
        {{"headless"}, "headless"},
        {{"--root="}, "--root needs a value"},
        {{"--dark=yes"}, "--dark takes no value"},
    };
    for (const auto& [arguments, culprit] : refused) {
        auto options = parse(arguments);
        ASSERT_FALSE(options.ok()) << arguments.front();
        EXPECT_NE(options.error().description.find(culprit), std::string::npos)
            << options.error().description;
    }
}

}  // namespace

namespace {

TEST(HostOptionsTest, AWindowWithNoDisplayIsRefusedButPicturesNeedNone) {
    auto noDisplay = environment({{"HOME", "/home/ann"}});
    auto why = parse({}).value().missingDisplay(noDisplay);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("--headless"), std::string::npos);
    EXPECT_FALSE(parse({"--screenshot", "a.png"}).value().missingDisplay(noDisplay));
    EXPECT_FALSE(parse({"--headless", "--script", "s"}).value().missingDisplay(noDisplay));
    EXPECT_TRUE(
        parse({"--script", "s", "--screenshot", "a.png"}).value().missingDisplay(noDisplay));
    EXPECT_FALSE(parse({}).value().missingDisplay(environment({{"DISPLAY", ":0"}})));
}

TEST(HostOptionsTest, HelpDescribesEveryOptionAndTheDefaultRootHere) {
    std::string help = HostOptions::helpText(environment({{"HOME", "/home/ann"}}));
    for (const char* option :
         {"--root", "--device", "--dark", "--scale", "--headless", "--screenshot", "--script",
          "--verbose", "--help", "kelvora.log", "Ctrl+Q"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    EXPECT_NE(help.find("/home/ann/.local/share/kelvora/device"), std::string::npos);
}

}  // namespace

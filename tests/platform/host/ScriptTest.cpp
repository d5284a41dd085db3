#include <gtest/gtest.h>

#include <fstream>

#include "platform/host/Script.h"
#include "tests/support/DeviceRoot.h"

namespace {

using host::Script;
using Kind = host::ScriptStep::Kind;

TEST(ScriptTest, StepsKeepTheirLineNumbersAndSkipCommentsAndBlankLines) {
    auto script = Script::parse(
        "# open the form\n\n  tap plus\ntap ~Setup\r\nlong-press My Setup\nlong-press ~Setup\n"
        "type  two  words\nkey Return\nkey Backspace\nkey Escape\nwait 0.25\n"
        "expect Done\nexpect ~Don\nexpect-no Cancel\nexpect-no ~Canc\n"
        "expect-order A | B C |C\nscreenshot out/home.png\n");
    ASSERT_TRUE(script.ok()) << script.error().description;
    const auto& steps = script.value().steps();
    ASSERT_EQ(steps.size(), 15u);

    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].kind, Kind::tap);
    EXPECT_EQ(steps[0].text, "plus");
    EXPECT_FALSE(steps[0].partial);
    EXPECT_EQ(steps[1].text, "Setup");
    EXPECT_TRUE(steps[1].partial);
    EXPECT_EQ(steps[2].kind, Kind::longPress);
    EXPECT_EQ(steps[2].text, "My Setup");
    EXPECT_TRUE(steps[3].partial);
    EXPECT_EQ(steps[4].kind, Kind::type);
    EXPECT_EQ(steps[4].text, " two  words");
    EXPECT_EQ(steps[5].key, kit::Key::returnKey);
    EXPECT_EQ(steps[6].key, kit::Key::backspace);
    EXPECT_EQ(steps[7].key, kit::Key::escape);
    EXPECT_DOUBLE_EQ(steps[8].seconds, 0.25);
    EXPECT_EQ(steps[9].kind, Kind::expect);
    EXPECT_FALSE(steps[9].partial);
    EXPECT_TRUE(steps[10].partial);
    EXPECT_EQ(steps[11].kind, Kind::expectNo);
    EXPECT_TRUE(steps[12].partial);
    EXPECT_EQ(steps[13].order, (std::vector<std::string>{"A", "B C", "C"}));
    EXPECT_EQ(steps[14].kind, Kind::screenshot);
    EXPECT_EQ(steps[14].text, "out/home.png");
    EXPECT_EQ(steps[14].line, 17);
    EXPECT_EQ(steps[14].source, "screenshot out/home.png");
}

TEST(ScriptTest, ALineThatIsNoStepIsRefusedWithItsNumber) {
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"tap Done\nclick Done\n", "line 2: unknown step \"click\""},
        {"wait\n", "line 1"},
        {"wait -1\n", "-1"},
        {"wait 1s\n", "1s"},
        {"wait nan\n", "nan"},
        {"key Tab\n", "Tab"},
        {"tap\n", "line 1"},
        {"tap ~\n", "line 1"},
        {"expect-order A || B\n", "empty"},
        {"screenshot\n", "path"},
        {"Tap Done\n", "Tap"},
    };
    for (const auto& [text, reason] : refused) {
        auto script = Script::parse(text);
        ASSERT_FALSE(script.ok()) << text;
        EXPECT_NE(script.error().description.find(reason), std::string::npos)
            << text << " -> " << script.error().description;
    }
}

TEST(ScriptTest, AScriptThatCannotBeReadIsAnError) {
    testsupport::DeviceRoot root;
    EXPECT_FALSE(Script::load(root.hostRoot() / "missing.txt").ok());
    EXPECT_FALSE(Script::load(root.hostRoot()).ok());

    auto file = root.hostRoot() / "steps.txt";
    std::ofstream(file) << "tap Settings\nexpect ~Restore\n";
    auto loaded = Script::load(file);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().steps().size(), 2u);

    auto empty = root.hostRoot() / "empty.txt";
    std::ofstream(empty).flush();
    auto none = Script::load(empty);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.value().steps().empty());
}

}  // namespace

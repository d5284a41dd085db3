#include <gtest/gtest.h>

#include <fstream>

#include "platform/host/Script.h"
#include "tests/support/DeviceRoot.h"

namespace {

using host::Script;
using Kind = host::ScriptStep::Kind;

// Matching steps are played in ScriptRunnerTest; here, what only reading decides.
TEST(ScriptTest, StepsKeepTheirLineNumbersAndSkipCommentsAndBlankLines) {
    auto script = Script::parse(
        "# open the form\n\n  long-press ~My Setup\r\ntype  two  words\nkey Return\n"
        "key Backspace\nkey Escape\nwait 0.25\nexpect-order A | B C |C\n");
    ASSERT_TRUE(script.ok()) << script.error().description;
    const auto& steps = script.value().steps();
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].kind, Kind::longPress);
    EXPECT_EQ(steps[0].text, "My Setup");
    EXPECT_TRUE(steps[0].partial);
    EXPECT_EQ(steps[1].kind, Kind::type);
    EXPECT_EQ(steps[1].text, " two  words");
    EXPECT_EQ(steps[2].key, kit::Key::returnKey);
    EXPECT_EQ(steps[3].key, kit::Key::backspace);
    EXPECT_EQ(steps[4].key, kit::Key::escape);
    EXPECT_DOUBLE_EQ(steps[5].seconds, 0.25);
    EXPECT_EQ(steps[6].order, (std::vector<std::string>{"A", "B C", "C"}));
    EXPECT_EQ(steps[6].line, 9);
    EXPECT_EQ(steps[6].source, "expect-order A | B C |C");
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

TEST(ScriptTest, AScriptThatCannotBeReadIsAnErrorAndAnEmptyOneHasNoSteps) {
    testsupport::DeviceRoot root;
    EXPECT_FALSE(Script::load(root.hostRoot() / "missing.txt").ok());
    EXPECT_FALSE(Script::load(root.hostRoot()).ok());

    auto file = root.hostRoot() / "steps.txt";
    std::ofstream(file) << "tap Settings\nexpect ~Restore\n";
    EXPECT_EQ(Script::load(file).value().steps().size(), 2u);
    std::ofstream(file, std::ios::trunc).flush();
    EXPECT_TRUE(Script::load(file).value().steps().empty());
}

}  // namespace

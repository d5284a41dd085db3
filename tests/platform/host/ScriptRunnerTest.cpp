#include <gtest/gtest.h>

#include "platform/host/ScriptRunner.h"
#include "platform/kit/Button.h"
#include "platform/kit/Label.h"
#include "platform/kit/Window.h"
#include "tests/support/DeviceRoot.h"

namespace {

using host::Script;
using host::ScriptRunner;

// A window with a title over two buttons, each tap counted.
class ScriptRunnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window->setRootView(root);
        window->makeKeyAndVisible();
        auto label = std::make_shared<kit::Label>();
        label->setText("Setup list");
        label->setFrame({{20, 100}, {300, 40}});
        root->addSubview(label);
        for (auto [title, taps] : {std::pair{"Add Setup", &addTaps}, {"Add", &shortTaps}}) {
            auto button = kit::Button::buttonWithType(kit::ButtonType::system);
            button->setTitle(title, kit::ControlState::normal);
            button->setFrame({{20, 100 + 100.0 * root->subviews().size()}, {300, 44}});
            button->addAction([taps](const std::shared_ptr<kit::Control>&) { ++*taps; },
                              kit::ControlEvents::touchUpInside);
            root->addSubview(button);
        }
    }

    // Why the script, read from a file, failed, "refused " and why when it cannot be read, or
    // nothing.
    std::optional<std::string> play(const std::string& text) {
        deviceRoot.write("/steps.txt", text);
        auto script = Script::load(deviceRoot.host("/steps.txt"));
        if (!script.ok()) {
            return "refused " + script.error().description;
        }
        ScriptRunner runner(window, [this](const std::filesystem::path& path) {
            shots.push_back(path.string());
            return shotResult;
        });
        return runner.play(script.value());
    }

    testsupport::DeviceRoot deviceRoot;
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();
    int addTaps = 0;
    int shortTaps = 0;
    std::vector<std::string> shots;
    foundation::Result<void> shotResult;
};

// Lines that are no step are refused with their number before anything is played; a step
// that does not hold on the screen fails.
TEST_F(ScriptRunnerTest, ScriptsAreRefusedOrFailOnWhatTheScreenShows) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // script, why it fails
        {"", ""},
        {"tap Add\ntap Add Setup\ntap ~Setup\n", ""},
        {"expect Add\nexpect Setup list\nexpect ~list\nexpect-no Setup\nexpect-no ~Remove\n", ""},
        {"expect-order Setup list | Add Setup | Add\nexpect-order Setup list |Add\n", ""},
        {"expect Setup\n", "expect Setup"},
        {"expect-no Add\n", "expect-no Add"},
        {"expect-no ~dd\n", "~dd"},
        {"expect-order Add | Add Setup\n", "\"Add Setup\" comes before"},
        {"expect-order Add Setup | Remove\n", "\"Remove\""},
        {"tap Setup\n", "exactly"},
        {"type hello\n", "type hello"},  // no field is being edited
        {"key Return\n", "key Return"},
        {"tap Done\nclick Done\n", "refused line 2: unknown step \"click\""},
        {"wait\n", "refused line 1"},
        {"wait -1\n", "refused -1"},
        {"wait 1s\n", "refused 1s"},
        {"wait nan\n", "refused nan"},
        {"key Tab\n", "refused Tab"},
        {"tap\n", "refused line 1"},
        {"tap ~\n", "refused line 1"},
        {"expect-order A || B\n", "refused empty"},
        {"screenshot\n", "refused path"},
        {"Tap Done\n", "refused Tap"},
    };
    for (const auto& [script, reason] : cases) {
        auto failure = play(script);
        ASSERT_EQ(failure.has_value(), !reason.empty()) << script;
        bool refused = reason.starts_with("refused ");
        EXPECT_TRUE(!failure ||
                    (failure->starts_with("refused ") == refused &&
                     failure->find(reason.substr(refused ? 8 : 0)) != std::string::npos))
            << script << " -> " << *failure;
    }
    EXPECT_EQ(shortTaps, 1);
    // Of the label and the button showing "Setup" as a part, the front-most is the button.
    EXPECT_EQ(addTaps, 2);
}

TEST_F(ScriptRunnerTest,
       PlayingStopsAtTheFirstFailureAndSaysWhereAndWhyAndAnUnreadableScriptIsRefused) {
    auto failure = play("screenshot one.png\n\n# a comment\nexpect Nothing\nscreenshot two.png\n");
    ASSERT_TRUE(failure);
    EXPECT_EQ(shots, (std::vector<std::string>{"one.png"}));
    EXPECT_EQ(failure->rfind("line 4: expect Nothing\n", 0), 0u) << *failure;
    for (const char* shown : {"Setup list", "Add Setup", "Add"}) {
        EXPECT_NE(failure->find("\n    " + std::string(shown) + "\n"), std::string::npos)
            << *failure;
    }

    shotResult = foundation::Error{"disk full"};
    auto unsaved = play("screenshot x.png\n");
    ASSERT_TRUE(unsaved);
    EXPECT_NE(unsaved->find("disk full"), std::string::npos);

    EXPECT_FALSE(Script::load(deviceRoot.host("/missing.txt")).ok());
    EXPECT_FALSE(Script::load(deviceRoot.hostRoot()).ok()) << "a folder";
}

// Line numbers, comments, refusals, "~" and expect-order lists show in the runner's roads
// above; here, what only reading decides.
TEST(ScriptTest, StepsReadTheirArgumentsWhateverTheLineEnding) {
    auto script = Script::parse(
        "long-press ~My Setup\r\ntype  two  words\nkey Return\nkey Backspace\nkey Escape\n"
        "wait 0.25\n");
    ASSERT_TRUE(script.ok()) << script.error().description;
    const auto& steps = script.value().steps();
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].kind, host::ScriptStep::Kind::longPress);
    EXPECT_EQ(steps[0].text, "My Setup");
    EXPECT_EQ(steps[1].text, " two  words");
    EXPECT_EQ((std::vector{steps[2].key, steps[3].key, steps[4].key}),
              (std::vector{kit::Key::returnKey, kit::Key::backspace, kit::Key::escape}));
    EXPECT_DOUBLE_EQ(steps[5].seconds, 0.25);
}

}  // namespace

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
        addLabel("Setup list", 100);
        addButton("Add Setup", 200, addTaps);
        addButton("Add", 300, shortTaps);
    }

    void addLabel(const std::string& text, double y) {
        auto label = std::make_shared<kit::Label>();
        label->setText(text);
        label->setFrame({{20, y}, {300, 40}});
        root->addSubview(label);
    }

    void addButton(const std::string& title, double y, int& taps) {
        auto button = kit::Button::buttonWithType(kit::ButtonType::system);
        button->setTitle(title, kit::ControlState::normal);
        button->setFrame({{20, y}, {300, 44}});
        button->addAction([&taps](const std::shared_ptr<kit::Control>&) { ++taps; },
                          kit::ControlEvents::touchUpInside);
        root->addSubview(button);
    }

    std::optional<std::string> play(const std::string& text) {
        auto script = Script::parse(text);
        EXPECT_TRUE(script.ok()) << script.error().description;
        ScriptRunner runner(window, [this](const std::filesystem::path& path) {
            shots.push_back(path.string());
            return foundation::Result<void>();
        });
        return runner.play(script.value());
    }

    testsupport::DeviceRoot deviceRoot;
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();
    int addTaps = 0;
    int shortTaps = 0;
    std::vector<std::string> shots;
};

TEST_F(ScriptRunnerTest, TapMatchesAWholeTextAndTildeAPart) {
    EXPECT_FALSE(play("tap Add\ntap Add Setup\ntap ~Setup\n"));
    EXPECT_EQ(shortTaps, 1);
    // Of the label and the button showing "Setup" as a part, the front-most is the button.
    EXPECT_EQ(addTaps, 2);

    auto failure = play("tap Setup\n");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("exactly"), std::string::npos) << *failure;
}

TEST_F(ScriptRunnerTest, ExpectChecksWholeTextsUnlessMarkedAsAPart) {
    EXPECT_FALSE(
        play("expect Add\nexpect Setup list\nexpect ~list\nexpect-no Setup\n"
             "expect-no ~Remove\n"));
    EXPECT_TRUE(play("expect Setup\n"));
    EXPECT_TRUE(play("expect-no Add\n"));
    EXPECT_TRUE(play("expect-no ~dd\n"));
}

TEST_F(ScriptRunnerTest, ExpectOrderFollowsTheReadingOrder) {
    EXPECT_FALSE(play("expect-order Setup list | Add Setup | Add\n"));
    EXPECT_FALSE(play("expect-order Setup list | Add\n"));
    auto reversed = play("expect-order Add | Add Setup\n");
    ASSERT_TRUE(reversed);
    EXPECT_NE(reversed->find("\"Add Setup\" comes before"), std::string::npos) << *reversed;
    auto missing = play("expect-order Add Setup | Remove\n");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("\"Remove\""), std::string::npos);
}

TEST_F(ScriptRunnerTest, PlayingStopsAtTheFirstFailureAndReportsLineStepAndScreen) {
    auto failure = play("screenshot one.png\n\n# a comment\nexpect Nothing\nscreenshot two.png\n");
    ASSERT_TRUE(failure);
    EXPECT_EQ(shots, (std::vector<std::string>{"one.png"}));
    EXPECT_EQ(failure->rfind("line 4: expect Nothing\n", 0), 0u) << *failure;
    for (const char* shown : {"Setup list", "Add Setup", "Add"}) {
        EXPECT_NE(failure->find("\n    " + std::string(shown) + "\n"), std::string::npos)
            << *failure;
    }
    EXPECT_TRUE(play("type hello\n")) << "typing with no field being edited fails";
    EXPECT_TRUE(play("key Return\n"));
}

TEST_F(ScriptRunnerTest, AFailedScreenshotFailsTheStep) {
    auto script = Script::parse("screenshot x.png\n");
    ASSERT_TRUE(script.ok());
    ScriptRunner runner(window, [](const std::filesystem::path&) {
        return foundation::Result<void>(foundation::Error{"disk full"});
    });
    auto failure = runner.play(script.value());
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("disk full"), std::string::npos);
}

}  // namespace

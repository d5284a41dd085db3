#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Application.h"
#include "platform/kit/Window.h"
#include "tests/support/LogCapture.h"

using kit::Application;

namespace {

class Delegate final : public kit::ApplicationDelegate {
  public:
    kit::SceneConfiguration configurationForConnecting(const std::string& role) override {
        asked = role;
        return {name, role};
    }
    std::string name = "Default Configuration";
    std::string asked;
};

class ShellScene final : public kit::WindowSceneDelegate {
  public:
    void willConnect(const std::shared_ptr<kit::WindowScene>& scene) override {
        window = scene->makeWindow();
        window->makeKeyAndVisible();
    }
    std::shared_ptr<kit::Window> window;
};

class ApplicationTest : public testing::Test {
  protected:
    void SetUp() override {
        foundation::MainQueue::main().reset();
        app->reset();
        app->setDelegate(delegate);
        app->registerSceneConfiguration("Default Configuration", [this] {
            scene = std::make_shared<ShellScene>();
            return scene;
        });
    }
    void TearDown() override {
        app->reset();
        foundation::MainQueue::main().reset();
    }

    const std::shared_ptr<Application>& app = Application::shared();
    std::shared_ptr<Delegate> delegate = std::make_shared<Delegate>();
    std::shared_ptr<ShellScene> scene;
};

// The app's own launch, showing its tabs, is the start-up road.
TEST_F(ApplicationTest, LaunchConnectsTheNamedSceneOnTheScreenOrFailsClearly) {
    delegate->name = "Other";
    auto missing = app->launch(kit::Screen::notched());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().description, "No scene configuration is named \"Other\"");
    EXPECT_TRUE(app->windows().empty());

    delegate->name = "Default Configuration";
    ASSERT_TRUE(app->launch(kit::Screen::classic()).ok());
    EXPECT_EQ(delegate->asked, kit::windowApplicationRole);
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->window->bounds().size, (kit::Size{375, 667}));
    // The window hands unhandled actions on to the application.
    EXPECT_EQ(scene->window->nextResponder(), app);
}

TEST_F(ApplicationTest, OpeningAURLGoesToTheInstalledOpenerAndReportsLater) {
    std::vector<std::string> opened;
    app->setURLOpener([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    std::vector<bool> results;
    auto record = [&](bool ok) { results.push_back(ok); };

    testsupport::LogCapture log;
    app->openURL("tg://msg?text=Text&to=zerovin", record);
    app->openURL("not a url", record);
    EXPECT_TRUE(results.empty()) << "the completion comes on a later turn";
    foundation::MainQueue::main().runDue();
    EXPECT_EQ(opened, std::vector<std::string>{"tg://msg?text=Text&to=zerovin"})
        << "what is not a URL never reaches the opener";
    EXPECT_EQ(log.lines().size(), 1u);

    app->setURLOpener(nullptr);
    app->openURL("https://example.com", record);
    foundation::MainQueue::main().runDue();
    EXPECT_EQ(results, (std::vector<bool>{true, false, false})) << "no opener, no success";
}

}  // namespace

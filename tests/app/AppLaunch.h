#pragma once

#include <memory>

#include "app/AppDelegate.h"
#include "app/SceneDelegate.h"
#include "platform/kit/Application.h"
#include "platform/kit/Window.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora::apptest {

// Launches the app in this process on a device root that has a Preferences folder, as the
// program does, with the repository's resources; `relaunch` starts it again on the same root.
class AppLaunch {
  public:
    AppLaunch() {
        root.makeFolder("/var/jb/vmo/Library/Preferences");
        relaunch();
    }
    ~AppLaunch() { kit::Application::shared()->reset(); }
    AppLaunch(const AppLaunch&) = delete;
    AppLaunch& operator=(const AppLaunch&) = delete;

    void relaunch() {
        auto& application = *kit::Application::shared();
        application.reset();
        application.setDelegate(std::make_shared<AppDelegate>());
        auto resources = testsupport::sourceDir() / "resources";
        application.registerSceneConfiguration(AppDelegate::kSceneConfigurationName, [resources] {
            return std::make_shared<SceneDelegate>(foundation::Bundle(resources));
        });
        auto scene = application.launch(kit::Screen::notched());
        EXPECT_TRUE(scene.ok()) << (scene.ok() ? "" : scene.error().description);
        window = application.keyWindow();
    }

    testsupport::DeviceRoot root;
    std::shared_ptr<kit::Window> window;
};

}  // namespace kelvora::apptest

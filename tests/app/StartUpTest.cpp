#include <gtest/gtest.h>

#include "app/AppDelegate.h"
#include "app/SceneDelegate.h"
#include "app/TabViewController.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/Application.h"
#include "platform/kit/TabBar.h"
#include "settings/SettingViewController.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

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

constexpr const char* kPreferences = "/var/jb/vmo/Library/Preferences/";
constexpr const char* kPrefsFile = "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";

// An Original folder made by an older version holds copies of the app's own files. Restoring
// the originals must not put them back: the flag would be lost, the next launch would copy
// today's values over the originals, and the Setup list would rewind. What a copy killed
// half-way left behind goes at the next launch.
TEST(StartUpTest, RestoringTheOriginalsThenRelaunchingKeepsTheOriginalsAndTheSetupList) {
    AppLaunch app;
    const std::string original = "/var/mobile/Kelvora/Original/";
    const std::string list = std::string(kPreferences) + "com.zerovin.KelvoraList.plist";
    app.root.write(original + "com.example.tweak.plist", "original");
    app.root.write(original + "com.zerovin.KelvoraPrefs.plist", "<plist><dict/></plist>");
    app.root.write(original + "com.zerovin.KelvoraList.plist", "<plist><dict/></plist>");
    ASSERT_TRUE(foundation::writeToFile({{"didCopiedOriginalFiles", true}}, kPrefsFile).ok());
    app.root.write(list, "today's list");
    app.relaunch();
    foundation::MainQueue::main().advance(1);
    app.root.write(std::string(kPreferences) + "com.example.tweak.plist", "today");

    auto tabs = std::dynamic_pointer_cast<TabViewController>(app.window->rootViewController());
    auto settings = std::dynamic_pointer_cast<SettingViewController>(tabs->viewControllers()[1]);
    settings->loadViewIfNeeded();
    settings->beginRestoreOriginalFiles();
    EXPECT_EQ(app.root.read(std::string(kPreferences) + "com.example.tweak.plist"), "original");
    app.root.write(std::string(kPreferences) + "com.example.tweak.plist", "changed again");
    const std::string leftover = original + ".com.example.tweak.plist.kelvora-Ab12Cd";
    app.root.write(leftover, "half");
    app.relaunch();
    foundation::MainQueue::main().advance(1);

    EXPECT_FALSE(std::filesystem::exists(app.root.host(leftover)));

    EXPECT_EQ(app.root.read(original + "com.example.tweak.plist"), "original");
    EXPECT_EQ(app.root.read(list), "today's list");
    EXPECT_TRUE(SetupManager::sharedInstance().boolForKey("didCopiedOriginalFiles", false,
                                                          "com.zerovin.KelvoraPrefs"));
}

// Picking the accent in the settings stores it (the settings' tests); a launch reads it.
TEST(StartUpTest, TheAccentStoredIsTheOneTheAppStartsIn) {
    AppLaunch app;
    auto hex = [](const kit::Color& colour) {
        return SetupManager::sharedInstance().hexStringFromColor(colour);
    };
    EXPECT_EQ(hex(app.window->tintColor()), "04C7BE");
    ASSERT_TRUE(foundation::writeToFile({{"accentColour", "FF9F0A"}}, kPrefsFile).ok());
    app.relaunch();
    EXPECT_EQ(hex(app.window->tintColor()), "FF9F0A");
    EXPECT_EQ(kit::TabBar::appearance().tintColor, app.window->tintColor());
}

}  // namespace

}  // namespace kelvora

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "home/SetupViewController.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/Driver.h"
#include "platform/kit/NavigationController.h"
#include "platform/kit/Window.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace kelvora {

// The "Setup" tab as the app sets it up: the Setups screen at the root of a navigation
// controller in a notched window, over a device root with the app's folders, and a driver
// to touch it. The tutorial counts as already seen unless a test says otherwise.
class HomeFixture : public testing::Test {
  protected:
    static constexpr const char* listFile =
        "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraList.plist";
    static constexpr const char* prefsFile =
        "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";
    static constexpr const char* setupFolder = "/var/mobile/Kelvora/Setup";

    void SetUp() override {
        root.makeFolder("/var/jb/vmo/Library/Preferences");
        root.makeFolder(setupFolder);
    }

    void markTutorialSeen() const { setPreference("didShowTutorial", true); }

    static void setPreference(const std::string& key, foundation::PlistValue value) {
        SetupManager::sharedInstance().setObject(std::move(value), key,
                                                 std::string("com.zerovin.KelvoraPrefs"));
    }
    std::optional<foundation::PlistValue> preference(const std::string& key) const {
        auto domain = foundation::dictionaryWithContentsOfFile(prefsFile);
        if (!domain || !domain->count(key)) {
            return std::nullopt;
        }
        return domain->find(key)->second;
    }

    static foundation::PlistDictionary record(
        const std::string& name, const std::string& folder,
        const std::string& creationDate = "0101202401000000") {
        return {{"setupFolderName", folder},
                {"setupName", name},
                {"setupIcon", "gear"},
                {"setupColour", "0A84FE"},
                {"createdDate", "Monday 1 Jan, 2024 01:00"},
                {"creationDate", creationDate}};
    }
    void writeList(const foundation::PlistArray& records) const {
        ASSERT_TRUE(foundation::writeToFile({{"setupArray", records}}, listFile).ok());
    }
    // The list as it is on disk.
    foundation::PlistArray storedList() const {
        auto list = foundation::dictionaryWithContentsOfFile(listFile);
        if (!list || !list->count("setupArray")) {
            return {};
        }
        const auto* array = list->find("setupArray")->second.get<foundation::PlistArray>();
        return array ? *array : foundation::PlistArray{};
    }
    std::vector<std::string> storedNames() const {
        std::vector<std::string> names;
        for (const auto& entry : storedList()) {
            names.push_back(SetupData::fromRecord(entry).setupName);
        }
        return names;
    }
    std::vector<std::string> setupFolders() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root.host(setupFolder))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Shows the screen in a new window, as the app does at each launch.
    void launch(kit::Screen device = kit::Screen::notched()) {
        window = std::make_shared<kit::Window>(device);
        screen = std::make_shared<SetupViewController>();
        navigation = kit::NavigationController::make(screen);
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        driver = std::make_unique<kit::Driver>(window);
    }

    // The names of the tiles in reading order.
    std::vector<std::string> tileNames() const {
        std::vector<std::string> names;
        for (std::int64_t item = 0; item < screen->collectionView()->numberOfItems(0); ++item) {
            auto cell = screen->collectionView()->cellForItem(kit::IndexPath::forItem(item, 0));
            names.push_back(cell ? cell->accessibilityLabel() : "(not on screen)");
        }
        return names;
    }

    testsupport::DeviceRoot root;
    testsupport::LogCapture log;
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<SetupViewController> screen;
    std::shared_ptr<kit::NavigationController> navigation;
    std::unique_ptr<kit::Driver> driver;
};

}  // namespace kelvora

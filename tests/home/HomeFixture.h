#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "home/SetupViewController.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/NavigationController.h"
#include "store/SetupManager.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

// The "Setup" tab as the app sets it up: the Setups screen at the root of a navigation
// controller, over a device root with the app's folders.
class HomeFixture : public testing::Test {
  protected:
    using Names = std::vector<std::string>;
    static constexpr const char* listFile =
        "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraList.plist";
    static constexpr const char* setupFolder = "/var/mobile/Kelvora/Setup";

    explicit HomeFixture(kit::Screen device = kit::Screen::notched()) : ui(device) {
        ui.root.makeFolder("/var/jb/vmo/Library/Preferences");
        ui.root.makeFolder(setupFolder);
    }

    inline static const SetupManager::DomainID PrefsID = std::string("com.zerovin.KelvoraPrefs");
    static void setPreference(const std::string& key, foundation::PlistValue value) {
        SetupManager::sharedInstance().setObject(std::move(value), key, PrefsID);
    }
    static foundation::PlistDictionary record(const std::string& name, const std::string& folder,
                                              const std::string& date = "0101202401000000") {
        return {{"setupFolderName", folder},
                {"setupName", name},
                {"setupIcon", "gear"},
                {"setupColour", "0A84FE"},
                {"createdDate", "Monday 1 Jan, 2024 01:00"},
                {"creationDate", date}};
    }
    static void writeList(const foundation::PlistArray& records) {
        ASSERT_TRUE(foundation::writeToFile({{"setupArray", records}}, listFile).ok());
    }
    static std::vector<std::string> storedNames() {
        std::vector<std::string> names;
        for (const auto& entry : SetupManager::sharedInstance().loadSetupArray()) {
            names.push_back(SetupData::fromRecord(entry).setupName);
        }
        return names;
    }
    std::vector<std::string> setupFolders() const {
        return testsupport::entries(ui.root.host(setupFolder));
    }

    // Shows the screen in a new window, as the app does at each launch.
    void launch() {
        screen = std::make_shared<SetupViewController>();
        navigation = kit::NavigationController::make(screen);
        ui.show(navigation);
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

    testsupport::ScreenHarness ui;
    std::shared_ptr<SetupViewController> screen;
    std::shared_ptr<kit::NavigationController> navigation;
};

}  // namespace kelvora

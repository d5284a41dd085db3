#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/SetupExplorerViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/NavigationController.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

// The explorer of the Setup "Work Bench" (folder "bench") in a navigation controller, as the
// Setups screen pushes it, with the objects of the refresh notifications it posts.
class FileScreenFixture : public testing::Test, protected testsupport::ScreenHarness {
  protected:
    using Lines = std::vector<std::string>;

    const std::string prefs = "/var/jb/vmo/Library/Preferences/";
    const std::string setup = "/var/mobile/Kelvora/Setup/bench/";
    std::shared_ptr<SetupExplorerViewController> explorer;
    std::shared_ptr<kit::NavigationController> navigation;
    std::shared_ptr<int> observer = std::make_shared<int>(0);
    std::vector<const void*> refreshes;

    FileScreenFixture() {
        root.makeFolder(prefs);
        root.makeFolder(setup);
        foundation::NotificationCenter::defaultCenter().addObserver(
            observer, "RefreshSetupDataNotification",
            [this](const foundation::Notification& note) { refreshes.push_back(note.object); });
    }
    void openExplorer() {
        explorer = SetupExplorerViewController::initWithData(
            {"bench", "Work Bench", "04C7BE", "folder", "Dec 6, 2026"});
        navigation = kit::NavigationController::make(explorer);
        show(navigation);
    }
    void pref(const std::string& name, std::string_view contents = "<plist/>") const {
        root.write(prefs + name, contents);
    }
    void setupFile(const std::string& name, std::string_view contents = "<plist/>") const {
        root.write(setup + name, contents);
    }
    Lines listed(const std::string& folder) const {
        return testsupport::entries(root.host(folder));
    }
    static std::shared_ptr<kit::AlertController> alertOver(const kit::ViewController& screen) {
        return std::dynamic_pointer_cast<kit::AlertController>(screen.presentedViewController());
    }
};

}  // namespace kelvora

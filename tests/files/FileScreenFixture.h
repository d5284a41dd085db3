#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/FilePickerViewController.h"
#include "files/SetupExplorerViewController.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/Driver.h"
#include "platform/kit/NavigationController.h"
#include "platform/kit/Window.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace kelvora {

// The Setup explorer of the Setup "Work Bench" (folder "bench") on a notched window, in a
// navigation controller as the Setups screen pushes it, over a device root in a temporary
// folder; a driver to touch it; the log lines and the refresh notifications it sends.
class FileScreenFixture : public testing::Test {
  protected:
    static constexpr std::string_view kPrefs = "/var/jb/vmo/Library/Preferences/";
    static constexpr std::string_view kSetup = "/var/mobile/Kelvora/Setup/bench/";

    testsupport::DeviceRoot root;
    testsupport::LogCapture log;
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<SetupExplorerViewController> explorer;
    std::shared_ptr<kit::NavigationController> navigation;
    std::unique_ptr<kit::Driver> driver;
    std::shared_ptr<int> observer = std::make_shared<int>(0);
    // The objects of the "RefreshSetupDataNotification"s posted.
    std::vector<const void*> refreshes;

    void SetUp() override {
        foundation::DateFormatter::setDeviceLocale("en_US");
        foundation::DateFormatter::setDeviceTimeZone("UTC");
        root.makeFolder(std::string(kPrefs));
        root.makeFolder(std::string(kSetup));
        foundation::NotificationCenter::defaultCenter().addObserver(
            observer, "RefreshSetupDataNotification",
            [this](const foundation::Notification& note) { refreshes.push_back(note.object); });
    }
    void TearDown() override {
        foundation::DateFormatter::setDeviceLocale("");
        foundation::DateFormatter::setDeviceTimeZone("");
    }

    void openExplorer() {
        explorer = SetupExplorerViewController::initWithData(
            {"bench", "Work Bench", "04C7BE", "folder", "Dec 6, 2026"});
        navigation = kit::NavigationController::make(explorer);
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        driver = std::make_unique<kit::Driver>(window);
        driver->settle();
    }
    // Opens the explorer and its picker, and waits for the picker's transition to end.
    std::shared_ptr<FilePickerViewController> openPicker() {
        if (!explorer) {
            openExplorer();
        }
        EXPECT_TRUE(driver->tap("plus").ok());
        driver->wait(1);
        auto shown = std::dynamic_pointer_cast<kit::NavigationController>(
            navigation->presentedViewController());
        if (!shown) {
            ADD_FAILURE() << "the picker is not on screen";
            return nullptr;
        }
        return std::dynamic_pointer_cast<FilePickerViewController>(shown->topViewController());
    }
    void tap(std::string_view text) {
        auto tapped = driver->tap(text);
        EXPECT_TRUE(tapped.ok()) << (tapped.ok() ? "" : tapped.error().description);
    }
    // Taps and lets every transition and the 0.2 s closing step run.
    void tapAndWait(std::string_view text) {
        tap(text);
        driver->wait(1);
    }

    void pref(std::string_view name, std::string_view contents = "<plist/>") const {
        root.write(std::string(kPrefs) + std::string(name), contents);
    }
    void setupFile(std::string_view name, std::string_view contents = "<plist/>") const {
        root.write(std::string(kSetup) + std::string(name), contents);
    }
    std::string readPref(std::string_view name) const {
        return root.read(std::string(kPrefs) + std::string(name));
    }
    std::string readSetup(std::string_view name) const {
        return root.read(std::string(kSetup) + std::string(name));
    }
    bool inSetup(std::string_view name) const {
        return foundation::FileManager::defaultManager().fileExists(std::string(kSetup) +
                                                                    std::string(name));
    }
    // Names of every entry of a host folder, temporary ones included.
    std::vector<std::string> entries(std::string_view devicePath) const;

    // Makes every operation of `operation` on a path that starts with `prefix` fail.
    static void failUnder(foundation::FaultKind operation, std::string prefix, int error) {
        foundation::FileManager::defaultManager().setFaultHook(
            [operation, prefix, error](foundation::FaultKind op,
                                       std::string_view path) -> std::optional<int> {
                if (op == operation && path.substr(0, prefix.size()) == prefix) {
                    return error;
                }
                return std::nullopt;
            });
    }
};

}  // namespace kelvora

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Application.h"
#include "platform/kit/Driver.h"
#include "platform/kit/Window.h"
#include "settings/SettingViewController.h"
#include "tests/settings/SettingsFixture.h"
#include "tests/support/LogCapture.h"

namespace kelvora {

// The settings screen as the key window's root, built from a resource the test writes, with
// a finger to drive it and a recorder in place of the system's URL opener.
class SettingsScreenFixture : public SettingsFixture {
  protected:
    void SetUp() override {
        previousOpener = kit::Application::shared()->setURLOpener([this](const std::string& url) {
            opened.push_back(url);
            return true;
        });
    }
    void TearDown() override {
        kit::Application::shared()->setURLOpener(previousOpener);
        foundation::MainQueue::main().reset();
    }

    // Call after writing the resource.
    void showScreen() {
        screen = SettingViewController::make(foundation::Bundle(bundleFolder()));
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
        driver = std::make_unique<kit::Driver>(window);
        driver->settle();
    }
    kit::Point centreInWindow(const kit::View& view) const {
        return view.convertToWindow({view.bounds().midX(), view.bounds().midY()});
    }
    std::shared_ptr<kit::TableViewCell> cellAt(std::int64_t section, std::int64_t row) const {
        return screen->tableView()->cellForRow({section, row});
    }

    testsupport::LogCapture log;
    std::vector<std::string> opened;
    kit::Application::URLOpener previousOpener;
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<SettingViewController> screen;
    std::unique_ptr<kit::Driver> driver;
};

}  // namespace kelvora

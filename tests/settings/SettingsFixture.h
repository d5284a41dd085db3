#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/Application.h"
#include "settings/SettingViewController.h"
#include "settings/SettingsModel.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

// A device, a bundle folder where each test writes the settings resource it needs, and a
// recorder in place of the system's URL opener for the screen built from it.
class SettingsFixture : public testing::Test, protected testsupport::ScreenHarness {
  protected:
    // Unlike every named colour and gray, so a test can tell where a colour came from.
    const kit::Color accent = kit::Color::rgba(0.1, 0.2, 0.3);
    std::vector<std::string> opened;
    kit::Application::URLOpener previousOpener =
        kit::Application::shared()->setURLOpener([this](const std::string& url) {
            opened.push_back(url);
            return true;
        });
    std::shared_ptr<SettingViewController> screen;

    ~SettingsFixture() override { kit::Application::shared()->setURLOpener(previousOpener); }

    std::filesystem::path bundleFolder() const { return root.hostRoot() / "bundle"; }
    void writeResourceText(std::string_view text) const {
        std::filesystem::create_directories(bundleFolder());
        std::ofstream(bundleFolder() / "QVSettings.plist", std::ios::binary) << text;
    }
    void writeResource(const foundation::PlistArray& entries) const {
        writeResourceText(foundation::xmlPropertyList(
            foundation::PlistDictionary{{"Preferences", foundation::PlistValue(entries)}}));
    }
    SettingsModel loadModel() const {
        SettingsModel model(accent);
        model.setupData(foundation::Bundle(bundleFolder()));
        return model;
    }
    void showScreen(const std::filesystem::path& bundle) {
        screen = SettingViewController::make(foundation::Bundle(bundle));
        show(screen);
    }
    void showScreen() { showScreen(bundleFolder()); }
    std::shared_ptr<kit::AlertController> presentedAlert() const {
        return std::dynamic_pointer_cast<kit::AlertController>(screen->presentedViewController());
    }
    static kit::Point centreOf(const kit::View& view) {
        return view.convertToWindow({view.bounds().midX(), view.bounds().midY()});
    }
    static foundation::PlistDictionary entry(std::string cellType,
                                             foundation::PlistDictionary more = {}) {
        more["CellType"] = std::move(cellType);
        return more;
    }
    static foundation::PlistDictionary header(std::string title) {
        return entry("ZerovinPrefsSectionHeaderCell", {{"Title", std::move(title)}});
    }
};

}  // namespace kelvora

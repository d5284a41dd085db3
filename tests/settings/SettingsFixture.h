#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/PropertyList.h"
#include "settings/SettingsModel.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

// A device root, and a bundle folder where each test writes the settings resource it needs.
class SettingsFixture : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    // Unlike every named colour and gray, so a test can tell where a colour came from.
    const kit::Color accent = kit::Color::rgba(0.1, 0.2, 0.3);

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

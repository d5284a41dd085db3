#include "platform/host/SampleRoot.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "platform/foundation/BinaryPlistWriter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"

namespace host {

namespace {

using foundation::PlistArray;
using foundation::PlistDate;
using foundation::PlistDictionary;

struct Sample {
    const char* domain;
    bool binary;
    PlistDictionary values;
};

// 2026-11-02 09:14 UTC, seconds since 2001.
constexpr double kInstallDate = 815303640;

std::vector<Sample> samples() {
    return {
        {"com.lumen.dockfade",
         false,
         {{"enabled", true}, {"fadeAlpha", 0.6}, {"hideLabels", false}, {"dockRows", 1}}},
        {"com.lumen.statusglow",
         true,
         {{"enabled", true}, {"glowColour", "FF9F0A"}, {"radius", 6}, {"onLockScreen", false}}},
        {"org.quietly.notchtimer",
         false,
         {{"enabled", true},
          {"format", "HH:mm"},
          {"showSeconds", false},
          {"installDate", PlistDate{kInstallDate}}}},
        {"io.harbor.keyboardplus",
         true,
         {{"enabled", true},
          {"hapticStrength", 2},
          {"swipeToDelete", true},
          {"rows", PlistArray{"numbers", "letters", "emoji"}}}},
        {"com.pebblesoft.springtiles",
         false,
         {{"enabled", true},
          {"columns", 5},
          {"spacing", 12.5},
          {"pages", PlistDictionary{{"home", 3}, {"today", true}}}}},
        {"com.pebblesoft.springtiles.colours",
         true,
         {{"background", "1C1C1E"}, {"tile", "2C2C2E"}, {"accent", "30D158"}}},
        {"net.tinker.batterybar",
         false,
         {{"enabled", false}, {"barHeight", 3}, {"lowColour", "FF453A"}, {"position", "top"}}},
        {"me.ferrow.lockwidgets",
         true,
         {{"enabled", true}, {"widgets", PlistArray{"weather", "calendar"}}, {"blur", 0.8}}},
        {"com.orbitapps.cleancc",
         false,
         {{"enabled", true},
          {"hiddenModules", PlistArray{"timer", "notes"}},
          {"cornerRadius", 22}}},
        {"dev.saltwater.volumehud",
         true,
         {{"enabled", true}, {"style", "pill"}, {"duration", 1.5}, {"signature", "c2FsdA=="}}},
        {"com.brightmoss.folderblur",
         false,
         {{"enabled", true}, {"blurRadius", 18}, {"tintFolders", true}}},
        {"ws.kettle.swipeselect",
         true,
         {{"enabled", true}, {"sensitivity", 0.35}, {"lastRun", PlistDate{kInstallDate + 86400}}}},
        // System domains: present on every phone, left out of every list.
        {"com.apple.springboard", true, {{"SBShowBatteryPercentage", true}}},
        {".GlobalPreferences", true, {{"AppleLanguages", PlistArray{"en-GB"}}}},
        {"com.google.analytics", false, {{"installationID", "0f6c2e"}}},
    };
}

// Whether a file can be made in `root`, found by making one: the mode bits alone do not tell
// (a read-only mount, or a user who may write anywhere).
foundation::Result<void> checkWritable(const std::filesystem::path& root) {
    std::string probe = (root / ".kelvora-write-check-XXXXXX").string();
    int descriptor = mkstemp(probe.data());
    if (descriptor < 0) {
        return foundation::Error{"The device root " + root.string() +
                                 " cannot be written to: " + std::strerror(errno)};
    }
    close(descriptor);
    unlink(probe.c_str());
    return {};
}

}  // namespace

foundation::Result<bool> SampleRoot::prepare(const std::filesystem::path& root) {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(root, error))) {
        if (!std::filesystem::is_directory(root, error)) {
            return foundation::Error{"The device root " + root.string() + " is not a folder"};
        }
        if (auto writable = checkWritable(root); !writable) {
            return writable.error();
        }
        return false;
    }
    if (!std::filesystem::create_directories(root, error) || error) {
        return foundation::Error{"Cannot make the device root " + root.string() + ": " +
                                 error.message()};
    }
    foundation::FileManager::defaultManager().setRoot(root);
    auto seeded = seed();
    if (!seeded) {
        return seeded.error();
    }
    return true;
}

foundation::Result<void> SampleRoot::seed() {
    auto& files = foundation::FileManager::defaultManager();
    auto made = files.createDirectory(kPreferencesFolder, true);
    if (!made) {
        return made.error();
    }
    for (const auto& sample : samples()) {
        std::string path = std::string(kPreferencesFolder) + "/" + sample.domain + ".plist";
        std::string bytes = sample.binary ? foundation::binaryPropertyList(sample.values)
                                          : foundation::xmlPropertyList(sample.values);
        auto written = files.writeAtomically(path, bytes);
        if (!written) {
            return written.error();
        }
    }
    return {};
}

std::vector<std::string> SampleRoot::sampleNames() {
    std::vector<std::string> names;
    for (const auto& sample : samples()) {
        names.push_back(std::string(sample.domain) + ".plist");
    }
    return names;
}

}  // namespace host

#include "store/SetupManager.h"

#include <tuple>

#include "platform/foundation/FileManager.h"
#include "store/HexColourCodec.h"
#include "store/PreferenceFile.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

void createFolderIfNothingIsThere(std::string_view path) {
    auto& files = foundation::FileManager::defaultManager();
    bool isDirectory = false;
    if (files.fileExists(path, isDirectory)) {
        return;
    }
    // A folder that could not be made is reported by whatever later fails to write into it.
    std::ignore = files.createDirectory(path, true);
}

}  // namespace

SetupManager& SetupManager::sharedInstance() {
    static SetupManager instance;
    return instance;
}

void SetupManager::checkIfKelvoraFolderExist() const {
    createFolderIfNothingIsThere(kKelvoraFolderPath);
}

void SetupManager::checkIfSetupFolderExist() const {
    createFolderIfNothingIsThere(kSetupFolderPath);
}

void SetupManager::checkIfOriginalFolderExist() const {
    createFolderIfNothingIsThere(kOriginalFolderPath);
}

foundation::PlistArray SetupManager::loadSetupArray() const {
    auto file = PreferenceFile::read(std::string(kSetupListFilePath));
    auto found = file.dictionary().find(kSetupArrayKey);
    if (found == file.dictionary().end()) {
        return {};
    }
    auto* records = found->second.get<foundation::PlistArray>();
    return records ? std::move(*records) : foundation::PlistArray();
}

// A list of another type reads as empty; like an unreadable file, it is copied aside before it
// is replaced, so nothing a hand or another program put there is lost.
foundation::Result<void> SetupManager::saveSetupArray(
    const foundation::PlistArray& setupArray) const {
    auto file = PreferenceFile::read(std::string(kSetupListFilePath));
    auto found = file.dictionary().find(kSetupArrayKey);
    if (found != file.dictionary().end() && !found->second.get<foundation::PlistArray>()) {
        file.keepCopyBeforeWriting();
    }
    file.dictionary().insert_or_assign(std::string(kSetupArrayKey), setupArray);
    return file.write();
}

std::string SetupManager::originalPrefsFilesPath() const {
    return std::string(kPreferencesFolderPath);
}

std::string SetupManager::newSetupFolderPathWithName() const {
    return std::string(kOriginalFolderPrefix);
}

kit::Color SetupManager::colorWithHexString(std::string_view hexString) const {
    return HexColourCodec().colorWithHexString(hexString);
}

std::string SetupManager::hexStringFromColor(const kit::Color& color) const {
    return HexColourCodec::hexStringFromColor(color);
}

}  // namespace kelvora

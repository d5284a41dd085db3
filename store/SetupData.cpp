#include "store/SetupData.h"

#include "store/StoreConstants.h"

namespace kelvora {

namespace {

std::string stringEntry(const foundation::PlistDictionary& record, std::string_view key) {
    auto found = record.find(key);
    if (found == record.end()) {
        return {};
    }
    const auto* text = found->second.get<std::string>();
    return text ? *text : std::string();
}

}  // namespace

SetupData SetupData::fromRecord(const foundation::PlistValue& record) {
    SetupData data;
    const auto* dictionary = record.get<foundation::PlistDictionary>();
    if (!dictionary) {
        return data;
    }
    data.setupFolderName = stringEntry(*dictionary, kSetupFolderNameKey);
    data.setupName = stringEntry(*dictionary, kSetupNameKey);
    data.setupColour = stringEntry(*dictionary, kSetupColourKey);
    data.setupIcon = stringEntry(*dictionary, kSetupIconKey);
    data.createdDate = stringEntry(*dictionary, kCreatedDateKey);
    return data;
}

}  // namespace kelvora

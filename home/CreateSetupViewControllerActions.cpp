#include <chrono>
#include <optional>
#include <string>
#include <tuple>

#include "appearance/SetupAppearance.h"
#include "home/CreateSetupViewController.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/kit/AlertController.h"
#include "store/PathFormat.h"
#include "store/SetupFolder.h"
#include "store/SetupFolderName.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

// The name of a record as stored; a record without a string name matches no name at all,
// not even an empty one.
std::optional<std::string> storedName(const foundation::PlistValue& record) {
    const auto* dictionary = record.get<foundation::PlistDictionary>();
    auto found = dictionary ? dictionary->find(kSetupNameKey)
                            : foundation::PlistDictionary::const_iterator();
    if (!dictionary || found == dictionary->end() || !found->second.is<std::string>()) {
        return std::nullopt;
    }
    return *found->second.get<std::string>();
}

}  // namespace

void CreateSetupViewController::captureName() {
    textField->resignFirstResponder();
    nameString = textField->text();
}

void CreateSetupViewController::dismissKeyboard() {
    captureName();
    checkAllValues();
}

void CreateSetupViewController::didSelectedColourWithHex(const std::string& hex) {
    captureName();
    colourString = hex;
    checkAllValues();
}

void CreateSetupViewController::didSelectedIconWithImageName(const std::string& imageName) {
    captureName();
    iconString = imageName;
    checkAllValues();
}

// Done only ever appears: clearing the name later leaves it visible, and the name is
// checked again when it is pressed.
void CreateSetupViewController::checkAllValues() {
    if (!isStringEmpty(&nameString) && !isStringEmpty(&colourString) &&
        !isStringEmpty(&iconString)) {
        navbarView->rightTitleButton()->setAlpha(1);
    }
}

bool CreateSetupViewController::isStringEmpty(const std::string* text) {
    return text == nullptr || text->empty();
}

void CreateSetupViewController::dismissVC() {
    dismiss(true);
}

void CreateSetupViewController::showAlertWithTitle(const std::string& title,
                                                   const std::string& sub) {
    auto alert = kit::AlertController::make(title, sub, kit::AlertControllerStyle::alert);
    alert->view()->setTintColor(SetupAppearance::setupAccentColour());
    alert->addAction({"Okay", kit::AlertActionStyle::cancel, {}});
    present(alert, true);
}

void CreateSetupViewController::saveChanges() {
    captureName();
    std::string folderName = setupFolderNameForName(nameString);
    array = SetupManager::sharedInstance().loadSetupArray();
    for (const auto& record : array) {
        if (storedName(record) == nameString) {
            showAlertWithTitle("Sorry", formatPath("Sorry you already had %@ saved in Setup, "
                                                   "please create new Setup with different name.",
                                                   {nameString}));
            return;
        }
    }
    if (!createSetupFolder(folderName)) {
        return;
    }
    SetupData data = appendRecord(folderName);
    if (data.setupFolderName.empty()) {
        return;
    }
    auto receiver = delegate.lock();
    dismissVC();
    if (receiver) {
        receiver->didCreatedNewSetupAndNeedUpdateWithData(data);
    }
}

bool CreateSetupViewController::createSetupFolder(const std::string& folderName) {
    std::string reason;
    if (auto unsafe = SetupFolder::unsafeNameReason(folderName)) {
        reason = *unsafe;
    } else {
        auto made = foundation::FileManager::defaultManager().createDirectory(
            formatPath(kSetupFolderPathFormat, {folderName}), false);
        if (made) {
            foundation::Log::write(formatPath("Create %@ directory successfully!", {folderName}));
            return true;
        }
        reason = made.error().description;
    }
    foundation::Log::write(formatPath("Create %@ directory error: %@", {folderName, reason}));
    showAlertWithTitle("Sorry", formatPath("Unable to create %@ setup folder and please try "
                                           "again with different name. \n%@",
                                           {nameString, reason}));
    return false;
}

// Returns the new Setup, or an empty one when the list could not be written; then the
// folder just made is taken away again, so no Setup exists half.
SetupData CreateSetupViewController::appendRecord(const std::string& folderName) {
    auto now = std::chrono::system_clock::now();
    std::string createdDate = foundation::DateFormatter("EEEE d MMM, yyyy HH:mm").format(now);
    std::string creationDate =
        foundation::DateFormatter::withPattern(kCreationDatePattern)->format(now);
    array.push_back(foundation::PlistDictionary{
        {std::string(kSetupFolderNameKey), folderName},
        {std::string(kSetupNameKey), nameString},
        {std::string(kSetupIconKey), iconString},
        {std::string(kSetupColourKey), colourString},
        {std::string(kCreatedDateKey), createdDate},
        {std::string(kCreationDateKey), creationDate},
    });
    auto saved = SetupManager::sharedInstance().saveSetupArray(array);
    if (!saved) {
        std::string path = formatPath(kSetupFolderPathFormat, {folderName});
        std::ignore = foundation::FileManager::defaultManager().removeItem(path);
        foundation::Log::write(
            formatPath("Save %@ setup error: %@", {folderName, saved.error().description}));
        showAlertWithTitle("Error", saved.error().description);
        return {};
    }
    return {folderName, nameString, colourString, iconString, createdDate};
}

}  // namespace kelvora

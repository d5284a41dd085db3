#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "settings/SettingViewController.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

constexpr double kClosingDelay = 0.2;

}  // namespace

const std::string& SettingViewController::originalPrefsFilesPath() {
    static const std::string path(kOriginalFolderPrefix);
    return path;
}

const std::string& SettingViewController::prefsFolderPath() {
    static const std::string path(kPreferencesFolderPath);
    return path;
}

// Every entry of the Original folder goes over its namesake in the Preferences folder, all in
// one batch that waits for the disk once. Each copy goes to a temporary name and is renamed over
// the old file, so a copy that fails keeps the file the tweak has now; the Original folder is only
// read, so the restore can be run again. The closing message claims success only when every entry
// was restored.
void SettingViewController::beginRestoreOriginalFiles() {
    auto names =
        foundation::FileManager::defaultManager().contentsOfDirectory(originalPrefsFilesPath());
    if (!names || names->empty()) {
        return;
    }
    const std::string last = foundation::appendingPathComponent(prefsFolderPath(), names->back());
    foundation::Log::write("last file " + last);
    std::vector<std::pair<std::string, std::string>> fromTo;
    fromTo.reserve(names->size());
    for (const std::string& name : *names) {
        fromTo.emplace_back(foundation::appendingPathComponent(originalPrefsFilesPath(), name),
                            foundation::appendingPathComponent(prefsFolderPath(), name));
    }
    const auto copies = foundation::FileManager::defaultManager().copyItemsReplacing(fromTo);
    bool everyEntryRestored = true;
    bool lastRestored = false;
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        lastRestored = restoreEntry(fromTo[index].second, copies[index], last);
        everyEntryRestored = everyEntryRestored && lastRestored;
    }
    if (!lastRestored) {
        return;
    }
    std::weak_ptr<SettingViewController> weak = self();
    foundation::MainQueue::main().after(kClosingDelay, [weak, everyEntryRestored] {
        if (auto screen = weak.lock()) {
            screen->finishRestore(everyEntryRestored);
        }
    });
}

bool SettingViewController::restoreEntry(const std::string& destination,
                                         const foundation::Result<void>& copied,
                                         const std::string& last) {
    messageView_->setAlpha(1);
    messageView_->beginAnimateWithMessage("");
    if (!copied) {
        foundation::Log::write("failed copy all files");
        messageView_->setAlpha(0);
        messageView_->stopAnimate();
        showAlertWithTitle("Error", copied.error().description);
        return false;
    }
    foundation::Log::write("successfully copy all files " + destination);
    messageView_->messageLabel()->setText("Copying " + destination);
    if (destination == last) {
        foundation::Log::write("yay saved the fucking last file");
    }
    return true;
}

void SettingViewController::finishRestore(bool everyEntryRestored) {
    messageView_->setAlpha(0);
    messageView_->stopAnimate();
    if (everyEntryRestored) {
        showAlertWithTitle("Kelvora",
                           "Successfully restore original files to Preferences folder and you will "
                           "need to respring your device for the tweak settings to take effect.");
    }
}

}  // namespace kelvora

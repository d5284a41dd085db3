#include "platform/foundation/FileManager.h"
#include "settings/SettingViewController.h"
#include "store/StoreConstants.h"
#include "ui/FileWalkPresenter.h"

namespace kelvora {

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
    if (!names) {
        return;
    }
    std::weak_ptr<SettingViewController> weak = kit::sharedSelf(this);
    FileWalkPresenter::run(
        FileWalk::restore(originalPrefsFilesPath(), prefsFolderPath(), std::move(*names)),
        messageView_, kit::sharedSelf(this), FileWalkPresenter::Closing::whenLastSucceeded,
        [weak](const FileWalkSummary& summary) {
            if (auto screen = weak.lock()) {
                screen->finishRestore(summary);
            }
        });
}

void SettingViewController::finishRestore(const FileWalkSummary& summary) {
    if (summary.failures.empty()) {
        showAlertWithTitle("Kelvora",
                           "Successfully restore original files to Preferences folder and you will "
                           "need to respring your device for the tweak settings to take effect.");
    }
}

}  // namespace kelvora

#include "app/SceneDelegate.h"

#include "app/TabViewController.h"
#include "appearance/SetupAppearance.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/WindowScene.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

void SceneDelegate::willConnect(const std::shared_ptr<kit::WindowScene>& scene) {
    // The phone loads its welcome-screen framework here for the tutorial; the tutorial
    // here is a sheet of the app's own, so there is nothing to load.
    window_ = scene->makeWindow();
    window_->setTintColor(SetupAppearance::setupAccentColour());
    SetupManager::sharedInstance().checkIfKelvoraFolderExist();
    foundation::MainQueue::main().after(kFolderCheckDelay, [] { checkFolders(); });
    window_->setRootViewController(TabViewController::make(bundle_));
    window_->makeKeyAndVisible();
}

void SceneDelegate::checkFolders() {
    auto& manager = SetupManager::sharedInstance();
    manager.checkIfSetupFolderExist();
    manager.checkIfOriginalFolderExist();
    manager.removeLeftovers();
    foundation::MainQueue::main().after(kSnapshotDelay, [] { takeSnapshotIfNeeded(); });
}

void SceneDelegate::takeSnapshotIfNeeded() {
    auto& manager = SetupManager::sharedInstance();
    if (!manager.boolForKey(kDidCopiedOriginalFilesKey, false, std::string(kKelvoraPrefsID))) {
        manager.copyOriginalFilesToKelvora();
    }
}

}  // namespace kelvora

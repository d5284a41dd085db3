#include "appearance/SetupAppearance.h"
#include "files/SetupExplorerViewController.h"
#include "home/CreateSetupViewController.h"
#include "home/SetupViewController.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/NavigationController.h"
#include "store/SetupFolder.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "ui/OkayAlert.h"

namespace kelvora {

void SetupViewController::presentCreateSetupVC() {
    auto form = std::make_shared<CreateSetupViewController>();
    form->delegate = kit::sharedSelf(this);
    form->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    form->setModalTransitionStyle(kit::ModalTransitionStyle::crossDissolve);
    present(form, true);
}

void SetupViewController::didCreatedNewSetupAndNeedUpdateWithData(const SetupData& data) {
    refreshData();
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    foundation::MainQueue::main().after(0.2, [weakSelf, data] {
        if (auto screen = weakSelf.lock()) {
            screen->pushSetupExplorerViewControllerWithData(data);
        }
    });
}

// A hand-edited record whose folder name reaches outside its own folder is never opened: its
// explorer would list, fill, empty or restore another folder. It can still be deleted, as a
// record only.
void SetupViewController::pushSetupExplorerViewControllerWithData(const SetupData& data) {
    if (auto reason = SetupFolder::unsafeNameReason(data.setupFolderName)) {
        present(OkayAlert::make(data.setupName,
                                "This Setup cannot be opened because its folder name \u201c" +
                                    data.setupFolderName + "\u201d is not a folder of its own. " +
                                    *reason + " It can only be deleted."),
                true);
        return;
    }
    if (auto navigation = navigationController()) {
        navigation->pushViewController(SetupExplorerViewController::initWithData(data), true);
    }
}

void SetupViewController::presentTutorialVC() {
    welcomeController_ =
        std::make_shared<TutorialViewController>("Kelvora", "Getting started tutorial", "kelvora");
    welcomeController_->addBulletedListItem(
        "Setup",
        "Click on the plus icon button to create a new setup, give your setup a name, choose a "
        "colour and an icon then create the new setup. From there click on your setup, press on "
        "the plus icon button to choose a tweak\u2019s plist files you want to save to your "
        "setup, you can select as much plists as you want. You can delete the setup by long "
        "pressing on the setup cells, also to delete the plist files from your setup or add "
        "more plist files.",
        "rectangle.portrait.fill");
    welcomeController_->addBulletedListItem(
        "Tweaks",
        "When you make some changes with tweaks like colour etc, you can choose those plists "
        "and add it to your setup.",
        "hammer.fill");
    welcomeController_->addBulletedListItem(
        "Restore",
        "When you have to have a different setup, choose which setups you want then you will "
        "see a restore button, click on that, it will copy all of the plist files from your "
        "setup to Preferences folder then respring your device and voila!",
        "doc.badge.gearshape.fill");
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    welcomeController_->setDoneHandler([weakSelf] {
        if (auto screen = weakSelf.lock()) {
            screen->dismissWelcomeController();
        }
    });
    welcomeController_->view()->setTintColor(SetupAppearance::setupAccentColour());
    present(welcomeController_, true);
}

// The flag is stored only here, so a launch that ends before "Done" shows the tutorial again.
void SetupViewController::dismissWelcomeController() {
    if (welcomeController_) {
        welcomeController_->dismiss(true);
    }
    SetupManager::sharedInstance().setBool(true, kDidShowTutorialKey, std::string(kKelvoraPrefsID));
}

}  // namespace kelvora

#include "app/TabViewController.h"

#include "appearance/SetupAppearance.h"
#include "home/SetupViewController.h"
#include "platform/kit/Image.h"
#include "platform/kit/NavigationController.h"
#include "platform/kit/TabBar.h"
#include "settings/SettingViewController.h"

namespace kelvora {

std::shared_ptr<TabViewController> TabViewController::make(foundation::Bundle bundle) {
    return std::make_shared<TabViewController>(Token{}, std::move(bundle));
}

void TabViewController::viewDidLoad() {
    kit::TabBarController::viewDidLoad();
    auto setups = std::make_shared<SetupViewController>();
    auto settings = SettingViewController::make(bundle_);
    setViewControllers({kit::NavigationController::make(setups), settings});
    // The item sits on the Setups screen itself; its navigation controller shows it.
    setups->setTabBarItem(
        {"Setup", kit::Image::systemImageNamed("rectangle.3.offgrid.fill"), kSetupTag});
    settings->setTabBarItem({"Settings", kit::Image::systemImageNamed("gear"), kSettingsTag});
    kit::TabBar::appearance().tintColor = SetupAppearance::setupAccentColour();
    // Opaque even while the content rests at the bar's edge.
    tabBar()->setScrollEdgeAppearance(kit::TabBarAppearance{});
}

}  // namespace kelvora

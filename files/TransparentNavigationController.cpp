#include "files/TransparentNavigationController.h"

namespace kelvora {

std::shared_ptr<TransparentNavigationController> TransparentNavigationController::make(
    std::shared_ptr<kit::ViewController> root) {
    auto controller = std::make_shared<TransparentNavigationController>();
    controller->pushViewController(root, false);
    return controller;
}

void TransparentNavigationController::viewDidLoad() {
    NavigationController::viewDidLoad();
    navigationBar()->setBackgroundTransparent(true);
    navigationBar()->setShadowHidden(true);
}

}  // namespace kelvora

#pragma once

#include <memory>

#include "platform/kit/NavigationController.h"

namespace kelvora {

// A navigation controller whose bar draws nothing of its own, so that the title and bar
// buttons float over the blurred header of the screen inside it.
class TransparentNavigationController final : public kit::NavigationController {
  public:
    static std::shared_ptr<TransparentNavigationController> make(
        std::shared_ptr<kit::ViewController> root);

  protected:
    void viewDidLoad() override;
};

}  // namespace kelvora

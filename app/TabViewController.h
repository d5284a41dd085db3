#pragma once

#include <memory>

#include "platform/foundation/Bundle.h"
#include "platform/kit/TabBarController.h"

namespace kelvora {

// The two tabs: the Setups grid inside a navigation controller, and the settings screen on
// its own. Both are made once and live as long as the app.
class TabViewController final : public kit::TabBarController {
    struct Token {
        explicit Token() = default;
    };

  public:
    static constexpr long kSetupTag = 0;
    static constexpr long kSettingsTag = 2;

    TabViewController(Token, foundation::Bundle bundle) : bundle_(std::move(bundle)) {}
    static std::shared_ptr<TabViewController> make(foundation::Bundle bundle);

    void viewDidLoad() override;
    std::string className() const override { return "TabViewController"; }

  private:
    foundation::Bundle bundle_;
};

}  // namespace kelvora

#pragma once

#include <memory>
#include <string>
#include <utility>

#include "platform/kit/Switch.h"
#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// An on/off setting: the shared card with a switch on its right. The switch lies in the
// content view, in front of the card, so it gets its own touches.
class ZerovinPrefsSwitchCell final : public ZerovinPrefsCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    ZerovinPrefsSwitchCell(Token, std::string reuseIdentifier)
        : ZerovinPrefsCell(std::move(reuseIdentifier)) {}
    static std::shared_ptr<ZerovinPrefsSwitchCell> make(std::string reuseIdentifier);

    const std::shared_ptr<kit::Switch>& toggleSwitch() const { return toggleSwitch_; }

  private:
    void buildSwitch();

    std::shared_ptr<kit::Switch> toggleSwitch_;
};

}  // namespace kelvora

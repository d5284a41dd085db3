#pragma once

#include <memory>
#include <string>

#include "platform/kit/AlertController.h"

namespace kelvora {

// The one-button alert every screen reports with: alert style, tinted with the accent
// colour, a single cancel-style "Okay" that only closes it.
class OkayAlert final {
  public:
    static std::shared_ptr<kit::AlertController> make(const std::string& title,
                                                      const std::string& message);
};

}  // namespace kelvora

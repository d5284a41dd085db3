#pragma once

#include <string>

#include "platform/kit/ApplicationDelegate.h"
#include "platform/kit/Responder.h"

namespace kelvora {

// Launching needs nothing of its own: the scene delegate does the work.
class AppDelegate final : public kit::Responder, public kit::ApplicationDelegate {
  public:
    static constexpr const char* kSceneConfigurationName = "Default Configuration";

    bool didFinishLaunching() override { return true; }
    kit::SceneConfiguration configurationForConnecting(const std::string& role) override;
};

}  // namespace kelvora

#pragma once

#include <string>

#include "platform/kit/SceneConfiguration.h"

namespace kit {

// The app's answers to the application: whether launching went well, and which entry of
// the scene manifest a connecting scene uses.
class ApplicationDelegate {
  public:
    virtual ~ApplicationDelegate() = default;
    virtual bool didFinishLaunching() { return true; }
    virtual SceneConfiguration configurationForConnecting(const std::string& role) = 0;
};

}  // namespace kit

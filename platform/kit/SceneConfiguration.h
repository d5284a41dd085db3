#pragma once

#include <string>

namespace kit {

// The role of a scene that shows the app's windows on the device's screen.
inline constexpr const char* windowApplicationRole = "windowApplication";

// What the app's delegate answers for a connecting scene: the name of an entry of the
// scene manifest, and the role of the session.
struct SceneConfiguration {
    std::string name;
    std::string role = windowApplicationRole;
};

}  // namespace kit

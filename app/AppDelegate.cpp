#include "app/AppDelegate.h"

namespace kelvora {

kit::SceneConfiguration AppDelegate::configurationForConnecting(const std::string& role) {
    return kit::SceneConfiguration{kSceneConfigurationName, role};
}

}  // namespace kelvora

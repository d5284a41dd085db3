#include "app/AppDelegate.h"

kit::SceneConfiguration AppDelegate::configurationForConnecting(const std::string& role) {
    return kit::SceneConfiguration{kSceneConfigurationName, role};
}

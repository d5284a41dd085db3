#include "app/AppDelegate.h"
#include "app/SceneDelegate.h"
#include "platform/host/HostMain.h"

int main(int argc, char** argv) {
    return host::applicationMain(
        argc, argv, [](kit::Application& application, const std::filesystem::path& resources) {
            application.setDelegate(std::make_shared<kelvora::AppDelegate>());
            application.registerSceneConfiguration(
                kelvora::AppDelegate::kSceneConfigurationName, [resources] {
                    return std::make_shared<kelvora::SceneDelegate>(foundation::Bundle(resources));
                });
        });
}

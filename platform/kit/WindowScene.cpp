#include "platform/kit/WindowScene.h"

#include "platform/kit/Window.h"

namespace kit {

WindowScene::WindowScene(Screen screen, SceneConfiguration configuration,
                         std::shared_ptr<WindowSceneDelegate> delegate,
                         std::weak_ptr<Responder> application)
    : screen_(screen),
      configuration_(std::move(configuration)),
      delegate_(std::move(delegate)),
      application_(std::move(application)) {}

std::shared_ptr<Window> WindowScene::makeWindow() {
    auto window = std::make_shared<Window>(screen_);
    window->setApplication(application_);
    windows_.push_back(window);
    return window;
}

std::vector<std::shared_ptr<Window>> WindowScene::windows() const {
    std::vector<std::shared_ptr<Window>> alive;
    for (const auto& weak : windows_) {
        if (auto window = weak.lock()) {
            alive.push_back(window);
        }
    }
    return alive;
}

}  // namespace kit

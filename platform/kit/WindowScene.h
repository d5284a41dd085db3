#pragma once

#include <memory>
#include <vector>

#include "platform/kit/SceneConfiguration.h"
#include "platform/kit/WindowSceneDelegate.h"
#include "platform/kit/Screen.h"

namespace kit {

class Responder;
class Window;

// One connected scene: the screen it shows on, its configuration, its delegate (which it
// keeps) and the windows made for it (which it does not keep: the delegate does).
class WindowScene final : public std::enable_shared_from_this<WindowScene> {
  public:
    WindowScene(Screen screen, SceneConfiguration configuration,
                std::shared_ptr<WindowSceneDelegate> delegate, std::weak_ptr<Responder> application);

    const Screen& screen() const { return screen_; }
    const SceneConfiguration& configuration() const { return configuration_; }
    const std::shared_ptr<WindowSceneDelegate>& delegate() const { return delegate_; }

    // A window on this scene's screen whose next responder is the application.
    std::shared_ptr<Window> makeWindow();
    std::vector<std::shared_ptr<Window>> windows() const;

  private:
    Screen screen_;
    SceneConfiguration configuration_;
    std::shared_ptr<WindowSceneDelegate> delegate_;
    std::weak_ptr<Responder> application_;
    std::vector<std::weak_ptr<Window>> windows_;
};

}  // namespace kit

#pragma once

#include <memory>

namespace kit {

class WindowScene;

// Sets up a scene's windows. The other lifecycle moments of a scene do nothing unless a
// delegate wants them to.
class WindowSceneDelegate {
  public:
    virtual ~WindowSceneDelegate() = default;
    virtual void willConnect(const std::shared_ptr<WindowScene>& scene) = 0;
    virtual void sceneDidDisconnect(const std::shared_ptr<WindowScene>& /*scene*/) {}
    virtual void sceneDidBecomeActive(const std::shared_ptr<WindowScene>& /*scene*/) {}
};

}  // namespace kit

#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Result.h"
#include "platform/kit/ApplicationDelegate.h"
#include "platform/kit/Responder.h"
#include "platform/kit/WindowSceneDelegate.h"
#include "platform/kit/Screen.h"
#include "platform/kit/WindowScene.h"

namespace kit {

class Window;

// The running app: its delegate, its scenes and their windows, and the way out to other
// apps. Opening a URL hands it to the opener the host installs (a recorder in tests); with
// none, or for a text that is not a URL, nothing opens and the completion hears false.
class Application final : public Responder {
  public:
    using URLOpener = std::function<bool(const std::string& url)>;
    using WindowSceneDelegateFactory = std::function<std::shared_ptr<WindowSceneDelegate>()>;

    static const std::shared_ptr<Application>& shared();

    const std::shared_ptr<ApplicationDelegate>& delegate() const { return delegate_; }
    void setDelegate(std::shared_ptr<ApplicationDelegate> delegate) {
        delegate_ = std::move(delegate);
    }
    // The scene manifest: the scene delegate a configuration name stands for.
    void registerSceneConfiguration(std::string name, WindowSceneDelegateFactory factory);

    // Finishes launching, then connects one scene on `screen`.
    foundation::Result<std::shared_ptr<WindowScene>> launch(Screen screen);
    foundation::Result<std::shared_ptr<WindowScene>> connectScene(Screen screen);
    const std::vector<std::shared_ptr<WindowScene>>& connectedScenes() const { return scenes_; }
    std::vector<std::shared_ptr<Window>> windows() const;
    std::shared_ptr<Window> keyWindow() const;

    // The completion runs on the main queue's next turn, as the phone calls it later.
    void openURL(const std::string& url, std::function<void(bool)> completion = {});
    // Installs `opener` and returns the one it replaces.
    URLOpener setURLOpener(URLOpener opener);

    // Forgets the delegate, the manifest, the scenes and the opener; for tests and hosts.
    void reset();

  private:
    std::shared_ptr<ApplicationDelegate> delegate_;
    std::map<std::string, WindowSceneDelegateFactory> manifest_;
    std::vector<std::shared_ptr<WindowScene>> scenes_;
    URLOpener opener_;
};

}  // namespace kit

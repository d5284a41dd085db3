#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "platform/foundation/Result.h"
#include "platform/host/HostOptions.h"
#include "platform/host/Script.h"
#include "platform/kit/Window.h"
#include "platform/render/Renderer.h"

namespace host {

// One run of the app: launches it, and plays the script or takes the screenshot the
// command line asked for. It knows nothing of windows on the desktop: a window shows what
// it draws (SdlWindow), a headless run only writes files.
class HostSession final {
  public:
    // The seconds of clock a screenshot lets pass first, so start-up steps have run.
    static constexpr double kScreenshotDelay = 1.0;

    HostSession(HostOptions options, std::optional<Script> script);

    foundation::Result<void> launch();
    const std::shared_ptr<kit::Window>& window() const { return window_; }
    const HostOptions& options() const { return options_; }
    const render::Renderer& renderer() const { return renderer_; }

    // Plays the script and takes the screenshot asked for, in that order; returns the
    // exit status. `afterStep` lets a window show each step.
    int runRequested(const std::function<void()>& afterStep = {});
    bool hasRequestedWork() const { return script_ || options_.screenshot; }
    int runHeadless();

    foundation::Result<void> writeScreenshot(const std::filesystem::path& path) const;

  private:
    HostOptions options_;
    std::optional<Script> script_;
    render::Renderer renderer_;
    std::shared_ptr<kit::Window> window_;
};

}  // namespace host

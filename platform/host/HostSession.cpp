#include "platform/host/HostSession.h"

#include "platform/host/Console.h"
#include "platform/host/ScriptRunner.h"
#include "platform/kit/Application.h"
#include "platform/kit/Driver.h"

namespace host {

HostSession::HostSession(HostOptions options, std::optional<Script> script)
    : options_(std::move(options)),
      script_(std::move(script)),
      renderer_(options_.scale.value_or(1)) {}

foundation::Result<void> HostSession::launch() {
    auto scene = kit::Application::shared()->launch(kit::Screen::main());
    if (!scene) {
        return scene.error();
    }
    window_ = kit::Application::shared()->keyWindow();
    if (!window_) {
        return foundation::Error{"The app made no key window"};
    }
    kit::Driver(window_).settle();
    return {};
}

int HostSession::runRequested(const std::function<void()>& afterStep) {
    if (script_) {
        ScriptRunner runner(
            window_, [this](const std::filesystem::path& path) { return writeScreenshot(path); });
        runner.setStepObserver(afterStep);
        if (auto failure = runner.play(*script_)) {
            failure->erase(failure->find_last_not_of('\n') + 1);
            Console::error("Script step failed at " + *failure);
            return 1;
        }
    }
    if (options_.screenshot) {
        kit::Driver(window_).wait(kScreenshotDelay);
        if (auto written = writeScreenshot(*options_.screenshot); !written) {
            Console::error(written.error().description);
            return 1;
        }
        Console::note("Wrote " + options_.screenshot->string());
    }
    return 0;
}

int HostSession::runHeadless() {
    if (!hasRequestedWork()) {
        // Nothing to show and nothing asked: run the start-up through and stop.
        kit::Driver(window_).wait(kScreenshotDelay);
        return 0;
    }
    return runRequested();
}

foundation::Result<void> HostSession::writeScreenshot(const std::filesystem::path& path) const {
    if (path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
    }
    return renderer_.writePng(*window_, path);
}

}  // namespace host

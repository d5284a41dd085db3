#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Result.h"
#include "platform/host/Script.h"
#include "platform/kit/Driver.h"

namespace host {

// Plays a script against a window through the kit's driver, one step after another, each
// letting the main queue run until nothing is due now. Playing stops at the first step
// that fails; the report names its line, the step and the texts on screen at that moment.
class ScriptRunner final {
  public:
    using Screenshot = std::function<foundation::Result<void>(const std::filesystem::path& path)>;
    // Called after each step, so a window can show what the step did.
    using StepObserver = std::function<void()>;

    ScriptRunner(std::shared_ptr<kit::Window> window, Screenshot screenshot);

    void setStepObserver(StepObserver observer) { observer_ = std::move(observer); }

    // Empty when every step passed, else the report of the failed one.
    std::optional<std::string> play(const Script& script);

  private:
    foundation::Result<void> run(const ScriptStep& step);
    foundation::Result<void> tap(const ScriptStep& step);
    foundation::Result<void> expect(const ScriptStep& step, bool shown) const;
    foundation::Result<void> expectOrder(const ScriptStep& step) const;
    bool shows(const std::string& text, bool partial) const;
    std::string report(const ScriptStep& step, const foundation::Error& error) const;

    kit::Driver driver_;
    Screenshot screenshot_;
    StepObserver observer_;
};

}  // namespace host

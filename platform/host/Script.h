#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Result.h"
#include "platform/kit/Driver.h"

namespace host {

// A script of steps for the host to play, one a line; blank lines and lines starting with
// "#" are skipped. A script is read whole before anything runs, so a misspelt step near
// the end is refused before the app has been touched.
struct ScriptStep {
    enum class Kind { tap, longPress, type, key, wait, expect, expectNo, expectOrder, screenshot };

    int line = 0;
    std::string source;  // the line as written, for reports
    Kind kind = Kind::tap;
    std::string text;      // what to find, type or write to
    bool partial = false;  // "~TEXT": a part of a text matches
    std::vector<std::string> order;
    double seconds = 0;
    kit::Key key = kit::Key::returnKey;
};

class Script final {
  public:
    static foundation::Result<Script> parse(std::string_view text);
    static foundation::Result<Script> load(const std::filesystem::path& file);

    const std::vector<ScriptStep>& steps() const { return steps_; }

  private:
    std::vector<ScriptStep> steps_;
};

}  // namespace host

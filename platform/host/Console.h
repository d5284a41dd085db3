#pragma once

#include <string_view>

namespace host {

// What the program itself says on the terminal, in one style: "kelvora: " and a sentence,
// errors on standard error and news on standard output. The app's own log lines go to the
// log instead (HostLog).
class Console final {
  public:
    static void error(std::string_view message);
    static void note(std::string_view message);
};

}  // namespace host

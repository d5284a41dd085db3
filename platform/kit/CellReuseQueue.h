#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/ReusableCell.h"

namespace kit {

// The cells a list has put aside, by reuse identifier, and the factories registered to
// make new ones. A cell handed out again is first told to prepare for reuse.
class CellReuseQueue final {
  public:
    using Factory = std::function<std::shared_ptr<ReusableCell>()>;

    // A later registration under the same identifier replaces the earlier one.
    void registerFactory(const std::string& identifier, Factory factory);

    // A queued cell of that identifier, else a new one from its factory (which takes that
    // identifier whatever it was made with), else none.
    std::shared_ptr<ReusableCell> dequeue(const std::string& identifier);
    // Cells without an identifier cannot be asked for again and are let go.
    void enqueue(std::shared_ptr<ReusableCell> cell);

  private:
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::vector<std::shared_ptr<ReusableCell>>> queued_;
};

}  // namespace kit

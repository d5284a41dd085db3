#pragma once

#include <functional>
#include <memory>

namespace kit {

class View;

// The picture a view showed when a cross-dissolve began, kept by the transition's running
// animation and released with it. The kit knows no pixels: whoever draws views installs the
// capturer (the renderer does), and with none installed a transition keeps no picture and
// the new contents show at once.
class ContentsSnapshot {
  public:
    using Capturer = std::function<std::shared_ptr<const ContentsSnapshot>(const View&)>;

    virtual ~ContentsSnapshot() = default;

    // Installs `capturer` and returns the one it replaces.
    static Capturer setCapturer(Capturer capturer);
    // What `view` shows now, or nothing when no capturer is installed.
    static std::shared_ptr<const ContentsSnapshot> capture(const View& view);
};

}  // namespace kit

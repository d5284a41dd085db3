#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/kit/Driver.h"
#include "platform/kit/Screen.h"
#include "platform/kit/Window.h"

namespace kelvora {

namespace bench {

// The real app launched in this process on a fresh device root in a temporary folder, as the
// host starts it (notched screen, the repository's resources, pictures kept for
// cross-dissolves at 2x): the root holds the sample preference files plus
// `extraPreferenceFiles` more, and `setups` Setups made through the store before start-up,
// the tutorial already seen and the first-run snapshot already taken. The root goes with the
// session; the app is reset, so the next session starts clean.
class ScreenSession final {
  public:
    ScreenSession(kit::InterfaceStyle style, int setups, int extraPreferenceFiles);
    ~ScreenSession();
    ScreenSession(const ScreenSession&) = delete;
    ScreenSession& operator=(const ScreenSession&) = delete;

    bool isReady() const { return window_ != nullptr; }
    const std::shared_ptr<kit::Window>& window() const { return window_; }
    // Taps what shows `text`, then lets `seconds` of the app's clock pass; false when the tap
    // found nothing.
    bool tap(std::string_view text, double seconds);
    // Scrolls the front-most list that can scroll down by `points`, as a finger would leave
    // it; false when there is none.
    bool scrollList(double points);
    // Different texts on screen, whole or in part, that `counts` accepts: the rows or tiles
    // shown.
    int visibleTexts(const std::function<bool(const std::string&)>& counts) const;

    static constexpr double scale = 2;

  private:
    bool prepareRoot(int setups, int extraPreferenceFiles) const;
    void launch();

    std::filesystem::path root_;
    std::shared_ptr<kit::Window> window_;
};

}  // namespace bench

}  // namespace kelvora

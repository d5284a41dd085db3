#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Result.h"
#include "platform/kit/ViewFinder.h"

namespace kit {

class Window;

enum class Key { returnKey, backspace, escape };

// Drives a window as a person would, for tests and the host's scripts. It finds only what
// a person could see (ViewFinder), touches through hit testing at the visible centre of
// what it found, scrolling it into view first when it sits in a scroll view, and types into
// the first responder. A text in no cell on screen is looked for by scrolling the lists on
// screen through, as a person would. Each step runs the main queue until nothing is due now and
// then lays the window out, so its effects are visible to the next step.
class Driver final {
  public:
    // How long a finger rests for a long press.
    static constexpr double longPressDuration = 0.6;

    explicit Driver(std::shared_ptr<Window> window);

    const std::shared_ptr<Window>& window() const { return window_; }

    // Runs the work due now, including work it adds for now, then lays out.
    void settle();
    // Lets the clock run `seconds`, laying out after each piece of work.
    void wait(double seconds);

    // The front-most visible view showing `text` exactly, else as a part; empty if none.
    std::shared_ptr<View> find(std::string_view text) const;
    bool isShowing(std::string_view text) const { return find(text) != nullptr; }
    std::vector<std::string> textsOnScreen() const;

    foundation::Result<void> tap(std::string_view text);
    foundation::Result<void> tapAt(Point point);
    // Holds a finger still for longPressDuration; a view offering a context menu there
    // brings it up, and the touch is cancelled, as on the phone.
    foundation::Result<void> longPress(std::string_view text);
    foundation::Result<void> longPressAt(Point point);
    foundation::Result<void> drag(Point from, Point to);
    foundation::Result<void> type(std::string_view text);
    // Return asks the field to return; Backspace deletes; Escape ends editing, or else
    // closes a context menu, or else does what the cancel action of an action sheet or
    // alert on screen does.
    foundation::Result<void> press(Key key);

  private:
    // The visible centre of the view showing `text`, after scrolling it into view.
    // Finds the view showing `text`, scrolling the lists on screen through when it is not
    // on screen yet; each list goes back where it was if the text is not in it.
    foundation::Result<Point> locate(std::string_view text);
    std::optional<ViewFinder::Found> scrollToFind(std::string_view text);
    bool cancelFrontAlert();

    std::shared_ptr<Window> window_;
};

}  // namespace kit

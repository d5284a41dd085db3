#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kit/View.h"

namespace kit {

class ScrollView;
class Window;

// Finds what a person could see in a window: views that are not hidden, not transparent,
// not clipped away and not covered by something opaque in front of them. A presentation
// (or a context menu) covers everything under it, even where it is dimmed rather than
// opaque, because nothing under it can be touched. Order is painting order: later is
// further in front.
class ViewFinder final {
  public:
    struct Found {
        std::shared_ptr<View> view;
        Rect visibleRect;  // in window coordinates
        std::vector<std::string> texts;
        std::shared_ptr<ScrollView> scrollView;  // the nearest one holding the view
    };
    enum class Reach {
        onScreen,
        // Content of a scroll view counts wherever it sits, since scrolling brings it in.
        byScrolling,
    };

    explicit ViewFinder(std::shared_ptr<Window> window) : window_(std::move(window)) {}

    // The texts a view shows: a label's text, a button's title, a text field's text or its
    // placeholder while empty, the accessibility label, and for a control that shows no
    // text at all, the name of the symbol it shows.
    static std::vector<std::string> textsOf(const View& view);

    // Visible views that show a text, front-most last.
    std::vector<Found> visibleTexts(Reach reach) const;
    // The front-most visible view showing `text` exactly, else as a part.
    std::optional<Found> find(std::string_view text, Reach reach = Reach::byScrolling) const;
    // Every visible view in painting order, whether it shows a text or not.
    std::vector<std::shared_ptr<View>> visibleViews() const;
    // Texts on screen in reading order: top to bottom, then left to right.
    std::vector<std::string> textsOnScreen() const;

  private:
    struct Painted {
        std::shared_ptr<View> view;
        Rect visibleRect;
        std::shared_ptr<ScrollView> scrollView;
    };
    void collect(const std::shared_ptr<View>& view, Rect clip,
                 const std::shared_ptr<ScrollView>& scrollView, Reach reach,
                 std::vector<Painted>& out) const;
    std::vector<Painted> paintedViews(Reach reach) const;
    static bool isCovered(const std::vector<Painted>& painted, std::size_t index);

    std::shared_ptr<Window> window_;
};

}  // namespace kit

#pragma once

#include <memory>
#include <optional>

#include "platform/kit/ScrollViewDelegate.h"
#include "platform/kit/View.h"

namespace kit {

enum class ContentInsetAdjustment { automatic, never };

// A view that shows part of a larger content area. The content offset is the bounds
// origin, so subviews are laid out in content coordinates and move when it scrolls.
// Dragging and the host's wheel scroll it; with bounces on, a drag may pull the content
// past its ends, and it settles back when the finger lifts. There is no momentum: the
// content stops where the finger leaves it. While the user scrolls, and briefly after, a
// vertical indicator shows where the visible part lies in the content.
class ScrollView : public View {
  public:
    static constexpr double indicatorThickness = 3;
    static constexpr double indicatorMinimumLength = 36;

    ScrollView() = default;
    explicit ScrollView(Rect frame) : View(frame) {}

    Size contentSize() const { return contentSize_; }
    void setContentSize(Size size);
    Point contentOffset() const { return bounds().origin; }
    void setContentOffset(Point offset, bool animated = false);
    EdgeInsets contentInset() const { return contentInset_; }
    void setContentInset(EdgeInsets insets);
    // The content inset plus, when adjustment is automatic and the view scrolls, the safe-area
    // insets.
    EdgeInsets adjustedContentInset() const;
    ContentInsetAdjustment contentInsetAdjustmentBehavior() const { return adjustment_; }
    void setContentInsetAdjustmentBehavior(ContentInsetAdjustment behavior);

    // The offsets the content rests between; bounces may pull it past them while dragged.
    Point minimumContentOffset() const;
    Point maximumContentOffset() const;

    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool enabled) { scrollEnabled_ = enabled; }
    bool bounces() const { return bounces_; }
    void setBounces(bool bounces) { bounces_ = bounces; }
    bool showsVerticalScrollIndicator() const { return showsVertical_; }
    void setShowsVerticalScrollIndicator(bool shows) { showsVertical_ = shows; }
    bool showsHorizontalScrollIndicator() const { return showsHorizontal_; }
    void setShowsHorizontalScrollIndicator(bool shows) { showsHorizontal_ = shows; }
    // Where the indicator may run, inside the safe area when insets are adjusted automatically.
    EdgeInsets scrollIndicatorInsets() const { return indicatorInsets_; }
    void setScrollIndicatorInsets(EdgeInsets insets);
    // The vertical indicator in the view's visible area (its top-left corner at the visible
    // area's), for the content at `offset`; none when the content fits or it is turned off.
    std::optional<Rect> verticalIndicatorFrame(Point offset) const;
    // How visible the indicator is at `now` on the main queue's clock: fully while dragging
    // and for a moment after the user last scrolled, then fading out.
    double indicatorAlpha(double now) const;
    bool isDragging() const { return dragging_; }

    std::shared_ptr<ScrollViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ScrollViewDelegate> delegate) {
        delegate_ = std::move(delegate);
    }

    // The host's wheel: moves the content by `delta` within its resting range.
    void scrollBy(Point delta);
    // The scroll view a wheel turned over `view` moves: the nearest from the view up that is
    // enabled and has content to scroll vertically, so that a grid that does not scroll
    // inside a form passes the wheel on to the form.
    static std::shared_ptr<ScrollView> wheelTarget(std::shared_ptr<View> view);

    void setBounds(Rect bounds) override;
    void layoutSubviews() override;
    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void touchesCancelled(const Touch& touch) override;

  private:
    Point clamped(Point offset) const;
    void endDragging();
    void scrolledByUser();

    Size contentSize_;
    EdgeInsets contentInset_;
    ContentInsetAdjustment adjustment_ = ContentInsetAdjustment::automatic;
    std::weak_ptr<ScrollViewDelegate> delegate_;
    bool scrollEnabled_ = true;
    bool bounces_ = true;
    bool showsVertical_ = true;
    bool showsHorizontal_ = true;
    bool dragging_ = false;
    std::optional<double> restingTopInset_;
    EdgeInsets indicatorInsets_;
    std::optional<double> userScrolledAt_;
};

}  // namespace kit

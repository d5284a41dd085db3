#include "platform/kit/ScrollView.h"

#include <algorithm>

namespace kit {

namespace {

// How long the content takes to settle back after a drag past its ends.
constexpr double settleDuration = 0.3;

}  // namespace

void ScrollView::setContentSize(Size size) {
    if (size != contentSize_) {
        contentSize_ = size;
        setNeedsDisplay();
    }
}

void ScrollView::setContentOffset(Point offset, bool animated) {
    if (!animated) {
        setBounds({offset, bounds().size});
        return;
    }
    animate(settleDuration, [this, offset] { setBounds({offset, bounds().size}); });
}

void ScrollView::setContentInset(EdgeInsets insets) {
    contentInset_ = insets;
    setNeedsLayout();
}

void ScrollView::setContentInsetAdjustmentBehavior(ContentInsetAdjustment behavior) {
    adjustment_ = behavior;
    setNeedsLayout();
}

EdgeInsets ScrollView::adjustedContentInset() const {
    EdgeInsets insets = contentInset_;
    // A list that does not scroll is laid out as part of what holds it (a picker inside a
    // form), so the safe area the holder scrolls under must not shift its content.
    if (adjustment_ == ContentInsetAdjustment::automatic && scrollEnabled_) {
        EdgeInsets safe = safeAreaInsets();
        insets.top += safe.top;
        insets.left += safe.left;
        insets.bottom += safe.bottom;
        insets.right += safe.right;
    }
    return insets;
}

Point ScrollView::minimumContentOffset() const {
    EdgeInsets insets = adjustedContentInset();
    return {-insets.left, -insets.top};
}

Point ScrollView::maximumContentOffset() const {
    EdgeInsets insets = adjustedContentInset();
    Point minimum = minimumContentOffset();
    Size size = bounds().size;
    return {std::max(minimum.x, contentSize_.width + insets.right - size.width),
            std::max(minimum.y, contentSize_.height + insets.bottom - size.height)};
}

Point ScrollView::clamped(Point offset) const {
    Point low = minimumContentOffset();
    Point high = maximumContentOffset();
    return {std::clamp(offset.x, low.x, high.x), std::clamp(offset.y, low.y, high.y)};
}

void ScrollView::setBounds(Rect bounds) {
    Point old = contentOffset();
    View::setBounds(bounds);
    if (contentOffset() != old) {
        if (auto delegate = this->delegate()) {
            delegate->scrollViewDidScroll(*this);
        }
    }
}

void ScrollView::layoutSubviews() {
    // Content resting at its top stays at its top when the top inset changes, so that it
    // starts below the bars that come to cover the view rather than behind them.
    double top = adjustedContentInset().top;
    double previous = restingTopInset_.value_or(0);
    if (top != previous && contentOffset().y == -previous && !dragging_) {
        setContentOffset({contentOffset().x, -top}, false);
    }
    restingTopInset_ = top;
}

void ScrollView::scrollBy(Point delta) {
    if (scrollEnabled_) {
        setContentOffset(clamped(contentOffset() + delta));
    }
}

void ScrollView::touchesBegan(const Touch&) {}

void ScrollView::touchesMoved(const Touch& touch) {
    if (!scrollEnabled_) {
        return;
    }
    if (!dragging_) {
        dragging_ = true;
        if (auto delegate = this->delegate()) {
            delegate->scrollViewWillBeginDragging(*this);
        }
    }
    // The content follows the finger: a finger moving down shows what is above.
    Point moved = touch.location - touch.previousLocation;
    Point offset = contentOffset() - moved;
    setContentOffset(bounces_ ? offset : clamped(offset));
}

void ScrollView::touchesEnded(const Touch&) {
    endDragging();
}

void ScrollView::touchesCancelled(const Touch&) {
    endDragging();
}

void ScrollView::endDragging() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    if (auto delegate = this->delegate()) {
        delegate->scrollViewDidEndDragging(*this);
    }
    Point resting = clamped(contentOffset());
    if (resting != contentOffset()) {
        setContentOffset(resting, true);
    }
}

}  // namespace kit

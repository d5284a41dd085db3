#include "platform/kit/ScrollView.h"

#include <algorithm>

#include "platform/foundation/MainQueue.h"

namespace kit {

namespace {

// How long the content takes to settle back after a drag past its ends.
constexpr double settleDuration = 0.3;
// The indicator stays this long after the last scroll, then fades out over the second.
constexpr double indicatorHold = 0.5;
constexpr double indicatorFade = 0.3;
// Between the indicator and the edges of the area it runs in.
constexpr double indicatorMargin = 3;

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

void ScrollView::setScrollIndicatorInsets(EdgeInsets insets) {
    indicatorInsets_ = insets;
    setNeedsDisplay();
}

std::optional<Rect> ScrollView::verticalIndicatorFrame(Point offset) const {
    Point low = minimumContentOffset();
    Point high = maximumContentOffset();
    if (!showsVertical_ || !scrollEnabled_ || high.y <= low.y) {
        return std::nullopt;
    }
    // The automatic part of the content inset (the safe area) keeps the indicator clear of
    // the bars too.
    EdgeInsets adjusted = adjustedContentInset();
    double top = indicatorInsets_.top + adjusted.top - contentInset_.top + indicatorMargin;
    double bottom = bounds().height() - indicatorInsets_.bottom -
                    (adjusted.bottom - contentInset_.bottom) - indicatorMargin;
    double track = bottom - top;
    if (track <= 0) {
        return std::nullopt;
    }
    double visibleShare = bounds().height() / (high.y - low.y + bounds().height());
    double length = std::min(track, std::max(indicatorMinimumLength, track * visibleShare));
    double position = std::clamp((offset.y - low.y) / (high.y - low.y), 0.0, 1.0);
    double right = bounds().width() - indicatorInsets_.right -
                   (adjusted.right - contentInset_.right) - indicatorMargin;
    return Rect{right - indicatorThickness, top + (track - length) * position, indicatorThickness,
                length};
}

double ScrollView::indicatorAlpha(double now) const {
    if (dragging_) {
        return 1;
    }
    if (!userScrolledAt_) {
        return 0;
    }
    double since = now - *userScrolledAt_;
    return std::clamp(1 - (since - indicatorHold) / indicatorFade, 0.0, 1.0);
}

void ScrollView::scrolledByUser() {
    userScrolledAt_ = foundation::MainQueue::main().now();
    setNeedsDisplay();
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
        if (auto parent = superview()) {
            parent->descendantDidScroll(*this);
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
        scrolledByUser();
    }
}

std::shared_ptr<ScrollView> ScrollView::wheelTarget(std::shared_ptr<View> view) {
    for (; view; view = view->superview()) {
        auto scroll = std::dynamic_pointer_cast<ScrollView>(view);
        if (scroll && scroll->scrollEnabled_ &&
            scroll->maximumContentOffset().y > scroll->minimumContentOffset().y) {
            return scroll;
        }
    }
    return nullptr;
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
    scrolledByUser();
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
    scrolledByUser();
    if (auto delegate = this->delegate()) {
        delegate->scrollViewDidEndDragging(*this);
    }
    Point resting = clamped(contentOffset());
    if (resting != contentOffset()) {
        setContentOffset(resting, true);
    }
}

}  // namespace kit

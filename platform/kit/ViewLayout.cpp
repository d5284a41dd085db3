#include <algorithm>

#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/LayoutSolver.h"
#include "platform/kit/View.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

// A hierarchy whose layout keeps changing its own inputs (a layoutSubviews that resizes
// what it depends on) is laid out this many times per call and then left as it is.
constexpr int maximumLayoutRounds = 8;

}  // namespace

std::optional<double> View::heightForWidth(double) const {
    return std::nullopt;
}

void View::invalidateIntrinsicContentSize() {
    markNeedsLayoutUp();
}

void View::setTranslatesAutoresizingMaskIntoConstraints(bool translates) {
    if (translates != translatesMask_) {
        translatesMask_ = translates;
        markNeedsLayoutUp();
    }
}

LayoutYAxisAnchor View::topAnchor() const {
    return {sharedSelf(this), LayoutAttribute::top};
}
LayoutYAxisAnchor View::bottomAnchor() const {
    return {sharedSelf(this), LayoutAttribute::bottom};
}
LayoutXAxisAnchor View::leadingAnchor() const {
    return {sharedSelf(this), LayoutAttribute::leading};
}
LayoutXAxisAnchor View::trailingAnchor() const {
    return {sharedSelf(this), LayoutAttribute::trailing};
}
LayoutXAxisAnchor View::centerXAnchor() const {
    return {sharedSelf(this), LayoutAttribute::centerX};
}
LayoutYAxisAnchor View::centerYAnchor() const {
    return {sharedSelf(this), LayoutAttribute::centerY};
}
LayoutDimension View::widthAnchor() const {
    return {sharedSelf(this), LayoutAttribute::width};
}
LayoutDimension View::heightAnchor() const {
    return {sharedSelf(this), LayoutAttribute::height};
}

const LayoutGuide& View::safeAreaLayoutGuide() const {
    if (!safeAreaGuide_) {
        safeAreaGuide_ = std::make_unique<LayoutGuide>(sharedSelf(this));
    }
    return *safeAreaGuide_;
}

EdgeInsets View::safeAreaInsets() const {
    EdgeInsets insets = inheritedSafeAreaInsets();
    insets.top += additionalSafeArea_.top;
    insets.left += additionalSafeArea_.left;
    insets.bottom += additionalSafeArea_.bottom;
    insets.right += additionalSafeArea_.right;
    return insets;
}

void View::setAdditionalSafeAreaInsets(EdgeInsets insets) {
    if (insets == additionalSafeArea_) {
        return;
    }
    additionalSafeArea_ = insets;
    setNeedsLayout();
    for (const auto& subview : subviews_) {
        subview->setNeedsLayout();
    }
}

namespace {

// The part of a band `band` deep, starting `distance` before this view's edge, that the
// view overlaps.
double overlap(double band, double distance, double extent) {
    return std::clamp(band - distance, 0.0, std::max(0.0, extent));
}

bool isZero(EdgeInsets insets) {
    return insets == EdgeInsets{};
}

}  // namespace

EdgeInsets View::inheritedSafeAreaInsets() const {
    EdgeInsets insets = windowSafeAreaOverlap();
    // Only the nearest ancestor with insets of its own matters: its safe area already holds
    // what it inherits.
    auto ancestor = superview();
    while (ancestor && isZero(ancestor->additionalSafeArea_)) {
        ancestor = ancestor->superview();
    }
    if (!ancestor || !window()) {
        return insets;
    }
    EdgeInsets outer = ancestor->safeAreaInsets();
    Point outerTopLeft = ancestor->convertToWindow(ancestor->bounds().origin);
    Point outerBottomRight =
        ancestor->convertToWindow({ancestor->bounds().maxX(), ancestor->bounds().maxY()});
    Point topLeft = convertToWindow(bounds().origin);
    Point bottomRight = convertToWindow({bounds().maxX(), bounds().maxY()});
    Size size = frame_.size;
    insets.top = std::max(insets.top, overlap(outer.top, topLeft.y - outerTopLeft.y, size.height));
    insets.left =
        std::max(insets.left, overlap(outer.left, topLeft.x - outerTopLeft.x, size.width));
    insets.bottom = std::max(
        insets.bottom, overlap(outer.bottom, outerBottomRight.y - bottomRight.y, size.height));
    insets.right = std::max(insets.right,
                            overlap(outer.right, outerBottomRight.x - bottomRight.x, size.width));
    return insets;
}

EdgeInsets View::windowSafeAreaOverlap() const {
    auto window = this->window();
    if (!window) {
        return {};
    }
    EdgeInsets outer = window->windowSafeAreaInsets();
    Rect screen = window->bounds();
    // The part of each inset band of the window that this view overlaps.
    Point topLeft = convertToWindow(bounds().origin);
    Point bottomRight = convertToWindow({bounds().maxX(), bounds().maxY()});
    Size size = frame_.size;
    return {overlap(outer.top, topLeft.y - screen.minY(), size.height),
            overlap(outer.left, topLeft.x - screen.minX(), size.width),
            overlap(outer.bottom, screen.maxY() - bottomRight.y, size.height),
            overlap(outer.right, screen.maxX() - bottomRight.x, size.width)};
}

void View::addConstraint(std::shared_ptr<LayoutConstraint> constraint) {
    if (!constraint) {
        return;
    }
    if (auto old = constraint->holder()) {
        old->removeConstraint(constraint);
    }
    constraint->didMoveToHolder(sharedSelf(this));
    constraints_.push_back(std::move(constraint));
    setNeedsLayout();
}

void View::removeConstraint(const std::shared_ptr<LayoutConstraint>& constraint) {
    auto found = std::find(constraints_.begin(), constraints_.end(), constraint);
    if (found == constraints_.end()) {
        return;
    }
    auto keepAlive = constraint;
    constraints_.erase(found);
    keepAlive->didMoveToHolder(nullptr);
    setNeedsLayout();
}

void View::setNeedsLayout() {
    needsLayout_ = true;
    markNeedsLayoutUp();
}

void View::markNeedsLayoutUp() {
    for (View* view = this; view; view = view->superview_.lock().get()) {
        view->subtreeNeedsLayout_ = true;
    }
}

void View::setNeedsDisplay() {
    needsDisplay_ = true;
}

void View::descendantDidScroll(ScrollView& scrollView) {
    if (auto parent = superview()) {
        parent->descendantDidScroll(scrollView);
    }
}

void View::layoutIfNeeded() {
    auto top = topmostAncestor();
    for (int round = 0; round < maximumLayoutRounds && top->subtreeNeedsLayout_; ++round) {
        LayoutSolver(top).solve();
        top->layoutSubviewsWhereNeeded();
    }
}

void View::layoutSubviewsWhereNeeded() {
    subtreeNeedsLayout_ = false;
    if (needsLayout_) {
        needsLayout_ = false;
        layoutSubviews();
    }
    for (auto& subview : std::vector<std::shared_ptr<View>>(subviews_)) {
        subview->layoutSubviewsWhereNeeded();
    }
}

void View::applySolvedFrame(Rect frame) {
    if (frame == frame_) {
        return;
    }
    noteAnimatableChange(AnimatedProperty::frame, frame_, frame);
    if (frame.size != frame_.size) {
        needsLayout_ = true;
    }
    frame_ = frame;
    needsDisplay_ = true;
}

}  // namespace kit

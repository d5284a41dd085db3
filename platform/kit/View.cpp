#include "platform/kit/View.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/Window.h"

namespace kit {

View::View(Rect frame) : frame_(frame) {}

View::~View() {
    // Subviews may outlive this view (someone else holds them); they must not point here.
    for (auto& subview : subviews_) {
        subview->superview_.reset();
    }
}

// Hierarchy

void View::addSubview(std::shared_ptr<View> view) {
    insertSubview(std::move(view), subviews_.size());
}

void View::insertSubview(std::shared_ptr<View> view, std::size_t index) {
    auto me = sharedSelf(this);
    assert(me && "add subviews only to a view owned by a shared_ptr");
    if (!me || !view || view == me || isDescendantOf(*view)) {
        return;
    }
    if (view->superview() == me) {
        auto position = std::find(subviews_.begin(), subviews_.end(), view);
        auto current = static_cast<std::size_t>(position - subviews_.begin());
        subviews_.erase(position);
        subviews_.insert(
            subviews_.begin() + std::min(current < index ? index - 1 : index, subviews_.size()),
            view);
        setNeedsDisplay();
        return;
    }
    auto oldWindow = view->window();
    if (oldWindow != window()) {
        view->resignFirstResponderLeaving(oldWindow);
    }
    if (view->superview()) {
        view->detachFromSuperview();
    }
    subviews_.insert(subviews_.begin() + std::min(index, subviews_.size()), view);
    view->setSuperview(me, oldWindow);
}

void View::bringSubviewToFront(const std::shared_ptr<View>& view) {
    if (view && view->superview().get() == this) {
        insertSubview(view, subviews_.size());
    }
}

void View::removeFromSuperview() {
    if (!superview()) {
        return;
    }
    auto oldWindow = window();
    resignFirstResponderLeaving(oldWindow);
    detachFromSuperview();
    setSuperview(nullptr, oldWindow);
}

// A text field taken off screen must stop taking the keyboard's input.
void View::resignFirstResponderLeaving(const std::shared_ptr<Window>& window) {
    auto responder = window ? window->firstResponder() : nullptr;
    if (responder && responder->isDescendantOf(*this)) {
        responder->resignFirstResponder();
    }
}

void View::detachFromSuperview() {
    auto parent = superview();
    // Constraints between this subtree and the rest of the hierarchy can no longer be
    // solved; like the phone, removing a view removes them.
    for (auto ancestor = parent; ancestor; ancestor = ancestor->superview()) {
        auto held = ancestor->constraints_;
        for (const auto& constraint : held) {
            if (constraint->mentionsSubtreeOf(*this)) {
                constraint->setActive(false);
            }
        }
    }
    auto me = sharedSelf(this);
    auto& siblings = parent->subviews_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), me), siblings.end());
    parent->setNeedsLayout();
    parent->setNeedsDisplay();
    superview_.reset();
}

void View::setSuperview(const std::shared_ptr<View>& superview,
                        const std::shared_ptr<Window>& oldWindow) {
    superview_ = superview;
    if (superview) {
        superview->setNeedsLayout();
        superview->setNeedsDisplay();
    }
    setNeedsLayout();
    didMoveToSuperview();
    if (window() != oldWindow) {
        notifyMovedToWindow();
    }
    notifyTintChange();
}

void View::notifyMovedToWindow() {
    didMoveToWindow();
    for (auto& subview : std::vector<std::shared_ptr<View>>(subviews_)) {
        subview->notifyMovedToWindow();
    }
}

std::shared_ptr<Window> View::window() const {
    for (auto view = superview(); view; view = view->superview()) {
        if (auto window = std::dynamic_pointer_cast<Window>(view)) {
            return window;
        }
    }
    return nullptr;
}

bool View::isDescendantOf(const View& ancestor) const {
    for (const View* view = this; view; view = view->superview_.lock().get()) {
        if (view == &ancestor) {
            return true;
        }
    }
    return false;
}

std::shared_ptr<View> View::topmostAncestor() {
    auto top = sharedSelf(this);
    for (auto parent = superview(); parent; parent = parent->superview()) {
        top = parent;
    }
    return top;
}

// Geometry

void View::setFrame(Rect frame) {
    // A frame that is not a number would poison the layout of the whole hierarchy.
    if (frame == frame_ || !frame.isFinite()) {
        return;
    }
    noteAnimatableChange(AnimatedProperty::frame, frame_, frame);
    bool resized = frame.size != frame_.size;
    frame_ = frame;
    if (resized) {
        setNeedsLayout();
    }
    if (auto parent = superview()) {
        parent->setNeedsLayout();
    } else {
        markNeedsLayoutUp();
    }
    setNeedsDisplay();
}

void View::setBounds(Rect bounds) {
    Rect old = this->bounds();
    if (bounds == old || !bounds.isFinite()) {
        return;
    }
    noteAnimatableChange(AnimatedProperty::bounds, old, bounds);
    boundsOrigin_ = bounds.origin;
    if (bounds.size != frame_.size) {
        // The centre stays put, as on the phone.
        Point middle = center();
        frame_ = {middle.x - bounds.size.width / 2, middle.y - bounds.size.height / 2,
                  bounds.size.width, bounds.size.height};
        setNeedsLayout();
    }
    setNeedsDisplay();
}

void View::setCenter(Point center) {
    setFrame({center.x - frame_.size.width / 2, center.y - frame_.size.height / 2,
              frame_.size.width, frame_.size.height});
}

void View::setTransform(AffineTransform transform) {
    if (transform == transform_ || !transform.isFinite()) {
        return;
    }
    noteAnimatableChange(AnimatedProperty::transform, transform_, transform);
    transform_ = transform;
    setNeedsDisplay();
}

Point View::convertToSuperview(Point point) const {
    Rect own = bounds();
    Point fromCenter = transform_.apply(point - own.center());
    return fromCenter + center();
}

Point View::convertFromSuperview(Point point) const {
    Point fromCenter = transform_.inverted().apply(point - center());
    return fromCenter + bounds().center();
}

Point View::convertToWindow(Point point) const {
    const View* view = this;
    while (auto parent = view->superview_.lock()) {
        point = view->convertToSuperview(point);
        if (std::dynamic_pointer_cast<Window>(parent)) {
            return point;
        }
        view = parent.get();
    }
    return point;
}

Point View::convertFromWindow(Point point) const {
    std::vector<const View*> chain;
    for (const View* view = this; view; view = view->superview_.lock().get()) {
        if (dynamic_cast<const Window*>(view)) {
            break;
        }
        chain.push_back(view);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        point = (*it)->convertFromSuperview(point);
    }
    return point;
}

Point View::convert(Point point, const View& to) const {
    return to.convertFromWindow(convertToWindow(point));
}

// Look

void View::setBackgroundColor(Color color) {
    if (color == backgroundColor_) {
        return;
    }
    noteAnimatableChange(AnimatedProperty::backgroundColor, backgroundColor_, color);
    backgroundColor_ = color;
    setNeedsDisplay();
}

void View::setAlpha(double alpha) {
    if (std::isnan(alpha)) {
        return;
    }
    alpha = std::clamp(alpha, 0.0, 1.0);
    noteAnimatableChange(AnimatedProperty::alpha, alpha_, alpha);
    alpha_ = alpha;
    setNeedsDisplay();
}

void View::setHidden(bool hidden) {
    hidden_ = hidden;
    setNeedsDisplay();
}

void View::setClipsToBounds(bool clips) {
    clipsToBounds_ = clips;
    setNeedsDisplay();
}

void View::setCornerRadius(double radius) {
    cornerRadius_ = std::max(0.0, radius);
    setNeedsDisplay();
}

void View::setContinuousCorners(bool continuous) {
    continuousCorners_ = continuous;
    setNeedsDisplay();
}

void View::setMaskedCorners(std::uint8_t corners) {
    maskedCorners_ = corners & allCorners;
    setNeedsDisplay();
}

void View::setBorderWidth(double width) {
    borderWidth_ = std::max(0.0, width);
    setNeedsDisplay();
}

void View::setBorderColor(Color color) {
    borderColor_ = color;
    setNeedsDisplay();
}

Color View::tintColor() const {
    for (const View* view = this; view; view = view->superview_.lock().get()) {
        if (view->tintColor_) {
            return *view->tintColor_;
        }
    }
    return Color::systemBlueColor();
}

void View::setTintColor(std::optional<Color> color) {
    tintColor_ = color;
    notifyTintChange();
}

void View::notifyTintChange() {
    tintColorDidChange();
    setNeedsDisplay();
    for (auto& subview : std::vector<std::shared_ptr<View>>(subviews_)) {
        if (!subview->tintColor_) {
            subview->notifyTintChange();
        }
    }
}

InterfaceStyle View::interfaceStyle() const {
    if (auto window = this->window()) {
        return window->interfaceStyle();
    }
    return InterfaceStyle::light;
}

// Touches and the responder chain

std::shared_ptr<View> View::hitTest(Point point) {
    if (hidden_ || alpha_ < 0.01 || !userInteractionEnabled_ || !pointInside(point)) {
        return nullptr;
    }
    // Front-most first: later subviews are drawn over earlier ones.
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        const auto& subview = *it;
        if (!subview->transform_.isInvertible()) {
            continue;
        }
        if (auto hit = subview->hitTest(subview->convertFromSuperview(point))) {
            return hit;
        }
    }
    return sharedSelf(this);
}

bool View::pointInside(Point point) const {
    return bounds().contains(point);
}

void View::setOwningController(std::weak_ptr<Responder> controller) {
    owningController_ = std::move(controller);
}

std::shared_ptr<Responder> View::nextResponder() const {
    if (auto controller = owningController_.lock()) {
        return controller;
    }
    return superview();
}

bool View::becomeFirstResponder() {
    auto window = this->window();
    if (!canBecomeFirstResponder() || !window) {
        return false;
    }
    return window->makeFirstResponder(sharedSelf(this));
}

bool View::resignFirstResponder() {
    if (auto window = this->window()) {
        window->dropFirstResponder(*this);
    }
    return true;
}

bool View::isFirstResponder() const {
    auto window = this->window();
    return window && window->firstResponder().get() == this;
}

}  // namespace kit

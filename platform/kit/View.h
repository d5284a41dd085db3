#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/AnimationTrack.h"
#include "platform/kit/Color.h"
#include "platform/kit/Geometry.h"
#include "platform/kit/LayoutDimension.h"
#include "platform/kit/LayoutGuide.h"
#include "platform/kit/LayoutXAxisAnchor.h"
#include "platform/kit/LayoutYAxisAnchor.h"
#include "platform/kit/Responder.h"
#include "platform/kit/ViewAnimation.h"

namespace kit {

class LayoutConstraint;
class ScrollView;
class Window;

// Corners a corner radius applies to, as the layer services name them.
enum CornerMask : std::uint8_t {
    minXMinYCorner = 1,
    maxXMinYCorner = 2,
    minXMaxYCorner = 4,
    maxXMaxYCorner = 8,
    allCorners = 15,
};

enum class TransitionOption { none, crossDissolve };

// A rectangle of the screen with its subviews. A superview owns its subviews; the
// back-pointer does not own. Views are made with std::make_shared, and a view adds
// subviews only once it is owned by a shared_ptr (subclasses build their subviews in a
// static factory, not in the constructor), because a subview keeps a weak pointer to it.
class View : public Responder {
  public:
    // Marks a dimension that a view does not size by its content.
    static constexpr double noIntrinsicMetric = -1;

    View() = default;
    explicit View(Rect frame);
    ~View() override;

    // Hierarchy.
    void addSubview(std::shared_ptr<View> view);
    void insertSubview(std::shared_ptr<View> view, std::size_t index);
    void bringSubviewToFront(const std::shared_ptr<View>& view);
    void removeFromSuperview();
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    std::shared_ptr<View> superview() const { return superview_.lock(); }
    virtual std::shared_ptr<Window> window() const;
    bool isDescendantOf(const View& ancestor) const;
    virtual void didMoveToSuperview() {}
    virtual void didMoveToWindow() {}

    // Geometry. The frame is in the superview's coordinates and ignores the transform,
    // which scales the view around its centre when drawn and hit-tested.
    Rect frame() const { return frame_; }
    virtual void setFrame(Rect frame);
    Rect bounds() const { return {boundsOrigin_, frame_.size}; }
    virtual void setBounds(Rect bounds);
    Point center() const { return frame_.center(); }
    void setCenter(Point center);
    AffineTransform transform() const { return transform_; }
    void setTransform(AffineTransform transform);

    Point convertToSuperview(Point point) const;
    Point convertFromSuperview(Point point) const;
    Point convertToWindow(Point point) const;
    Point convertFromWindow(Point point) const;
    Point convert(Point point, const View& to) const;

    // Look.
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);
    double alpha() const { return alpha_; }
    void setAlpha(double alpha);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    bool clipsToBounds() const { return clipsToBounds_; }
    void setClipsToBounds(bool clips);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    bool continuousCorners() const { return continuousCorners_; }
    void setContinuousCorners(bool continuous);
    std::uint8_t maskedCorners() const { return maskedCorners_; }
    void setMaskedCorners(std::uint8_t corners);
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color color);

    // The tint in effect: the view's own, else the nearest ancestor's, else system blue.
    Color tintColor() const;
    bool hasOwnTintColor() const { return tintColor_.has_value(); }
    void setTintColor(std::optional<Color> color);
    // Called on a view and all its descendants when the tint in effect may have changed.
    virtual void tintColorDidChange() {}

    // The style in effect: the window's, or light outside a window.
    InterfaceStyle interfaceStyle() const;
    Rgba resolvedColor(const Color& color) const { return color.resolved(interfaceStyle()); }

    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
    const std::string& accessibilityLabel() const { return accessibilityLabel_; }
    void setAccessibilityLabel(std::string label) { accessibilityLabel_ = std::move(label); }

    // Layout.
    virtual Size intrinsicContentSize() const { return {noIntrinsicMetric, noIntrinsicMetric}; }
    // The height a view needs at `width`, for content that wraps (multi-line labels);
    // empty when the height does not depend on the width.
    virtual std::optional<double> heightForWidth(double width) const;
    void invalidateIntrinsicContentSize();

    bool translatesAutoresizingMaskIntoConstraints() const { return translatesMask_; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool translates);

    LayoutYAxisAnchor topAnchor() const;
    LayoutYAxisAnchor bottomAnchor() const;
    LayoutXAxisAnchor leadingAnchor() const;
    LayoutXAxisAnchor trailingAnchor() const;
    LayoutXAxisAnchor centerXAnchor() const;
    LayoutYAxisAnchor centerYAnchor() const;
    LayoutDimension widthAnchor() const;
    LayoutDimension heightAnchor() const;
    const LayoutGuide& safeAreaLayoutGuide() const;
    // The part of the view covered by the window's notch, status bar and home indicator.
    EdgeInsets safeAreaInsets() const;
    // Insets added to the view's safe area on top of what it inherits: a navigation bar, a
    // toolbar or a tab bar covering a controller's view sets them.
    EdgeInsets additionalSafeAreaInsets() const { return additionalSafeArea_; }
    void setAdditionalSafeAreaInsets(EdgeInsets insets);

    // Constraints this view holds: those it is the nearest common ancestor of.
    const std::vector<std::shared_ptr<LayoutConstraint>>& constraints() const {
        return constraints_;
    }
    void addConstraint(std::shared_ptr<LayoutConstraint> constraint);
    void removeConstraint(const std::shared_ptr<LayoutConstraint>& constraint);

    // Mark dirty now, lay out once: the host lays out its window once per turn.
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    // Solves the constraints of the whole hierarchy this view is in, if anything in it
    // changed, then lets each dirty or resized view place its subviews.
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    // A scroll view somewhere inside this view moved its content; passed on up by default, so
    // that a container can follow the scrolling of what it holds.
    virtual void descendantDidScroll(ScrollView& scrollView);
    void setNeedsDisplay();
    bool needsDisplay() const { return needsDisplay_; }
    void clearNeedsDisplay() { needsDisplay_ = false; }

    // Touches. `point` is in the view's own coordinates. Hidden, transparent (alpha below
    // 0.01) and non-interactive views and their subviews are never hit, nor is anything
    // outside a view's bounds.
    virtual std::shared_ptr<View> hitTest(Point point);
    virtual bool pointInside(Point point) const;

    // The controller whose root view this is; it comes before the superview in the chain.
    void setOwningController(std::weak_ptr<Responder> controller);
    std::shared_ptr<Responder> nextResponder() const override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool isFirstResponder() const override;

    // Animations run on the main queue's clock. Property changes made inside `animations`
    // take their new values at once and are recorded for the renderer; `completion` runs
    // once `duration` has passed, never before.
    static void animate(double duration, const std::function<void()>& animations,
                        std::function<void(bool finished)> completion = {});
    static void animate(double duration, double delay, const std::function<void()>& animations,
                        std::function<void(bool finished)> completion = {});
    static void animate(double duration, double delay, AnimationCurve curve,
                        const std::function<void()>& animations,
                        std::function<void(bool finished)> completion = {});
    static void transition(const std::shared_ptr<View>& view, double duration,
                           TransitionOption option, const std::function<void()>& animations,
                           std::function<void(bool finished)> completion = {});
    // Runs `changes` with no animation, even inside an animation block.
    static void performWithoutAnimation(const std::function<void()>& changes);
    // The recorded animations still running at the main queue's current time.
    std::vector<ViewAnimation> runningAnimations() const;
    void recordAnimation(ViewAnimation animation);
    // What is on screen now, between the old and the new model value.
    double presentationAlpha() const;
    AffineTransform presentationTransform() const;
    Rect presentationFrame() const;

  private:
    friend class LayoutSolver;

    void detachFromSuperview();
    void resignFirstResponderLeaving(const std::shared_ptr<Window>& window);
    void setSuperview(const std::shared_ptr<View>& superview,
                      const std::shared_ptr<Window>& oldWindow);
    void markNeedsLayoutUp();
    EdgeInsets windowSafeAreaOverlap() const;
    EdgeInsets inheritedSafeAreaInsets() const;
    void notifyTintChange();
    void notifyMovedToWindow();
    std::shared_ptr<View> topmostAncestor();
    void layoutSubviewsWhereNeeded();
    void applySolvedFrame(Rect frame);
    void noteAnimatableChange(AnimatedProperty property, AnimationValue from, AnimationValue to);
    static void releaseWhenFinished(const std::shared_ptr<View>& view, double duration);
    void discardFinishedAnimations();

    std::vector<std::shared_ptr<View>> subviews_;
    std::weak_ptr<View> superview_;
    std::weak_ptr<Responder> owningController_;
    std::vector<std::shared_ptr<LayoutConstraint>> constraints_;
    mutable std::unique_ptr<LayoutGuide> safeAreaGuide_;
    AnimationTrack animations_;

    Rect frame_;
    Point boundsOrigin_;
    EdgeInsets additionalSafeArea_;
    AffineTransform transform_;
    Color backgroundColor_;
    Color borderColor_ = Color::blackColor();
    std::optional<Color> tintColor_;
    std::string accessibilityLabel_;
    double alpha_ = 1;
    double cornerRadius_ = 0;
    double borderWidth_ = 0;
    std::uint8_t maskedCorners_ = allCorners;
    bool hidden_ = false;
    bool clipsToBounds_ = false;
    bool continuousCorners_ = false;
    bool userInteractionEnabled_ = true;
    bool translatesMask_ = true;
    bool needsLayout_ = true;
    bool subtreeNeedsLayout_ = true;
    bool needsDisplay_ = true;
};

}  // namespace kit

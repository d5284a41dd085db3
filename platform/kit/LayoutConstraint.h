#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/LayoutAnchor.h"

namespace kit {

// An equality between two anchors of the same axis, `first = second + constant`, or a
// dimension and a constant, `first = constant`. Always required: the solver keeps the
// constraints activated earlier when a later one contradicts them.
class LayoutConstraint final : public std::enable_shared_from_this<LayoutConstraint> {
  public:
    LayoutConstraint(LayoutAnchor first, std::optional<LayoutAnchor> second, double constant)
        : first_(std::move(first)), second_(std::move(second)), constant_(constant) {}
    LayoutConstraint(const LayoutConstraint&) = delete;
    LayoutConstraint& operator=(const LayoutConstraint&) = delete;

    const LayoutAnchor& firstAnchor() const { return first_; }
    const std::optional<LayoutAnchor>& secondAnchor() const { return second_; }
    std::shared_ptr<View> firstItem() const { return first_.view(); }
    std::shared_ptr<View> secondItem() const { return second_ ? second_->view() : nullptr; }

    double constant() const { return constant_; }
    void setConstant(double constant);

    // Activation hands the constraint to the nearest common ancestor of its views. A
    // constraint between views of different hierarchies cannot be activated: it is logged
    // and stays inactive.
    bool isActive() const { return !holder_.expired(); }
    void setActive(bool active);
    static void activateConstraints(const std::vector<std::shared_ptr<LayoutConstraint>>& list);
    static void deactivateConstraints(const std::vector<std::shared_ptr<LayoutConstraint>>& list);

    std::shared_ptr<View> holder() const { return holder_.lock(); }
    // Rises with each activation, so the solver can honour the order of activation.
    std::uint64_t activationOrder() const { return activationOrder_; }

    // True when the last layout pass could not satisfy this constraint and left it out.
    bool wasDropped() const { return dropped_; }
    // The solver's marks. Each pass starts with the constraint not dropped; markDropped says
    // whether leaving it out is news, so that it is logged once until it holds again.
    void clearDropped() { dropped_ = false; }
    bool markDropped();
    void markHeld() { conflictReported_ = false; }
    // For log lines: "width = 120", "top = top + 20".
    std::string description() const;

    bool mentions(const View& view) const;
    bool mentionsSubtreeOf(const View& view) const;

  private:
    friend class View;
    void didMoveToHolder(const std::shared_ptr<View>& holder);

    LayoutAnchor first_;
    std::optional<LayoutAnchor> second_;
    double constant_;
    std::weak_ptr<View> holder_;
    std::uint64_t activationOrder_ = 0;
    bool dropped_ = false;
    bool conflictReported_ = false;
};

}  // namespace kit

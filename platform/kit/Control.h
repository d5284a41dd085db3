#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/View.h"

namespace kit {

// Events a control reports, combinable with | into a set.
enum class ControlEvents : std::uint32_t {
    none = 0,
    touchDown = 1u << 0,
    touchUpInside = 1u << 1,
    valueChanged = 1u << 2,
    editingChanged = 1u << 3,
};

constexpr ControlEvents operator|(ControlEvents left, ControlEvents right) {
    return ControlEvents(std::uint32_t(left) | std::uint32_t(right));
}
constexpr bool intersects(ControlEvents left, ControlEvents right) {
    return (std::uint32_t(left) & std::uint32_t(right)) != 0;
}

// States that select a button's title, colour and image; normal is none of them.
enum class ControlState : std::uint32_t {
    normal = 0,
    highlighted = 1u << 0,
    disabled = 1u << 1,
    selected = 1u << 2,
};

constexpr ControlState operator|(ControlState left, ControlState right) {
    return ControlState(std::uint32_t(left) | std::uint32_t(right));
}

// A view that turns touches into events and sends each event to the targets registered for
// it, in the order they were added. Targets are held weakly: one that is gone is skipped.
// An action may also be a name without a receiver, sent up the responder chain from the
// control; when no responder defines it, it is dropped.
//
// A touch highlights the control while it is inside and sends touch-up-inside only when it
// ends inside. A disabled control passes touches on up the chain and sends nothing.
class Control : public View {
  public:
    using Handler = std::function<void(const std::shared_ptr<Control>& sender)>;

    Control() = default;
    explicit Control(Rect frame) : View(frame) {}

    template <class Target>
    void addTarget(const std::shared_ptr<Target>& target,
                   void (Target::*action)(const std::shared_ptr<Control>&), ControlEvents events) {
        std::weak_ptr<Target> weakTarget = target;
        addAction(
            [weakTarget, action](const std::shared_ptr<Control>& sender) {
                if (auto strong = weakTarget.lock()) {
                    ((*strong).*action)(sender);
                }
            },
            events);
    }
    // `target` performs the named action itself, and nothing happens once it is gone; a null
    // target sends the action up the responder chain instead.
    void addTarget(const std::weak_ptr<Responder>& target, std::string action,
                   ControlEvents events);
    void addTarget(std::nullptr_t, std::string action, ControlEvents events);
    // The handler must not own what it acts on, or that would never be released.
    void addAction(Handler handler, ControlEvents events);

    void sendActionsForControlEvents(ControlEvents events);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);
    ControlState state() const;

    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void touchesCancelled(const Touch& touch) override;

  protected:
    // Called when a touch that began on the control lifts inside it, after touch-up-inside
    // was sent; switches and text fields act here.
    virtual void touchEndedInside(const Touch& /*touch*/) {}

  private:
    struct Registration {
        Handler handler;
        ControlEvents events;
    };

    bool touchIsInside(const Touch& touch) const;

    std::vector<Registration> registrations_;
    bool enabled_ = true;
    bool highlighted_ = false;
    bool selected_ = false;
    bool tracking_ = false;
};

}  // namespace kit

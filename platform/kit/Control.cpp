#include "platform/kit/Control.h"

namespace kit {

void Control::addTarget(const std::weak_ptr<Responder>& target, std::string action,
                        ControlEvents events) {
    // The target itself must define the action; a target that does not is not an error
    // worth a crash, so the event is dropped.
    addAction(
        [target, action](const std::shared_ptr<Control>& sender) {
            auto strong = target.lock();
            if (strong && strong->definesAction(action)) {
                strong->tryToPerform(action, sender);
            }
        },
        events);
}

void Control::addTarget(std::nullptr_t, std::string action, ControlEvents events) {
    addAction(
        [action](const std::shared_ptr<Control>& sender) {
            if (sender) {
                sender->tryToPerform(action, sender);
            }
        },
        events);
}

void Control::addAction(Handler handler, ControlEvents events) {
    registrations_.push_back(Registration{std::move(handler), events});
}

void Control::sendActionsForControlEvents(ControlEvents events) {
    // Held for the whole dispatch: an action may remove the control from its screen. The
    // list is copied because an action may also register or drop targets.
    auto self = std::static_pointer_cast<Control>(weak_from_this().lock());
    std::vector<Registration> registrations = registrations_;
    for (const Registration& registration : registrations) {
        if (intersects(registration.events, events)) {
            registration.handler(self);
        }
    }
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) {
        highlighted_ = false;
        tracking_ = false;
    }
    setNeedsDisplay();
}

void Control::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    setNeedsDisplay();
}

void Control::setSelected(bool selected) {
    selected_ = selected;
    setNeedsDisplay();
}

ControlState Control::state() const {
    ControlState state = ControlState::normal;
    if (highlighted_) {
        state = state | ControlState::highlighted;
    }
    if (!enabled_) {
        state = state | ControlState::disabled;
    }
    if (selected_) {
        state = state | ControlState::selected;
    }
    return state;
}

bool Control::touchIsInside(const Touch& touch) const {
    return pointInside(touch.locationIn(*this));
}

void Control::touchesBegan(const Touch& touch) {
    if (!enabled_) {
        View::touchesBegan(touch);
        return;
    }
    tracking_ = true;
    setHighlighted(true);
    sendActionsForControlEvents(ControlEvents::touchDown);
}

void Control::touchesMoved(const Touch& touch) {
    if (!tracking_) {
        View::touchesMoved(touch);
        return;
    }
    bool inside = touchIsInside(touch);
    if (inside != highlighted_) {
        setHighlighted(inside);
    }
}

void Control::touchesEnded(const Touch& touch) {
    if (!tracking_) {
        View::touchesEnded(touch);
        return;
    }
    tracking_ = false;
    setHighlighted(false);
    if (touchIsInside(touch)) {
        // Kept alive until the control has acted: an action may take it off its screen.
        auto self = weak_from_this().lock();
        sendActionsForControlEvents(ControlEvents::touchUpInside);
        touchEndedInside(touch);
    }
}

void Control::touchesCancelled(const Touch& touch) {
    if (!tracking_) {
        View::touchesCancelled(touch);
        return;
    }
    tracking_ = false;
    setHighlighted(false);
}

}  // namespace kit

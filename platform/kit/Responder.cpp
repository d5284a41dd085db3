#include "platform/kit/Responder.h"

namespace kit {

std::shared_ptr<Responder> Responder::nextResponder() const {
    return nullptr;
}

bool Responder::tryToPerform(std::string_view action, const std::shared_ptr<Responder>& sender) {
    // Hold each responder while it acts: an action may well close the screen it lives on.
    for (auto responder = weak_from_this().lock(); responder;
         responder = responder->nextResponder()) {
        auto found = responder->actions_.find(action);
        if (found != responder->actions_.end()) {
            auto perform = found->second;
            perform(sender);
            return true;
        }
    }
    return false;
}

bool Responder::definesAction(std::string_view action) const {
    return actions_.find(action) != actions_.end();
}

void Responder::defineAction(std::string name, Action action) {
    actions_[std::move(name)] = std::move(action);
}

void Responder::touchesBegan(const Touch& touch) {
    if (auto next = nextResponder()) {
        next->touchesBegan(touch);
    }
}

void Responder::touchesMoved(const Touch& touch) {
    if (auto next = nextResponder()) {
        next->touchesMoved(touch);
    }
}

void Responder::touchesEnded(const Touch& touch) {
    if (auto next = nextResponder()) {
        next->touchesEnded(touch);
    }
}

void Responder::touchesCancelled(const Touch& touch) {
    if (auto next = nextResponder()) {
        next->touchesCancelled(touch);
    }
}

}  // namespace kit

#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/kit/Touch.h"

namespace kit {

// An object of the responder chain (view -> superview -> owning controller -> parent
// controller -> window -> application). Actions are names without a receiver: a button
// sends its action up the chain and the first responder that defines it performs it.
class Responder : public std::enable_shared_from_this<Responder> {
  public:
    using Action = std::function<void(const std::shared_ptr<Responder>& sender)>;

    Responder() = default;
    virtual ~Responder() = default;
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    virtual std::shared_ptr<Responder> nextResponder() const;

    // Performs `action` at the first responder from here up that defines it. Returns false,
    // and does nothing, when no one does.
    bool tryToPerform(std::string_view action, const std::shared_ptr<Responder>& sender);
    bool definesAction(std::string_view action) const;

    // Unhandled touches travel up the chain, so a drag over a label reaches the scroll
    // view that holds it.
    virtual void touchesBegan(const Touch& touch);
    virtual void touchesMoved(const Touch& touch);
    virtual void touchesEnded(const Touch& touch);
    virtual void touchesCancelled(const Touch& touch);

    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool becomeFirstResponder() { return false; }
    virtual bool resignFirstResponder() { return true; }
    virtual bool isFirstResponder() const { return false; }

  protected:
    // A responder maps action names to its own operations, usually in its factory.
    void defineAction(std::string name, Action action);

  private:
    std::map<std::string, Action, std::less<>> actions_;
};

// `object` as the shared pointer that owns it, typed as the class asking, for handing itself to
// delegates, targets and closures; empty while nothing owns it yet (in its constructor).
template <class Object>
std::shared_ptr<Object> sharedSelf(const Object* object) {
    return std::const_pointer_cast<Object>(
        std::static_pointer_cast<const Object>(object->weak_from_this().lock()));
}

}  // namespace kit

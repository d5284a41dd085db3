#pragma once

#include <memory>
#include <string_view>

#include "platform/kit/Color.h"
#include "platform/kit/Control.h"
#include "platform/kit/ImageView.h"

namespace kelvora {

// A symbol-icon button for the top bar. Its only press feedback is its own opacity: half
// while a touch is down on it, whole again once the touch ends or is cancelled, wherever the
// finger went meanwhile. Its own size is set by its host.
class NavigationBarControl final : public kit::Control {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit NavigationBarControl(Token) {}

    // An icon `size` x `size` centred on the control, tinted with `accent`. A symbol name the
    // platform does not know leaves the icon without image.
    static std::shared_ptr<NavigationBarControl> initWithIcon(std::string_view icon,
                                                              const kit::Color& accent,
                                                              double size);

    const std::shared_ptr<kit::ImageView>& icon() const { return icon_; }

    void touchesBegan(const kit::Touch& touch) override;
    void touchesEnded(const kit::Touch& touch) override;
    void touchesCancelled(const kit::Touch& touch) override;

    // Animates the opacity over 0.1 s to 0.5 when highlighted, else to 1.
    void touchAnimateWithHighlighted(bool highlighted);

  private:
    std::shared_ptr<kit::ImageView> icon_;
};

}  // namespace kelvora

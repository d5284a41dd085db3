#include "ui/NavigationBarControl.h"

#include "platform/kit/Image.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<NavigationBarControl> NavigationBarControl::initWithIcon(std::string_view icon,
                                                                         const kit::Color& accent,
                                                                         double size) {
    auto control = std::make_shared<NavigationBarControl>(Token{});
    control->icon_ = std::make_shared<kit::ImageView>();
    control->icon_->setContentMode(kit::ContentMode::scaleAspectFit);
    control->icon_->setTintColor(accent);
    control->icon_->setImage(kit::Image::systemImageNamed(icon));
    control->addSubview(control->icon_);
    extension::size(*control->icon_, {size, size});
    extension::x(*control->icon_, control->centerXAnchor(), control->centerYAnchor());
    return control;
}

void NavigationBarControl::touchesBegan(const kit::Touch& touch) {
    Control::touchesBegan(touch);
    touchAnimateWithHighlighted(true);
}

void NavigationBarControl::touchesEnded(const kit::Touch& touch) {
    // The action sent on lifting may take the bar off its screen; stay alive to finish.
    auto self = weak_from_this().lock();
    Control::touchesEnded(touch);
    touchAnimateWithHighlighted(false);
}

void NavigationBarControl::touchesCancelled(const kit::Touch& touch) {
    Control::touchesCancelled(touch);
    touchAnimateWithHighlighted(false);
}

void NavigationBarControl::touchAnimateWithHighlighted(bool highlighted) {
    View::animate(0.1, [this, highlighted] { setAlpha(highlighted ? 0.5 : 1.0); });
}

}  // namespace kelvora

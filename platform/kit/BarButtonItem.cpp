#include "platform/kit/BarButtonItem.h"

#include "platform/kit/Button.h"

namespace kit {

namespace {

// Bar buttons use the body size; Done is the bar's one bold entry.
constexpr double barFontSize = 17;
constexpr double barSymbolSize = 20;

}  // namespace

std::shared_ptr<BarButtonItem> BarButtonItem::withImage(std::optional<Image> image,
                                                        BarButtonItemStyle style,
                                                        std::weak_ptr<Responder> target,
                                                        std::string action) {
    std::shared_ptr<BarButtonItem> item(new BarButtonItem());
    item->image_ = std::move(image);
    item->style_ = style;
    item->hasTarget_ = !target.expired();
    item->target_ = std::move(target);
    item->action_ = std::move(action);
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::withTitle(std::string title, BarButtonItemStyle style,
                                                        std::weak_ptr<Responder> target,
                                                        std::string action) {
    auto item = withImage(std::nullopt, style, std::move(target), std::move(action));
    item->title_ = std::move(title);
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::withSystemItem(BarButtonSystemItem systemItem,
                                                             std::weak_ptr<Responder> target,
                                                             std::string action) {
    auto item =
        withImage(std::nullopt, BarButtonItemStyle::plain, std::move(target), std::move(action));
    item->systemItem_ = systemItem;
    if (systemItem == BarButtonSystemItem::done) {
        item->title_ = "Done";
        item->style_ = BarButtonItemStyle::done;
    }
    return item;
}

std::string BarButtonItem::accessibilityLabel() const {
    if (!title_.empty()) {
        return title_;
    }
    return image_ && image_->kind() == Image::Kind::symbol ? image_->name() : std::string();
}

bool BarButtonItem::perform(const std::shared_ptr<Responder>& sender,
                            const std::shared_ptr<Responder>& fallback) const {
    if (!enabled_ || isFlexibleSpace()) {
        return false;
    }
    if (handler_) {
        handler_();
        return true;
    }
    if (action_.empty()) {
        return false;
    }
    if (hasTarget_) {
        // A target that is gone takes its action with it, as a control's target does.
        auto target = target_.lock();
        return target && target->tryToPerform(action_, sender);
    }
    return fallback && fallback->tryToPerform(action_, sender);
}

std::shared_ptr<Button> BarButtonItem::makeButton(std::weak_ptr<Responder> fallback) const {
    auto button = Button::buttonWithType(ButtonType::system);
    if (image_) {
        Image symbol = *image_;
        if (symbol.kind() == Image::Kind::symbol) {
            symbol = Image::systemImageNamed(symbol.name(), ImageSymbolConfiguration{barSymbolSize})
                         .value_or(symbol);
        }
        button->setImage(symbol, ControlState::normal);
    }
    if (!title_.empty()) {
        button->setTitle(title_, ControlState::normal);
    }
    auto weight = style_ == BarButtonItemStyle::done ? FontWeight::semibold : FontWeight::regular;
    button->setTitleFont(Font::systemFontOfSize(barFontSize, weight));
    button->setContentEdgeInsets({6, 8, 6, 8});
    button->setTintColor(tintColor_);
    button->setEnabled(enabled_);
    button->setAccessibilityLabel(accessibilityLabel());
    // The controller owns the item and its bar owns the button, so the button's handler holds
    // the item weakly.
    std::weak_ptr<const BarButtonItem> weakItem = weak_from_this();
    button->addAction(
        [weakItem, fallback](const std::shared_ptr<Control>& sender) {
            if (auto item = weakItem.lock()) {
                item->perform(sender, fallback.lock());
            }
        },
        ControlEvents::touchUpInside);
    return button;
}

}  // namespace kit

#include "platform/kit/Toolbar.h"

namespace kit {

namespace {

constexpr double sideMargin = 8;

}  // namespace

std::shared_ptr<Toolbar> Toolbar::make() {
    auto bar = std::make_shared<Toolbar>();
    bar->background_ = VisualEffectView::make(BlurEffectStyle::systemChromeMaterial);
    bar->background_->setUserInteractionEnabled(false);
    bar->addSubview(bar->background_);
    bar->hairline_ = std::make_shared<View>();
    bar->hairline_->setBackgroundColor(Color::blackColor().withAlpha(0.3));
    bar->addSubview(bar->hairline_);
    return bar;
}

void Toolbar::setItems(std::vector<std::shared_ptr<BarButtonItem>> items,
                       std::weak_ptr<Responder> fallback) {
    for (const auto& button : buttons_) {
        if (button) {
            button->removeFromSuperview();
        }
    }
    buttons_.clear();
    items_ = std::move(items);
    for (const auto& item : items_) {
        auto button = item && !item->isFlexibleSpace() ? item->makeButton(fallback) : nullptr;
        if (button) {
            addSubview(button);
        }
        buttons_.push_back(button);
    }
    setNeedsLayout();
}

void Toolbar::layoutSubviews() {
    background_->setFrame(bounds());
    hairline_->setFrame({0, 0, bounds().width(), 1.0 / 3});
    double used = 0;
    int spaces = 0;
    for (const auto& button : buttons_) {
        if (button) {
            used += button->intrinsicContentSize().width;
        } else {
            ++spaces;
        }
    }
    double free = std::max(0.0, bounds().width() - 2 * sideMargin - used);
    double space = spaces > 0 ? free / spaces : 0;
    double x = sideMargin;
    for (const auto& button : buttons_) {
        if (!button) {
            x += space;
            continue;
        }
        Size size = button->intrinsicContentSize();
        button->setFrame({x, (barHeight - size.height) / 2, size.width, size.height});
        x += size.width;
    }
}

}  // namespace kit

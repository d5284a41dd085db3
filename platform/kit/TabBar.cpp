#include "platform/kit/TabBar.h"

namespace kit {

TabBar::Defaults& TabBar::appearance() {
    static Defaults defaults;
    return defaults;
}

std::shared_ptr<TabBar> TabBar::make() {
    auto bar = std::make_shared<TabBar>();
    bar->background_ = VisualEffectView::make(BlurEffectStyle::systemChromeMaterial);
    bar->background_->setUserInteractionEnabled(false);
    bar->addSubview(bar->background_);
    bar->hairline_ = std::make_shared<View>();
    bar->hairline_->setBackgroundColor(Color::blackColor().withAlpha(0.3));
    bar->addSubview(bar->hairline_);
    bar->setScrollEdgeAppearance(std::nullopt);
    return bar;
}

void TabBar::setItems(const std::vector<TabBarItem>& items) {
    for (const auto& button : buttons_) {
        button->removeFromSuperview();
    }
    buttons_.clear();
    icons_.clear();
    titles_.clear();
    std::weak_ptr<TabBar> weakSelf = std::static_pointer_cast<TabBar>(shared_from_this());
    for (std::size_t index = 0; index < items.size(); ++index) {
        auto button = std::make_shared<Control>();
        auto icon = std::make_shared<ImageView>(items[index].image);
        icon->setContentMode(ContentMode::scaleAspectFit);
        auto title = std::make_shared<Label>();
        title->setText(items[index].title);
        title->setFont(Font::systemFontOfSize(10, FontWeight::medium));
        title->setTextAlignment(TextAlignment::center);
        button->addSubview(icon);
        button->addSubview(title);
        button->addAction(
            [weakSelf, index](const std::shared_ptr<Control>&) {
                auto self = weakSelf.lock();
                if (self && self->onSelect_) {
                    self->onSelect_(index);
                }
            },
            ControlEvents::touchUpInside);
        addSubview(button);
        buttons_.push_back(button);
        icons_.push_back(icon);
        titles_.push_back(title);
    }
    if (selected_ >= buttons_.size()) {
        selected_ = 0;
    }
    updateColors();
    setNeedsLayout();
}

void TabBar::setSelectedIndex(std::size_t index) {
    if (index >= buttons_.size()) {
        return;
    }
    selected_ = index;
    updateColors();
}

void TabBar::setScrollEdgeAppearance(std::optional<TabBarAppearance> appearance) {
    scrollEdge_ = appearance;
    bool drawn = scrollEdge_ && scrollEdge_->opaqueBackground;
    background_->setHidden(!drawn);
    hairline_->setHidden(!drawn);
}

void TabBar::didMoveToWindow() {
    if (!hasOwnTintColor() && appearance().tintColor) {
        setTintColor(appearance().tintColor);
    }
}

void TabBar::tintColorDidChange() {
    updateColors();
}

void TabBar::updateColors() {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        Color color = index == selected_ ? tintColor() : Color::systemGrayColor();
        icons_[index]->setTintColor(color);
        titles_[index]->setTextColor(color);
        buttons_[index]->setSelected(index == selected_);
    }
}

void TabBar::layoutSubviews() {
    background_->setFrame(bounds());
    hairline_->setFrame({0, 0, bounds().width(), 1.0 / 3});
    if (buttons_.empty()) {
        return;
    }
    double width = bounds().width() / static_cast<double>(buttons_.size());
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        buttons_[index]->setFrame({width * static_cast<double>(index), 0, width, barHeight});
        icons_[index]->setFrame({(width - 28) / 2, 5, 28, 24});
        titles_[index]->setFrame({0, 32, width, 12});
    }
}

}  // namespace kit

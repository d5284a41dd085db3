#include "platform/kit/NavigationBar.h"

#include <algorithm>

#include "platform/kit/Window.h"

namespace kit {

namespace {

constexpr double sideMargin = 8;
constexpr double largeTitleInset = 16;

double statusBarHeight(const View& view) {
    auto window = view.window();
    return window ? window->windowSafeAreaInsets().top : 0;
}

}  // namespace

std::shared_ptr<NavigationBar> NavigationBar::make() {
    auto bar = std::make_shared<NavigationBar>();
    bar->background_ = VisualEffectView::make(BlurEffectStyle::systemChromeMaterial);
    bar->background_->setUserInteractionEnabled(false);
    bar->addSubview(bar->background_);
    bar->shadow_ = std::make_shared<View>();
    bar->shadow_->setBackgroundColor(Color::blackColor().withAlpha(0.3));
    bar->addSubview(bar->shadow_);
    bar->titleLabel_ = std::make_shared<Label>();
    bar->titleLabel_->setFont(Font::systemFontOfSize(17, FontWeight::semibold));
    bar->titleLabel_->setTextAlignment(TextAlignment::center);
    bar->addSubview(bar->titleLabel_);
    // The large title slides up under the top row, so it is cut off at the row's edge.
    bar->largeTitleArea_ = std::make_shared<View>();
    bar->largeTitleArea_->setClipsToBounds(true);
    bar->largeTitleArea_->setUserInteractionEnabled(false);
    bar->addSubview(bar->largeTitleArea_);
    bar->largeTitleLabel_ = std::make_shared<Label>();
    bar->largeTitleLabel_->setFont(Font::systemFontOfSize(34, FontWeight::bold));
    bar->largeTitleArea_->addSubview(bar->largeTitleLabel_);
    return bar;
}

void NavigationBar::setPrefersLargeTitles(bool prefers) {
    prefersLargeTitles_ = prefers;
    showsLarge_ = prefers && mode_ != LargeTitleDisplayMode::never;
    updateTitles();
    setNeedsLayout();
    // The bar's height changes, and with it what the controller under it may cover.
    if (auto container = superview()) {
        container->setNeedsLayout();
    }
}

void NavigationBar::setLargeTitleCollapse(double points) {
    double collapse = std::clamp(points, 0.0, largeTitleHeight);
    if (collapse == collapse_) {
        return;
    }
    collapse_ = collapse;
    updateTitles();
    setNeedsLayout();
}

// The small title shows once the large one has gone under the top row.
void NavigationBar::updateTitles() {
    bool largeGone = collapse_ >= largeTitleHeight;
    titleLabel_->setHidden(showsLarge_ && !largeGone);
    largeTitleArea_->setHidden(!showsLarge_ || largeGone);
}

void NavigationBar::setBackgroundTransparent(bool transparent) {
    transparent_ = transparent;
    updateBackground();
}

void NavigationBar::setShadowHidden(bool hidden) {
    shadowHidden_ = hidden;
    updateBackground();
}

void NavigationBar::updateBackground() {
    background_->setHidden(transparent_);
    shadow_->setHidden(transparent_ || shadowHidden_);
}

void NavigationBar::clearButtons() {
    for (const auto& button : left_) {
        button->removeFromSuperview();
    }
    for (const auto& button : right_) {
        button->removeFromSuperview();
    }
    left_.clear();
    right_.clear();
}

void NavigationBar::show(const NavigationItem& item, std::optional<std::string> backTitle,
                         std::weak_ptr<Responder> fallback, std::function<void()> back) {
    clearButtons();
    mode_ = item.largeTitleDisplayMode();
    showsLarge_ = prefersLargeTitles_ && mode_ != LargeTitleDisplayMode::never;
    collapse_ = 0;
    titleLabel_->setText(item.title());
    largeTitleLabel_->setText(item.title());
    updateTitles();
    for (const auto& entry : item.leftBarButtonItems()) {
        left_.push_back(entry->makeButton(fallback));
    }
    if (left_.empty() && backTitle) {
        auto button = Button::buttonWithType(ButtonType::system);
        button->setImage(Image::systemImageNamed("chevron.backward", {22, FontWeight::semibold}),
                         ControlState::normal);
        button->setTitle(*backTitle, ControlState::normal);
        // Its title repeats the previous screen's, often a tab's title too; "Back" names it
        // alone.
        button->setAccessibilityLabel("Back");
        button->setTitleFont(Font::systemFontOfSize(17));
        button->setContentEdgeInsets({6, 0, 6, 8});
        button->addAction([back](const std::shared_ptr<Control>&) { back(); },
                          ControlEvents::touchUpInside);
        left_.push_back(button);
    }
    for (const auto& entry : item.rightBarButtonItems()) {
        right_.push_back(entry->makeButton(fallback));
    }
    for (const auto& button : left_) {
        addSubview(button);
    }
    for (const auto& button : right_) {
        addSubview(button);
    }
    setNeedsLayout();
}

void NavigationBar::layoutSubviews() {
    double top = statusBarHeight(*this);
    double width = bounds().width();
    background_->setFrame(bounds());
    shadow_->setFrame({0, bounds().height(), width, 1.0 / 3});
    largeTitleArea_->setFrame(
        {0, top + barHeight, width, std::max(0.0, bounds().height() - top - barHeight)});
    double x = sideMargin;
    for (const auto& button : left_) {
        Size size = button->intrinsicContentSize();
        button->setFrame({x, top + (barHeight - size.height) / 2, size.width, size.height});
        x += size.width;
    }
    double right = width - sideMargin;
    for (const auto& button : right_) {
        Size size = button->intrinsicContentSize();
        right -= size.width;
        button->setFrame({right, top + (barHeight - size.height) / 2, size.width, size.height});
    }
    // The title stays centred on the bar, narrowed to stay clear of the buttons.
    double room = std::max(0.0, std::min(width / 2 - x, right - width / 2) - 4);
    titleLabel_->setFrame({width / 2 - room, top, 2 * room, barHeight});
    largeTitleLabel_->setFrame(
        {largeTitleInset, -collapse_, width - 2 * largeTitleInset, largeTitleHeight});
}

}  // namespace kit
